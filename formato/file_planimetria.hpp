// The plan file (route + "_linea.dat"): every element of `planimetria`, all
// of column 0 (metres 0 to lunghezza_estesa), then all of column 1, and
// nothing before or after them. Each element is a 2-byte tag and its value,
// little-endian: 0 Empty (no value), 2 Integer (2 bytes), 5 Double (8 bytes).
//
// The pattern this system writes: points 0 and 1 the Integers (0, 0) and
// (0, 1), then Doubles in both columns for the same metres, then Empty to the
// end; or Empty throughout.
#pragma once

#include <string_view>

#include "formato/decodifica.hpp"
#include "formato/uscita.hpp"
#include "model/planimetria.hpp"

namespace compattatore {

void scrivi_planimetria(const Planimetria& p, Uscita& uscita);

// 2 x (lunghezza_estesa + 1) tagged elements, accepted only in the pattern
// above.
Decodifica<Planimetria> decodifica_planimetria(std::string_view byte);

}  // namespace compattatore
