// The mountain-zone recorder: one "montagna" entry of the line description
// into the zone lists and the `montagna` member of the cells it covers.
//
// A zone from metre inizio to metre fine covers the cells CLng(inizio / 50)
// to CLng(fine / 50 - 1); it may cover none. A written type above 10 stands
// for the type 10 lower with markers: every fourth cell of the zone (the 4th,
// 8th, ... counted from its first cell) that is empty becomes a mountain-zone
// marker (tipo 11). A zone that begins no more than 150 m after the end of the
// zone recorded before it is of type 3, markers unaffected. Each covered cell
// gets the low byte of the effective type, which is also written back to the
// caller's `tipo`.
#pragma once

#include <cstdint>

#include "model/scenario.hpp"
#include "readers/esito_memo.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore {

// Records the zone. A zone that begins on the track and ends beyond it is
// refused with oltre_il_percorso at its end metre; a zone that begins before
// the track, or an 81st zone, throws GuastoVoce at `luogo` (the entry's
// keyword). A refused zone writes nothing. Requires a sized track.
EsitoMemo memo_montagna(Scenario& s, Luogo luogo, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo);

}  // namespace compattatore
