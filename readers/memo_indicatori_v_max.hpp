// The speed-board recorder: one "indicatori_vmax" entry of the line
// description into the track cell CLng(posizione / 50 + 1).
//
// A board cell has tipo 6 and packs the two sides of the board, each member a
// signed 16-bit value:
//   valore_1 = CInt(vas * 20 + vad / 5)
//   valore_2 = CInt(vbs * 20 + vbd / 5)
//   valore_3 = CInt(vcs * 20 + vcd / 5)
//   valore_4 = strisces * 10 + strisced
// so the side-s speed is scaled by 20 and the side-d speed counts in steps of
// 5 km/h (halves to the even neighbour): 60/60 gives 1212.
#pragma once

#include <cstdint>

#include "model/scenario.hpp"
#include "readers/esito_memo.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore {

// Places the board; on a cell that is not free it writes nothing and refuses
// the board with indicatore_su_cella_occupata at the board's position.
// `luogo` is the place of the entry's keyword field, for the diagnostics.
// Throws GuastoVoce when a packed value or a stripe count does not fit its
// 16 bits, and FuoriTabella when the cell lies outside the track.
EsitoMemo memo_indicatori_v_max(Scenario& s, Luogo luogo, std::int32_t posizione, std::int32_t vas,
                                std::int32_t vbs, std::int32_t vcs, std::int32_t strisces, std::int32_t vad,
                                std::int32_t vbd, std::int32_t vcd, std::int32_t strisced);

}  // namespace compattatore
