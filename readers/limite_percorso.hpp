// The words of a feature placed beyond the end of the track: the position
// as written, the last one the feature may take and why, in metres.
#pragma once

#include <cstdint>
#include <string>

#include "model/scenario.hpp"
#include "readers/elemento.hpp"

namespace compattatore {

// Metres with a comma between thousands: "99,900 m".
std::string metri_leggibili(std::int64_t m);

// "signal at 99,950 m: the last position a signal may take on this line is
// 99,900 m: the track ends 7,000 m past the line's 93,000 m and a signal
// needs 100 m of it"; margine is the track the feature needs past its position.
Messaggio oltre_la_fine(const Scenario& s, const Elemento& cosa, std::int64_t p, std::int64_t margine);

}  // namespace compattatore
