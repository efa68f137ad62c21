// The track finishing rules: one pass over the cells that places code points
// (tipo 12, value 180) around slowdowns and ahead of signals.
#pragma once

#include "model/scenario.hpp"

namespace compattatore {

inline constexpr std::int16_t valore_codice = 180;

// Runs the pass over s.percorso (a track that was never sized is left alone).
// Diagnostics 11, 12 and 13 are recorded through s.registra as warnings.
void rifinisci(Scenario& s);

}  // namespace compattatore
