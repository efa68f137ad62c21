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

namespace compattatore {

enum class EsitoMontagna {
    registrata,
    troppe_zone,        // the lists already hold 80 zones
    fuori_percorso,     // a covered cell lies outside the track array
};

// Records the zone, or, when it does not fit the tables, writes nothing and
// says why. Requires a sized track.
EsitoMontagna memo_montagna(Scenario& s, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo);

}  // namespace compattatore
