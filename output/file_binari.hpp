// The three binary scenario files, as explicit little-endian dumps of the
// tables. Nothing precedes or follows the elements; the file marks inside the
// tables are the only identification.
//
// Plan file (route + "_linea.dat"): every element of `planimetria`, all of
// column 0 (metres 0 to lunghezza_estesa), then all of column 1. Each element
// is a 2-byte tag and its value: 0 Empty (no value), 2 Integer (2 bytes),
// 5 Double (8 bytes).
//
// Entry file (route + "_" + train + ".sim"): the 87 entries of `voci`, index 0
// to 86, each 34 + n bytes (layout in model/voce.hpp).
//
// Track file (route + "_" + train + ".dat"): the cells of `percorso`, 15 bytes
// each (layout in model/cella.hpp).
#pragma once

#include <vector>

#include "model/cella.hpp"
#include "model/planimetria.hpp"
#include "model/voce.hpp"
#include "output/scrittore.hpp"

namespace compattatore {

inline constexpr std::int16_t tag_vuoto = 0;
inline constexpr std::int16_t tag_intero = 2;
inline constexpr std::int16_t tag_doppio = 5;

void scrivi_planimetria(const Planimetria& p, Uscita& uscita);
// Throws std::length_error, writing nothing, when a name is longer than
// 32767 bytes (its length would not fit the 2-byte field).
void scrivi_voci(const Voci& voci, Uscita& uscita);
void scrivi_percorso(const std::vector<Cella>& percorso, Uscita& uscita);

}  // namespace compattatore
