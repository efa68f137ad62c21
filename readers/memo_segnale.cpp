#include "readers/memo_segnale.hpp"

#include <string>

#include "model/arrotonda.hpp"
#include "readers/contenuto_cella.hpp"
#include "readers/messaggi.hpp"

namespace compattatore {

EsitoMemo memo_segnale(Scenario& s, Luogo dove, DatiSegnale& segnale) {
    const std::int64_t p = segnale.posizione;
    const std::int64_t c = arrotonda(p + 50, 50);
    Cella& cella = s.cella(c);
    if (!cella.libera()) {
        s.segnala(Stato::segnale_su_cella_occupata, Sorgente::treno, dove, segnale.posizione, c,
                  Messaggio(messaggi::lettura_cella_occupata, Messaggio(messaggi::lettura_segnale),
                            std::to_string(p) + " m", c, contenuto_cella(cella)));
        return rifiutato(Stato::segnale_su_cella_occupata);
    }

    const std::int64_t sx = segnale.sx;
    const std::int64_t dx = segnale.dx;
    cella.tipo = tipo_cella::segnale;
    cella.valore_4 = basso_16(std::int64_t{segnale.rapp} * 10 + sx * 3 + dx);
    cella.valore_1 = basso_16(std::int64_t{segnale.s1} * 10 + segnale.d1);
    cella.valore_2 = basso_16(std::int64_t{segnale.s2} * 10 + segnale.d2);
    cella.valore_3 = basso_16(std::int64_t{segnale.s3} * 10 + segnale.d3);

    // A time of 1 to 100 is raised to 101, in the caller's entry as well.
    if (segnale.tempo >= 1 && segnale.tempo <= 100) segnale.tempo = 101;
    cella.tempo_segnale = segnale.sx == 2 ? basso_8(segnale.tempo) : std::uint8_t{0};

    // Approach marks 100, 200, 300 and 400 m before the signal's cell, over
    // any mark already there; those before the start of the track are dropped.
    for (std::int64_t n = 1; n <= 4; ++n) {
        const std::int64_t e = c - 2 * n;
        if (s.cella_esiste(e)) s.cella(e).preavviso = basso_8((sx * 3 + dx) * 10 + n);
    }
    return registrato;
}

}  // namespace compattatore
