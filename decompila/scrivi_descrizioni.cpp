#include "decompila/scrivi_descrizioni.hpp"

#include <algorithm>
#include <cstddef>

namespace compattatore::decompila {

namespace {

constexpr const char* a_capo = "\r\n";

// Column widths of a run of consecutive entry lines: the keyword with its
// comma, then each value.
struct Colonne {
    std::size_t chiave = 0;
    std::vector<std::size_t> valori;
};

Colonne misura(const std::vector<Riga>& righe, std::size_t da, std::size_t a) {
    Colonne c;
    for (std::size_t i = da; i < a; ++i) {
        const Riga& r = righe[i];
        c.chiave = std::max(c.chiave, r.chiave.size() + 1);
        if (c.valori.size() < r.valori.size()) c.valori.resize(r.valori.size(), 0);
        for (std::size_t j = 0; j < r.valori.size(); ++j) c.valori[j] = std::max(c.valori[j], r.valori[j].size());
    }
    return c;
}

void scrivi_voce(const Riga& r, const Colonne& c, std::string& out) {
    std::string riga = r.chiave + ",";
    if (!r.valori.empty() || r.testo) riga.append(c.chiave - (r.chiave.size() + 1), ' ');
    for (std::size_t j = 0; j < r.valori.size(); ++j) {
        if (j > 0) riga += ",";
        riga.append(2 + c.valori[j] - r.valori[j].size(), ' ');
        riga += r.valori[j];
    }
    if (r.testo) {
        if (!r.valori.empty()) riga += ",";
        riga += "  ";
        riga += *r.testo;
    }
    out += riga;
    out += a_capo;
}

}  // namespace

std::string scrivi_descrizione(const Descrizione& d) {
    std::string out;
    for (const Sezione& s : d.sezioni) {
        if (!s.intestazione.empty()) {
            out += s.intestazione;
            out += a_capo;
        }
        std::size_t i = 0;
        while (i < s.righe.size()) {
            if (!s.righe[i].voce) {
                out += s.righe[i].grezza;
                out += a_capo;
                ++i;
                continue;
            }
            std::size_t fine = i;
            while (fine < s.righe.size() && s.righe[fine].voce) ++fine;
            const Colonne c = misura(s.righe, i, fine);
            for (; i < fine; ++i) scrivi_voce(s.righe[i], c, out);
        }
    }
    return out;
}

}  // namespace compattatore::decompila
