// The signal recorder: places one signal of the train description on the
// track.
//
// The signal goes to cell c = CLng(posizione / 50 + 1), which must be free
// (tipo 0 or 11). The cell becomes tipo 1 with the packed values
//   valore_1 = 10 s1 + d1, valore_2 = 10 s2 + d2, valore_3 = 10 s3 + d3,
//   valore_4 = 10 rapp + 3 sx + dx   (low 16 bits each),
//   tempo_segnale = tempo when sx = 2, else 0   (low 8 bits),
// and the cells c - 2, c - 4, c - 6, c - 8 get the approach marks
// preavviso = 10 (3 sx + dx) + n, n = 1 to 4, over whatever mark they held.
#pragma once

#include <cstdint>

#include "model/scenario.hpp"
#include "readers/esito_memo.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore {

// The eleven numbers of a "segnale" entry, in the order of the text.
struct DatiSegnale {
    std::int32_t posizione = 0;  // metres
    std::int32_t sx = 0;
    std::int32_t s1 = 0;
    std::int32_t s2 = 0;
    std::int32_t s3 = 0;
    std::int32_t rapp = 0;
    std::int32_t dx = 0;
    std::int32_t d1 = 0;
    std::int32_t d2 = 0;
    std::int32_t d3 = 0;
    std::int32_t tempo = 0;  // a time of 1 to 100 is raised to 101, here too
};

// Records the signal, or refuses it with segnale_su_cella_occupata when its
// cell is not free (nothing is written then).
// `dove` is the place of the entry's keyword in the train description.
// Approach marks that would fall before cell 0 are dropped. A signal cell
// outside the track throws FuoriTabella (the caller has checked the far end).
EsitoMemo memo_segnale(Scenario& s, Luogo dove, DatiSegnale& segnale);

}  // namespace compattatore
