#include "lsp/spiegazione.hpp"

#include <cstdint>
#include <vector>

#include "lsp/messaggi.hpp"
#include "lsp/testo.hpp"
#include "model/windows_1252.hpp"
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
Messaggio cella(std::int64_t c, std::uint8_t tipo) { return Messaggio(messaggi::lsp_cella, c, metri(metro_di(tipo, c))); }
Messaggio cella_valore(std::int64_t c) { return cella(c, tipo_cella::vuota); }

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

// The four approach marks: mark(n) on cella(n), n = 1 to 4.
template <class Segno, class Cella>
Messaggio segni_preavviso(Segno segno, Cella cella_di) {
    return Messaggio(messaggi::lsp_segni_preavviso, segno(1), cella_di(1), segno(2), cella_di(2), segno(3), cella_di(3),
                     segno(4), cella_di(4));
}

std::string effetto_stazione(const Valori& x, Lingua l) {
    const std::int64_t p = x[0], tipo = x[1], lunghezza = x[2], opz_c = x[5];
    std::int64_t inizio = 0, fine = 0;
    if (tipo == 5 || tipo == 6) {
        inizio = p - lunghezza;
        fine = p + 150;
    } else if (tipo == 7 || tipo == 8) {
        inizio = p - lunghezza;
        fine = p + lunghezza;
    } else {
        inizio = p - lunghezza / 2;
        fine = p + lunghezza / 2 + (opz_c != 0 ? 50 : 0);
    }
    std::string r = Messaggio(messaggi::lsp_zona_stazione, metri(inizio), metri(fine)).in(l);
    if (tipo < 25) {
        const std::int64_t ferma = fine / 50 - 1;
        r += Messaggio(messaggi::lsp_ferma, cella(ferma, tipo_cella::fermata)).in(l);
        if (tipo != 5 && tipo != 6) {
            r += segni_preavviso([](std::int64_t j) { return 80 + j; },
                                 [&](std::int64_t j) { return fine / 50 - j - 1; }).in(l);
        }
    } else {
        r += Messaggio(messaggi::lsp_nessuna_cella).in(l);
    }
    r += Messaggio(messaggi::lsp_orario, ora(x[13], x[14], x[15])).in(l);
    return r;
}

std::string effetto_segnale(const Valori& x, Lingua l) {
    const std::int64_t c = cella_punto(x[0]);
    std::string r = Messaggio(messaggi::lsp_segnale, cella(c, tipo_cella::segnale), x[2] * 10 + x[7], x[3] * 10 + x[8],
                              x[4] * 10 + x[9]).in(l);
    r += segni_preavviso([&](std::int64_t n) { return (x[1] * 3 + x[6]) * 10 + n; },
                         [&](std::int64_t n) { return c - std::int64_t{2} * n; }).in(l);
    std::int64_t tempo = x[10];
    if (tempo >= 1 && tempo <= 100) tempo = 101;
    const Messaggio quanto = x[1] == 2 ? Messaggio::letterale(std::to_string(tempo).append(" s"))
                                       : Messaggio(messaggi::lsp_tempo_non_tenuto);
    r += Messaggio(messaggi::lsp_orario, quanto).in(l);
    return r;
}

std::string effetto_rallentamento(const Valori& x, Lingua l) {
    const std::int64_t p = x[0], lunghezza = x[2];
    std::string r = Messaggio(messaggi::lsp_rallentamento, cella(cella_punto(p), tipo_cella::inizio_rallentamento),
                              cella(cella_punto(p + lunghezza), tipo_cella::fine_rallentamento)).in(l);
    if (p > 1500) {
        r += Messaggio(messaggi::lsp_avviso_rallentamento,
                       cella(arrotonda(p - 1200 + 50, 50), tipo_cella::avviso_rallentamento)).in(l);
        if (x[4] != 0) {
            const std::int64_t b = arrotonda(p - 1200, 50);
            r += Messaggio(messaggi::lsp_celle_prima_avviso, b - 3, b).in(l);
        }
    } else {
        r += Messaggio(messaggi::lsp_senza_avviso).in(l);
    }
    r += Messaggio(messaggi::lsp_velocita, x[1]).in(l);
    return r;
}

Messaggio effetto(const VoceRiga& v, const Valori& x, Lingua l) {
    const std::string_view k = v.tipo->parola_chiave;
    if (k == "pendenza") return Messaggio(messaggi::lsp_pendenza, x[1], metri(x[0]), cella_valore(cella_tratto(x[0])));
    if (k == "velocita") {
        return Messaggio(messaggi::lsp_velocita_limite, x[1], arrotonda(x[1], 5), metri(x[0]),
                         cella_valore(cella_tratto(x[0])));
    }
    if (k == "aderenza") return Messaggio(messaggi::lsp_aderenza, x[1], metri(x[0]), cella_valore(cella_tratto(x[0])));
    if (k == "montagna") {
        return Messaggio(x[2] > 10 ? messaggi::lsp_montagna_segnali : messaggi::lsp_montagna, x[2] > 10 ? x[2] - 10 : x[2],
                         cella_tratto(x[0]), arrotonda(x[1] - 50, 50));
    }
    if (k == "indicatori_vmax") return Messaggio(messaggi::lsp_sulla_cella, cella(cella_punto(x[0]), tipo_cella::indicatore_v_max));
    if (k == "cartello_indicatore") return Messaggio(messaggi::lsp_sulla_cella, cella(cella_punto(x[0]), tipo_cella::cartello));
    if (k == "abbattimento") return Messaggio(messaggi::lsp_punto_codice, cella(cella_tratto(x[0]), tipo_cella::punto_codice));
    if (k == "stazione") return Messaggio::letterale(effetto_stazione(x, l));
    if (k == "segnale") return Messaggio::letterale(effetto_segnale(x, l));
    if (k == "rallentamento") return Messaggio::letterale(effetto_rallentamento(x, l));
    if (k == "curva") {
        const std::string_view p = v.parola.testo;
        const bool sinistra = p.find('s') != std::string_view::npos || p.find('S') != std::string_view::npos;
        for (const char c : std::string_view("123456")) {
            if (p.find(c) != std::string_view::npos) {
                return Messaggio(sinistra ? messaggi::lsp_curva_sinistra : messaggi::lsp_curva_destra, std::string(1, c),
                                 metri(x[0]), metri(x[0] + x[1]));
            }
        }
        return Messaggio(messaggi::lsp_curva_senza_classe);
    }
    if (k == "orologio") return Messaggio(messaggi::lsp_inizio_orologio, ora(x[0], x[1], x[2]));
    return {};
}

}  // namespace

std::string spiega(const VoceRiga& v, std::optional<std::size_t> sotto, Lingua lingua) {
    if (v.intestazione) return Messaggio(messaggi::lsp_intestazione_sezione, utf8_da_1252(v.parola.testo)).in(lingua);
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
            const std::string valore = utf8_da_1252(v.valori[i].testo);
            r += (valore.empty() && !campo_testo(t, i) ? std::string("0") : valore) + unita;
        } else {
            r += Messaggio(messaggi::lsp_manca_sulla_riga).in(lingua);
        }
        r += " (" + std::string(c.significato.in(lingua));
        if (qui) r += "; " + std::string(c.intervallo.in(lingua));
        r += ")\n";
    }
    const Valori x(v);
    if (x.completi() && x.numeri_validi()) {
        const std::string e = effetto(v, x, lingua).in(lingua);
        if (!e.empty()) ((r += '\n') += e) += '\n';
    }
    (r += '\n') += t.significato.in(lingua);
    return r;
}

}  // namespace compattatore::lsp
