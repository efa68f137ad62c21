// The plan of the line `planimetria`: one point (x, y) per metre, metres 0 to
// `lunghezza_estesa`.
//
// Each coordinate is a tagged value that is Empty, a 16-bit Integer or a
// Double. The points follow one fixed pattern, so the plan is held compactly
// as the computed prefix of two Double columns:
//   - points 0 and 1, once seeded, are the Integers (0, 0) and (0, 1);
//   - points 2 to calcolati() - 1 are Doubles;
//   - every later point is Empty.
// A plan that was sized but never seeded is Empty throughout.
#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "model/memoria_grande.hpp"
#include <vector>

namespace compattatore {

struct Vuoto {
    bool operator==(const Vuoto&) const = default;
};

// One coordinate as the plan file tags it: Empty (tag 0), Integer (tag 2) or
// Double (tag 5).
using Valore = std::variant<Vuoto, std::int16_t, double>;

class Planimetria {
public:
    // Points 0 to ultimo, all Empty. Any earlier content is dropped.
    void dimensiona(std::int32_t ultimo);
    void svuota();

    bool dimensionata() const { return ultimo_ >= 0; }
    // The last metre index (`lunghezza_estesa`); -1 when not sized.
    std::int32_t ultimo() const { return ultimo_; }
    std::int64_t numero_punti() const { return static_cast<std::int64_t>(ultimo_) + 1; }

    // Points 0 = (0, 0) and 1 = (0, 1). Requires a plan of at least 2 points.
    void semina();
    // Number of leading points that hold values (0 when not seeded).
    std::int32_t calcolati() const { return static_cast<std::int32_t>(x_.size()); }
    // Appends the next point as two Doubles. Throws std::out_of_range past the
    // last metre.
    void aggiungi(double x, double y);

    // Draws the plan on to point `ultimo` (inclusive), one metre at a time
    // from the last two points: straight, P(i) = P(i-1) + (P(i-1) - P(i-2));
    // or turning by k radians a metre, with (dx, dy) = P(i-1) - P(i-2),
    // P(i) = P(i-1) + (dx + k*dy, dy - k*dx). Nothing is drawn when ultimo is
    // below the next point. Throws std::out_of_range past the last metre or
    // on a plan that is not seeded.
    void dritto_fino(std::int32_t ultimo);
    void curva_fino(std::int32_t ultimo, double k);

    // The computed points of one column (0 = x, 1 = y), from metre 0.
    std::span<const double> colonna(int c) const { return c == 0 ? std::span<const double>(x_) : std::span<const double>(y_); }

    double x(std::int32_t m) const { return x_.at(static_cast<std::size_t>(m)); }
    double y(std::int32_t m) const { return y_.at(static_cast<std::size_t>(m)); }

    // Element (m, colonna) as the plan file holds it: colonna 0 is x, 1 is y.
    Valore elemento(std::int32_t m, int colonna) const;

private:
    std::int32_t ultimo_ = -1;
    using Colonna = std::vector<double, AllocatoreGrande<double>>;
    Colonna x_;
    Colonna y_;
};

}  // namespace compattatore
