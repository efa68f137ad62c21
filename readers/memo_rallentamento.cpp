#include "readers/memo_rallentamento.hpp"

#include <string>

#include "model/arrotonda.hpp"
#include "readers/contenuto_cella.hpp"
#include "readers/messaggi.hpp"

namespace compattatore {

namespace {

EsitoMemo rifiuta(Scenario& s, Luogo dove, const DatiRallentamento& r, Stato stato, std::int64_t cella,
                  const Modello& ruolo) {
    s.segnala(stato, Sorgente::treno, dove, r.x, cella,
              Messaggio(messaggi::lettura_rallentamento_cella_occupata, std::to_string(r.x) + " m", cella,
                        Messaggio(ruolo), contenuto_cella(s.cella(cella))));
    return rifiutato(stato);
}

}  // namespace

EsitoMemo memo_rallentamento(Scenario& s, Luogo dove, const DatiRallentamento& r) {
    const std::int64_t x = r.x;
    const std::int64_t a = arrotonda(x - 1200 + 50, 50);   // warning board
    const std::int64_t ci = arrotonda(x + 50, 50);         // start
    const std::int64_t ce = arrotonda(x + r.l + 50, 50);   // end
    const std::int64_t b = arrotonda(x - 1200, 50);        // first of the four cells before the warning
    const bool con_avviso = x > rallentamento_senza_avviso;
    const std::int32_t f_ta = con_avviso ? r.f_ta : 0;

    // Every claimed cell is tested before anything is written.
    if (con_avviso && !s.cella(a).libera()) {
        return rifiuta(s, dove, r, Stato::avviso_rallentamento_occupato, a, messaggi::lettura_ruolo_avviso);
    }
    if (!s.cella(ci).libera()) return rifiuta(s, dove, r, Stato::inizio_rallentamento_occupato, ci, messaggi::lettura_ruolo_inizio);
    if (!s.cella(ce).libera()) return rifiuta(s, dove, r, Stato::fine_rallentamento_occupata, ce, messaggi::lettura_ruolo_fine);

    const std::int16_t v = basso_16(r.v);
    const std::int16_t d_v = basso_16(r.d_v);
    const std::int16_t f_tt = basso_16(r.f_tt);

    Cella& fine = s.cella(ce);
    fine.tipo = tipo_cella::fine_rallentamento;
    if (r.d_v != 0) fine.valore_2 = d_v;
    // With l = 0 the start is the same cell as the end and ends as a start.
    Cella& inizio = s.cella(ci);
    inizio.tipo = tipo_cella::inizio_rallentamento;
    if (r.d_v != 0) inizio.valore_2 = d_v;
    if (con_avviso) {
        Cella& avviso = s.cella(a);
        avviso.tipo = tipo_cella::avviso_rallentamento;
        if (r.d_v != 0) avviso.valore_2 = d_v;
        avviso.valore_1 = v;
    }
    inizio.valore_1 = v;
    fine.valore_1 = v;
    s.luoghi_rallentamenti[ci] = dove;
    s.luoghi_rallentamenti[ce] = dove;
    if (con_avviso) s.luoghi_rallentamenti[a] = dove;
    inizio.valore_3 = f_tt;
    fine.valore_3 = f_tt;

    if (f_ta != 0) {
        for (std::int64_t i = 0; i < 4; ++i) {
            if (!s.cella(b - i).libera()) {
                // The end, start and warning cells stay as written.
                return rifiuta(s, dove, r, Stato::prima_avviso_occupata, b - i, messaggi::lettura_ruolo_prima_avviso);
            }
        }
        for (std::int64_t i = 0; i < 4; ++i) {
            Cella& prima = s.cella(b - i);
            prima.tipo = tipo_cella::prima_avviso;
            prima.valore_1 = static_cast<std::int16_t>(i + 1);
            if (r.d_v != 0) prima.valore_2 = static_cast<std::int16_t>(i + 1);
        }
    }
    return registrato;
}

}  // namespace compattatore
