// The plan of the line `planimetria`: one point (x, y) per metre, metres 0 to
// `lunghezza_estesa`.
//
// Each coordinate is a tagged value that is Empty, a 16-bit Integer or a
// Double. The points follow one fixed pattern:
//   - points 0 and 1, once seeded, are the Integers (0, 0) and (0, 1);
//   - points 2 to calcolati() - 1 are Doubles;
//   - every later point is Empty.
// A plan that was sized but never seeded is Empty throughout.
//
// The plan is held as its drawing, not as its points: the runs the line
// reader draws (straight on, or turning by k radians a metre, each point
// from the last two) and the points given one by one (a plan read back from
// its file). The points are computed in order when they are needed
// (GeneratorePunti), which the plan file writer does a block at a time, or
// all at once for the tools that look at them (punti()). The plan of the
// longest line is then a few runs instead of 16 MB, and writing its file
// touches no memory beyond the writer's buffers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

namespace compattatore {

struct Vuoto {
    bool operator==(const Vuoto&) const = default;
};

// One coordinate as the plan file tags it: Empty (tag 0), Integer (tag 2) or
// Double (tag 5).
using Valore = std::variant<Vuoto, std::int16_t, double>;

// The computed points of a plan, for looking at them.
struct PuntiPlanimetria {
    std::int32_t ultimo = -1;  // the plan's last metre; -1 when not sized
    std::vector<double> xs;    // points 0 to calcolati() - 1, from metre 0
    std::vector<double> ys;

    std::int32_t calcolati() const { return static_cast<std::int32_t>(xs.size()); }
    // Point m; throws std::out_of_range beyond the computed points.
    double x(std::int32_t m) const { return xs.at(static_cast<std::size_t>(m)); }
    double y(std::int32_t m) const { return ys.at(static_cast<std::size_t>(m)); }
    // Element (m, colonna) as the plan file holds it: colonna 0 is x, 1 is y.
    // Throws std::out_of_range outside the plan.
    Valore elemento(std::int32_t m, int colonna) const;
};

class Planimetria {
public:
    // Points 0 to ultimo, all Empty. Any earlier content is dropped.
    void dimensiona(std::int32_t ultimo);
    void svuota();

    bool dimensionata() const { return ultimo_ >= 0; }
    // The last metre index (`lunghezza_estesa`); -1 when not sized.
    std::int32_t ultimo() const { return ultimo_; }
    std::int64_t numero_punti() const { return static_cast<std::int64_t>(ultimo_) + 1; }

    // Points 0 = (0, 0) and 1 = (0, 1), and nothing after them. Requires a
    // plan of at least 2 points.
    void semina();
    // Number of leading points that hold values (0 when not seeded).
    std::int32_t calcolati() const { return calcolati_; }
    // Appends the next point as two Doubles. Throws std::out_of_range past the
    // last metre or on a plan that is not seeded.
    void aggiungi(double x, double y);

    // Draws the plan on to point `ultimo` (inclusive), one metre at a time
    // from the last two points: straight, P(i) = P(i-1) + (P(i-1) - P(i-2));
    // or turning by k radians a metre, with (dx, dy) = P(i-1) - P(i-2),
    // P(i) = P(i-1) + (dx + k*dy, dy - k*dx). Nothing is drawn when ultimo is
    // below the next point. Throws std::out_of_range past the last metre or
    // on a plan that is not seeded.
    void dritto_fino(std::int32_t ultimo);
    void curva_fino(std::int32_t ultimo, double k);

    // Every computed point.
    PuntiPlanimetria punti() const;

private:
    friend class GeneratorePunti;

    // A run of points calcolati from `da` to `fino`, both included.
    struct Tratto {
        enum class Tipo : std::uint8_t { dritto, curva, dati };
        Tipo tipo = Tipo::dritto;
        std::int32_t da = 0;
        std::int32_t fino = 0;
        double k = 0;           // curva: the turn in radians a metre
        std::size_t primo = 0;  // dati: the index of point `da` in dati_x_, dati_y_
    };

    void traccia(Tratto::Tipo tipo, std::int32_t ultimo, double k);
    // No runs and no points given; `calcolati` points (0, or the seed's 2).
    void cancella_disegno(std::int32_t calcolati);

    std::int32_t ultimo_ = -1;
    std::int32_t calcolati_ = 0;
    std::vector<Tratto> tratti_;
    std::vector<double> dati_x_;
    std::vector<double> dati_y_;
};

// The computed points of a plan in order, from point 0, a block at a time.
// The plan must not change while it is read.
class GeneratorePunti {
public:
    explicit GeneratorePunti(const Planimetria& p) : p_(p) {}

    // Writes the next points, at most n, into x and y; returns how many
    // (0 once every computed point has been given). A null x or y: that
    // coordinate is not wanted (and a straight run then skips it quickly).
    std::size_t prossimi(double* x, double* y, std::size_t n);

private:
    const Planimetria& p_;
    std::size_t tratto_ = 0;
    std::int32_t m_ = 0;  // the next point
    double x0_ = 0, x1_ = 0, y0_ = 0, y1_ = 0;  // the last two points given
};

}  // namespace compattatore
