// One coordinate of the plan along a straight run: each point is the last one
// plus the last step, v(i) = v(i-1) + (v(i-1) - v(i-2)), in doubles.
//
// The recurrence is a chain of dependent additions, but it is almost always
// an exact arithmetic progression: as soon as the last two values and their
// difference are multiples of one power of two u, with magnitudes below
// 2^53 u, every addition is exact and the step never changes. Such stretches
// are computed directly as v(1) + j*(v(1) - v(0)), which gives the very same
// doubles (each is the exact value, as the recurrence's is) without the
// chain; the other points (after a curve, where the step is still being
// rounded to the new spacing, or where a coordinate crosses a power of two)
// follow the recurrence one at a time.
#pragma once

#include <cstddef>

namespace compattatore {

// The number of points, at most massimo, that continue the straight run
// from v0, v1 as an exact progression (0 when the next point is rounded, or
// is not known to be exact).
std::size_t passi_esatti(double v0, double v1, std::size_t massimo);

// Writes the next n values of the straight run from v0, v1 into out and
// leaves v0, v1 at the last two values.
void prosegui_retta(double& v0, double& v1, double* out, std::size_t n);

// Leaves v0, v1 at the last two of the next n values, as prosegui_retta
// does, without writing the values: an exact stretch is passed over at once.
void salta_retta(double& v0, double& v1, std::size_t n);

}  // namespace compattatore
