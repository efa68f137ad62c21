#include "readers/progressive_ordina.hpp"

#include <array>
#include <cstdint>
#include <limits>

#include "readers/lettore_campi.hpp"
#include "readers/messaggi.hpp"

namespace compattatore {

namespace {
struct Definizione {
    std::int32_t inizio = 0;
    std::int32_t fine = 0;
    std::int32_t posizione = 0;
};

Definizione prendi(const Voce& v) { return {v.inizio, v.fine, v.posizione}; }

void metti(Voce& v, const Definizione& d) {
    v.inizio = d.inizio;
    v.fine = d.fine;
    v.posizione = d.posizione;
}

// Slots 1, 2, 3 in order, by their first value, greatest first.
std::array<Definizione, 3> per_inizio(const Definizione& t, const Definizione& d, const Definizione& u) {
    if (t.inizio > d.inizio && t.inizio > u.inizio) {
        return d.inizio > u.inizio ? std::array{t, d, u} : std::array{t, u, d};
    }
    if (d.inizio > t.inizio && d.inizio > u.inizio) {
        return t.inizio > u.inizio ? std::array{d, t, u} : std::array{d, u, t};
    }
    if (u.inizio > t.inizio && u.inizio > d.inizio) {
        return t.inizio > d.inizio ? std::array{u, t, d} : std::array{u, d, t};
    }
    // Two or three share the greatest first value: the tied ones keep their
    // slot order and the remaining one, if any, comes last.
    const std::array<Definizione, 3> in_ordine{t, d, u};
    std::int32_t massimo = t.inizio;
    for (const Definizione& x : in_ordine) massimo = x.inizio > massimo ? x.inizio : massimo;
    std::array<Definizione, 3> esito{};
    std::size_t n = 0;
    for (const Definizione& x : in_ordine) {
        if (x.inizio == massimo) esito[n++] = x;
    }
    for (const Definizione& x : in_ordine) {
        if (x.inizio != massimo) esito[n++] = x;
    }
    return esito;
}
}  // namespace

void progressive_ordina(Scenario& s) {
    Voce& slot_1 = s.voce(indice_voce::progressiva_tre);
    Voce& slot_2 = s.voce(indice_voce::progressiva_due);
    Voce& slot_3 = s.voce(indice_voce::progressiva_uno);
    const Definizione t = prendi(slot_1);
    const Definizione d = prendi(slot_2);
    const Definizione u = prendi(slot_3);

    std::array<Definizione, 3> esito{t, d, u};
    const std::int64_t somma = std::int64_t{t.inizio} + d.inizio + u.inizio;
    if (somma != 0) {
        esito = per_inizio(t, d, u);
    } else if (u.fine > 0) {
        esito = {u, d, t};
    } else if (d.fine > 0) {
        esito = {d, t, u};
    } else if (t.fine > 0) {
        esito = {t, d, u};
    } else {
        esito = {};
    }

    for (Definizione& x : esito) {
        if (x.posizione == 1) {
            if (x.fine > std::numeric_limits<std::int32_t>::max() - 100) {
                throw ErroreLettura(Messaggio(messaggi::lettura_progressiva_32_bit, x.fine));
            }
            x.fine += 100;
        }
    }
    metti(slot_1, esito[0]);
    metti(slot_2, esito[1]);
    metti(slot_3, esito[2]);
}

}  // namespace compattatore
