// The curves of a line found again in its plan.
//
// The line reader draws each metre from the two before it, straight on
// (P(i) = P(i-1) + (P(i-1) - P(i-2))) or turning by k radians a metre
// (P(i) = P(i-1) + (dx + k*dy, dy - k*dx)), with k one of the six classes,
// negative for a left turn. The doubles are exact, so every metre of the
// plan is matched bit for bit against those formulas; a run of metres turned
// by the same k is one curve entry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/planimetria.hpp"

namespace compattatore::decompila {

struct Curva {
    std::int32_t inizio = 0;    // the entry's first value: the last straight metre
    std::int32_t lunghezza = 0; // metres turned
    int classe = 1;             // 1 to 6
    bool sinistra = false;

    // "curvas3" or "curvad3".
    std::string chiave() const;
    bool operator==(const Curva&) const = default;
};

// A metre of the plan that no formula of the reader gives.
struct PuntoEstraneo {
    std::int32_t metro = 0;
    double x = 0;
    double y = 0;
};

struct CurveTrovate {
    std::vector<Curva> curve;
    std::vector<PuntoEstraneo> estranei;  // empty when the whole plan is explained
};

// The turn of a class, radians a metre, as the reader takes it.
double curvatura_classe(int classe, bool sinistra);

// Walks the computed points of the plan. A plan with no computed points has
// no curves.
CurveTrovate trova_curve(const Planimetria& p);

}  // namespace compattatore::decompila
