// What a track cell holds, in words, for the diagnostics of the recorders.
#pragma once

#include <string>

#include "model/cella.hpp"

namespace compattatore {

// "a signal", "a slowdown start", "a station stop", ... ("type N" for a code
// without a name).
std::string contenuto_cella(const Cella& c);

}  // namespace compattatore
