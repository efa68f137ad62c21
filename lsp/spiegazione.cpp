#include "lsp/spiegazione.hpp"

#include <cstdint>
#include <vector>

#include "lsp/testo.hpp"
#include "model/arrotonda.hpp"
#include "model/cella.hpp"
#include "readers/limite_percorso.hpp"

namespace compattatore::lsp {

namespace {

std::string metri(std::int64_t m) { return metri_leggibili(m); }

std::string ora(std::int64_t h, std::int64_t mi, std::int64_t se) {
    auto due = [](std::int64_t x) { return std::string(x >= 0 && x < 10 ? "0" : "").append(std::to_string(x)); };
    return due(h) + ":" + due(mi) + ":" + due(se);
}

// Cell of a stretch value, of a point feature.
std::int64_t cella_tratto(std::int64_t p) { return arrotonda(p, 50); }
std::int64_t cella_punto(std::int64_t p) { return arrotonda(p + 50, 50); }

// A cell with the metre its feature stands at, as the reports name it.
std::string cella(std::int64_t c, std::uint8_t tipo) { return "cell " + std::to_string(c) + " (" + metri(metro_di(tipo, c)) + ")"; }
std::string cella_valore(std::int64_t c) { return cella(c, tipo_cella::vuota); }

class Valori {
public:
    explicit Valori(const VoceRiga& v) : v_(v) {}
    bool completi() const { return v_.tipo && v_.valori.size() == v_.tipo->campi.size(); }
    std::int64_t operator[](std::size_t i) const {
        if (i >= v_.valori.size()) return 0;
        return numero(v_.valori[i].testo).value_or(0);
    }
    bool numeri_validi() const {
        for (std::size_t i = 0; i < v_.valori.size(); ++i) {
            if (!campo_testo(*v_.tipo, i) && !numero(v_.valori[i].testo)) return false;
        }
        return true;
    }

private:
    const VoceRiga& v_;
};

std::string effetto_stazione(const Valori& x) {
    const std::int64_t p = x[0], tipo = x[1], l = x[2], opz_c = x[5];
    std::int64_t inizio = 0, fine = 0;
    if (tipo == 5 || tipo == 6) {
        inizio = p - l;
        fine = p + 150;
    } else if (tipo == 7 || tipo == 8) {
        inizio = p - l;
        fine = p + l;
    } else {
        inizio = p - l / 2;
        fine = p + l / 2 + (opz_c != 0 ? 50 : 0);
    }
    std::string r = "Zone from " + metri(inizio) + " to " + metri(fine) + ". ";
    if (tipo < 25) {
        const std::int64_t ferma = fine / 50 - 1;
        r += "Stops at " + cella(ferma, tipo_cella::fermata) + ". ";
        if (tipo != 5 && tipo != 6) {
            r += "Approach marks";
            for (int j = 1; j <= 4; ++j) {
                r += (j == 1 ? " " : ", ") + std::to_string(80 + j) + " on cell " + std::to_string(fine / 50 - j - 1);
            }
            r += ". ";
        }
    } else {
        r += "Kind 25 or above: no cell is marked. ";
    }
    r += "Time " + ora(x[13], x[14], x[15]) + ".";
    return r;
}

std::string effetto_segnale(const Valori& x) {
    const std::int64_t c = cella_punto(x[0]);
    std::string r = "On " + cella(c, tipo_cella::segnale) + ". Aspects " + std::to_string(x[2] * 10 + x[7]) + ", " +
                    std::to_string(x[3] * 10 + x[8]) + ", " + std::to_string(x[4] * 10 + x[9]) + " (side s x 10 + side d). ";
    r += "Approach marks";
    for (int n = 1; n <= 4; ++n) {
        r += (n == 1 ? " " : ", ") + std::to_string((x[1] * 3 + x[6]) * 10 + n) + " on cell " + std::to_string(c - std::int64_t{2} * n);
    }
    std::int64_t tempo = x[10];
    if (tempo >= 1 && tempo <= 100) tempo = 101;
    r += ". Time " + (x[1] == 2 ? std::to_string(tempo) + " s" : std::string("not kept (sx is not 2)")) + ".";
    return r;
}

std::string effetto_rallentamento(const Valori& x) {
    const std::int64_t p = x[0], l = x[2];
    std::string r = "Start on " + cella(cella_punto(p), tipo_cella::inizio_rallentamento) + ", end on " +
                    cella(cella_punto(p + l), tipo_cella::fine_rallentamento) + ". ";
    if (p > 1500) {
        r += "Warning on " + cella(arrotonda(p - 1200 + 50, 50), tipo_cella::avviso_rallentamento) + ". ";
        if (x[4] != 0) {
            const std::int64_t b = arrotonda(p - 1200, 50);
            r += "Cells " + std::to_string(b - 3) + " to " + std::to_string(b) + " before the warning. ";
        }
    } else {
        r += "No warning cell (start at 1,500 m or before). ";
    }
    r += "Speed " + std::to_string(x[1]) + " km/h.";
    return r;
}

std::string effetto(const VoceRiga& v, const Valori& x) {
    const std::string_view k = v.tipo->parola_chiave;
    if (k == "pendenza") return "Gradient " + std::to_string(x[1]) + " ‰ from " + metri(x[0]) + ", " + cella_valore(cella_tratto(x[0])) + ".";
    if (k == "velocita") {
        return "Speed limit " + std::to_string(x[1]) + " km/h (stored as " + std::to_string(arrotonda(x[1], 5)) + ") from " +
               metri(x[0]) + ", " + cella_valore(cella_tratto(x[0])) + ".";
    }
    if (k == "aderenza") return "Adhesion " + std::to_string(x[1]) + " from " + metri(x[0]) + ", " + cella_valore(cella_tratto(x[0])) + ".";
    if (k == "montagna") {
        return "Zone type " + std::to_string(x[2] > 10 ? x[2] - 10 : x[2]) + (x[2] > 10 ? ", with markers" : "") +
               ", cells " + std::to_string(cella_tratto(x[0])) + " to " + std::to_string(arrotonda(x[1] - 50, 50)) + ".";
    }
    if (k == "indicatori_vmax") return "On " + cella(cella_punto(x[0]), tipo_cella::indicatore_v_max) + ".";
    if (k == "cartello_indicatore") return "On " + cella(cella_punto(x[0]), tipo_cella::cartello) + ".";
    if (k == "abbattimento") return "Code point on " + cella(cella_tratto(x[0]), tipo_cella::punto_codice) + ".";
    if (k == "stazione") return effetto_stazione(x);
    if (k == "segnale") return effetto_segnale(x);
    if (k == "rallentamento") return effetto_rallentamento(x);
    if (k == "curva") {
        const std::string_view p = v.parola.testo;
        const bool sinistra = p.find('s') != std::string_view::npos || p.find('S') != std::string_view::npos;
        for (const char c : std::string_view("123456")) {
            if (p.find(c) != std::string_view::npos) {
                return std::string("Turns ") + (sinistra ? "left" : "right") + ", class " + c + ", from " + metri(x[0]) +
                       " to " + metri(x[0] + x[1]) + ".";
            }
        }
        return "No class digit 1 to 6 in the keyword: the line is refused.";
    }
    if (k == "orologio") return "Starts at " + ora(x[0], x[1], x[2]) + ".";
    return {};
}

}  // namespace

std::string spiega(const VoceRiga& v, std::optional<std::size_t> sotto) {
    if (v.intestazione) return "**" + utf8_di(v.parola.testo) + "**: a section header";
    if (!v.tipo) return {};
    const guida::TipoVoce& t = *v.tipo;
    std::string r = "**" + std::string(t.parola_chiave) + "**: " + std::string(t.nome.in(lingua)) + " (" +
                    std::string(guida::nome_parte(t.parte, lingua)) + ")\n\n";
    for (std::size_t i = 0; i < t.campi.size(); ++i) {
        const guida::Campo& c = t.campi[i];
        const bool qui = sotto && *sotto == i;
        const std::string unita = c.unita.empty() ? std::string() : std::string(1, ' ').append(c.unita);
        r += "- " + std::string(qui ? "**" : "") + std::string(c.nome) + std::string(qui ? "**" : "") + ": ";
        if (i < v.valori.size()) {
            const std::string valore = utf8_di(v.valori[i].testo);
            r += (valore.empty() && !campo_testo(t, i) ? std::string("0") : valore) + unita;
        } else {
            r += "(missing on this line)";
        }
        r += " (" + std::string(c.significato.in(lingua));
        if (qui) r += "; " + std::string(c.intervallo.in(lingua));
        r += ")\n";
    }
    const Valori x(v);
    if (x.completi() && x.numeri_validi()) {
        const std::string e = effetto(v, x);
        if (!e.empty()) r += "\n" + e + "\n";
    }
    r += "\n" + std::string(t.significato.in(lingua));
    return r;
}

}  // namespace compattatore::lsp
