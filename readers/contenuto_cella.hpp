// What a track cell holds, in words, for the diagnostics of the recorders.
#pragma once

#include "model/cella.hpp"
#include "model/messaggio.hpp"

namespace compattatore {

// "a signal", "a slowdown start", "a station stop", ... ("type N" for a code
// without a name).
Messaggio contenuto_cella(const Cella& c);

}  // namespace compattatore
