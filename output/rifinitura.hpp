// The track finishing rules: one pass over the cells that places code points
// (tipo 12, value 180) around slowdowns and ahead of signals.
//
// For each cell i from 1 to ultima_cella - 2 (bound taken before the pass),
// in this order:
//   1. a warning board (tipo 4): every signal among the 20 cells before it
//      (down to cell 3) gets a code point on one of the two cells before it,
//      or has an existing code point there lowered to 180 (warning
//      rifinitura_prima_del_segnale);
//   2. a slowdown start (tipo 3): code points at about 5, 11 and 18 cells
//      before it (warning rifinitura_prima_del_rallentamento);
//   3. a slowdown start below 110 km/h: a code point every 8 cells inside the
//      slowdown, up to its end (tipo 2) (warning rifinitura_nel_rallentamento);
//   4. a slowdown start: a code point just before the first signal within 12
//      cells after the slowdown end (the same warning).
// Rules 3 and 4 never look past the last cell. A slowdown of 110 km/h or
// more has its end found by the same forward scan as rule 3, without
// placing. A start with no end cell before the end of the track gets no
// rule 4.
#pragma once

#include <cstdint>

#include "model/scenario.hpp"

namespace compattatore {

inline constexpr std::int16_t valore_codice = 180;
inline constexpr std::int16_t velocita_senza_codici = 110;  // km/h: no code points inside from here

// The smaller of x and y; on equal values x.
constexpr std::int16_t minimo(std::int16_t x, std::int16_t y) { return x > y ? y : x; }

// Runs the pass over s.percorso (a track that was never sized is left alone).
// The warnings rifinitura_prima_del_segnale, rifinitura_prima_del_rallentamento
// and rifinitura_nel_rallentamento are recorded through s.segnala.
void rifinisci(Scenario& s);

}  // namespace compattatore
