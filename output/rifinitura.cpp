#include "output/rifinitura.hpp"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "output/messaggi.hpp"

namespace compattatore {

namespace {

using Indice = std::int64_t;

// Metres of a cell as the track file's readers show them: a point feature
// (signal, slowdown mark) stands at the start of its cell, (cell - 1) x 50;
// a code point at cell x 50.
std::string metri(Indice cella) { return std::to_string(cella * 50) + " m"; }
std::string metri_punto(Indice cella) { return std::to_string((cella - 1) * 50) + " m"; }

// The pass over one track: the last cell is fixed before the pass starts, and
// no cell beyond it (or below 0) is ever free.
class Rifinitura {
public:
    explicit Rifinitura(Scenario& s)
        : s_(s), ultima_(std::min<Indice>(s.ultima_cella, static_cast<Indice>(s.percorso.size()) - 1)) {}

    void esegui() {
        const Indice fine_passata = static_cast<Indice>(s_.ultima_cella) - 2;
        for (Indice i = 1; i <= fine_passata && i <= ultima_; ++i) {
            const Cella& c = s_.cella(i);
            const std::uint8_t tipo = c.tipo;
            const std::int16_t velocita = c.valore_1;
            if (tipo == tipo_cella::avviso_rallentamento) {
                segnali_prima_avviso(i);
            }
            if (tipo == tipo_cella::inizio_rallentamento) {
                codici_prima_inizio(i);
                std::optional<Indice> fine;
                if (velocita < velocita_senza_codici) {
                    fine = codici_interni(i);
                } else {
                    fine = cerca_fine(i);
                }
                if (fine) codice_prima_segnale(*fine);
            }
        }
    }

private:
    bool libera(Indice x) const { return x >= 0 && x <= ultima_ && s_.cella(x).libera(); }
    bool ha_tipo(Indice x, std::uint8_t tipo) const { return x >= 0 && x <= ultima_ && s_.cella(x).tipo == tipo; }

    void piazza(Indice x) {
        Cella& c = s_.cella(x);
        c.tipo = tipo_cella::punto_codice;
        c.valore_1 = valore_codice;
    }

    // Places a code point in the first free cell of the list; false when none is free.
    template <std::size_t N>
    bool prima_libera(const Indice (&celle)[N]) {
        for (const Indice x : celle) {
            if (libera(x)) {
                piazza(x);
                return true;
            }
        }
        return false;
    }

    // A code point that could not be placed for the slowdown that holds cell
    // `rallentamento`: reported at that slowdown's entry when it is known.
    void avvisa(Stato stato, Indice cella, Indice rallentamento, Messaggio messaggio) {
        const auto it = s_.luoghi_rallentamenti.find(rallentamento);
        const Luogo dove = it == s_.luoghi_rallentamenti.end() ? Luogo{} : it->second;
        s_.segnala(stato, Sorgente::rifinitura, dove, static_cast<std::int32_t>(cella * 50), cella,
                   std::move(messaggio));
    }

    // Rule 1: every signal among the 20 cells before a warning board at i.
    void segnali_prima_avviso(Indice i) {
        for (Indice k = 1; k <= 20 && i - k >= 3; ++k) {
            const Indice d = i - k;
            if (!ha_tipo(d, tipo_cella::segnale)) continue;
            if (libera(d - 1)) {
                piazza(d - 1);
            } else if (libera(d - 2)) {
                piazza(d - 2);
            } else if (ha_tipo(d - 1, tipo_cella::punto_codice)) {
                Cella& c = s_.cella(d - 1);
                c.valore_1 = minimo(valore_codice, c.valore_1);
            } else if (ha_tipo(d - 2, tipo_cella::punto_codice)) {
                Cella& c = s_.cella(d - 2);
                c.valore_1 = minimo(valore_codice, c.valore_1);
            } else {
                avvisa(Stato::rifinitura_prima_del_segnale, d, i,
                       Messaggio(messaggi::compilazione_codice_prima_del_segnale, metri_punto(d), d, metri_punto(i), i,
                                 d - 1, d - 2));
            }
        }
    }

    // Rule 2: three code points before a slowdown start at i.
    void codici_prima_inizio(Indice i) {
        struct Piazzamento {
            Indice oltre;
            Indice vicina;
        };
        const Piazzamento piazzamenti[] = {{7, 5}, {13, 11}, {20, 18}};
        for (const Piazzamento& p : piazzamenti) {
            if (i <= p.oltre) continue;
            const Indice celle[] = {i - p.vicina, i - p.vicina - 1, i - p.vicina - 2};
            if (!prima_libera(celle)) {
                avvisa(Stato::rifinitura_prima_del_rallentamento, i, i,
                       Messaggio(messaggi::compilazione_codice_prima_del_rallentamento, metri_punto(i), i, celle[0],
                                 celle[1], celle[2]));
            }
        }
    }

    // Rule 3: a code point every 8 cells inside a slow slowdown starting at i.
    // Returns the end cell, or nothing when the scan reaches the last cell
    // without finding one.
    std::optional<Indice> codici_interni(Indice i) {
        std::int64_t contatore = 0;
        Indice k = i;
        while (k < ultima_) {
            ++k;
            ++contatore;
            if (contatore == 8) {
                if (libera(k)) {
                    piazza(k);
                    contatore = 0;
                } else if (libera(k - 1)) {
                    piazza(k - 1);
                    contatore = 1;
                } else if (libera(k + 1)) {
                    piazza(k + 1);
                    contatore = -1;
                } else {
                    avvisa(Stato::rifinitura_nel_rallentamento, k, i,
                           Messaggio(messaggi::compilazione_codice_nel_rallentamento, metri_punto(i), i, k, k - 1, k + 1,
                                     metri(k)));
                }
            }
            if (ha_tipo(k, tipo_cella::fine_rallentamento)) return k;
        }
        return std::nullopt;
    }

    // The end cell of a slowdown starting at i, by the same bounded scan as
    // rule 3, placing nothing.
    std::optional<Indice> cerca_fine(Indice i) const {
        for (Indice k = i + 1; k <= ultima_; ++k) {
            if (ha_tipo(k, tipo_cella::fine_rallentamento)) return k;
        }
        return std::nullopt;
    }

    // Rule 4: a code point before the first signal within 12 cells after the
    // slowdown end e.
    void codice_prima_segnale(Indice e) {
        Indice contatore = 0;
        for (Indice m = e; m <= e + 12 && m <= ultima_; ++m) {
            if (ha_tipo(m, tipo_cella::segnale)) {
                contatore = m - 1;
                break;
            }
        }
        if (contatore <= 0) return;
        const Indice celle[] = {contatore, contatore - 1};
        if (!prima_libera(celle)) {
            avvisa(Stato::rifinitura_nel_rallentamento, e, e,
                   Messaggio(messaggi::compilazione_codice_dopo_il_rallentamento, metri_punto(e), e, contatore,
                             contatore - 1, contatore + 1));
        }
    }

    Scenario& s_;
    const Indice ultima_;
};

}  // namespace

void rifinisci(Scenario& s) {
    if (!s.percorso_dimensionato()) return;
    Rifinitura(s).esegui();
}

}  // namespace compattatore
