// The slowdown recorder: places one slowdown of the train description on the
// track.
//
// Cells, each rounded to the nearest whole number, halves to even:
//   warning a = (x - 1200) / 50 + 1     start s = x / 50 + 1
//   end     e = (x + l) / 50 + 1        base  b = (x - 1200) / 50
// The slowdown occupies the end cell (tipo 2), the start cell (tipo 3) and,
// when x > 1500, the warning cell (tipo 4) and, when f_ta is not 0, the four
// cells b, b - 1, b - 2, b - 3 (tipo 5, valore_1 = 1 to 4 going away from the
// warning). v is valore_1 of the warning, start and end cells, f_tt valore_3
// of the start and end cells, d_v (only when not 0) valore_2 of the warning,
// start and end cells and the ordinal on the tipo-5 cells. Packed values take
// the low 16 bits.
#pragma once

#include <cstdint>

#include "model/scenario.hpp"
#include "readers/esito_memo.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore {

// The six numbers of a "rallentamento" entry, in the order of the text.
struct DatiRallentamento {
    std::int32_t x = 0;     // start position, metres
    std::int32_t v = 0;     // speed, km/h
    std::int32_t l = 0;     // length, metres
    std::int32_t f_tt = 0;
    std::int32_t f_ta = 0;  // not 0: the four cells before the warning are claimed
    std::int32_t d_v = 0;
};

// The last position that has a warning board of its own: a slowdown that
// starts at or before it has neither warning cell nor tipo-5 cells.
inline constexpr std::int32_t rallentamento_senza_avviso = 1500;

// Records the slowdown, or refuses it with the status it recorded:
//   avviso_rallentamento_occupato, inizio_rallentamento_occupato,
//   fine_rallentamento_occupata: the warning, start or end cell is not free
//      (nothing written);
//   prima_avviso_occupata: one of the four cells before the warning is not
//      free (the end, start and warning cells stay as written).
// `dove` is the place of the entry's keyword. A cell outside the track
// throws FuoriTabella before anything is written (the caller has checked that
// the start and the end lie on the track).
EsitoMemo memo_rallentamento(Scenario& s, Luogo dove, const DatiRallentamento& r);

}  // namespace compattatore
