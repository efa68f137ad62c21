// The descriptions of the checks' tests and their reading as the tool does
// it: a compile with its record, then the encoding scan and the checks.
#pragma once

#include <string>
#include <vector>

#include "controlli/codifica.hpp"
#include "controlli/controlli.hpp"
#include "output/compila.hpp"

namespace compattatore::prova {

// "\n" to "\r\n", the descriptions' line end.
inline std::string righe(const std::string& t) {
    std::string r;
    for (const char c : t) {
        if (c == '\n') r += "\r\n";
        else r += c;
    }
    return r;
}

struct TestiControllati {
    Scenario s;
    std::vector<Diagnostica> avvisi;  // of the encoding scan and the checks
};

inline TestiControllati controlla_testi(const std::string& linea, const std::string& treno, int scrivi_linea = 1) {
    TestiControllati e;
    Registro r;
    compila(e.s, scrivi_linea, Descrizioni{linea, treno}, &r);
    e.avvisi = controlla_codifica(linea, Sorgente::linea);
    const auto t = controlla_codifica(treno, Sorgente::treno);
    e.avvisi.insert(e.avvisi.end(), t.begin(), t.end());
    const auto c = controlla(r, e.s);
    e.avvisi.insert(e.avvisi.end(), c.begin(), c.end());
    return e;
}

// A 10 km line: line 1 "[generale]", 2 the length, then `generale`, then
// "[curve]" and `elementi`. The train: line 1 "[generale]", 2 a speed, then `treno`.
inline std::string linea_di(const std::string& generale, const std::string& elementi, const std::string& prima = "") {
    return righe(prima + "[generale]\nlunghezza percorso, 10000\n" + generale + "[curve]\n" + elementi + "[fine]\n");
}
inline std::string treno_di(const std::string& treno) {
    return righe("[generale]\nvelocita, 0, 130\n" + treno + "[fine]\n");
}

}  // namespace compattatore::prova
