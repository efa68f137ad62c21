// The plan file (route + "_linea.dat"): every element of `planimetria`, all
// of column 0 (metres 0 to lunghezza_estesa), then all of column 1, and
// nothing before or after them. Each element is a 2-byte tag and its value,
// little-endian: 0 Empty (no value), 2 Integer (2 bytes), 5 Double (8 bytes).
//
// The pattern this system writes: points 0 and 1 the Integers (0, 0) and
// (0, 1), then Doubles in both columns for the same metres, then Empty to the
// end; or Empty throughout.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "formato/decodifica.hpp"
#include "formato/fonte.hpp"
#include "formato/uscita.hpp"
#include "model/planimetria.hpp"

namespace compattatore {

void scrivi_planimetria(const Planimetria& p, Uscita& uscita);

// 2 x (lunghezza_estesa + 1) tagged elements, accepted only in the pattern
// above.
Decodifica<Planimetria> decodifica_planimetria(std::string_view byte);

// What scorri_planimetria hands on, in order: the size and whether the plan
// is seeded (points 0 and 1), then every point with values after the seed
// (points 2 to calcolati - 1).
class DestinazionePunti {
public:
    virtual ~DestinazionePunti() = default;
    virtual void dimensioni(std::int64_t punti, bool seminata) = 0;
    virtual void punto(double x, double y) = 0;
};

// The decoding of decodifica_planimetria over a source read a window at a
// time, in two passes (the tags, then both columns side by side), holding
// two windows and one offset per 4096 elements. The points are handed on as
// they are read; the error, when there is one, comes after them and voids
// them.
std::optional<ErroreDecodifica> scorri_planimetria(Fonte& fonte, DestinazionePunti& destinazione);

}  // namespace compattatore
