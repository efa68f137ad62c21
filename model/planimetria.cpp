#include "model/planimetria.hpp"

#include <stdexcept>

namespace compattatore {

void Planimetria::dimensiona(std::int32_t ultimo) {
    if (ultimo < 1) {
        throw std::out_of_range("plan: a plan needs at least two points");
    }
    svuota();
    ultimo_ = ultimo;
    x_.reserve(static_cast<std::size_t>(ultimo) + 1);
    y_.reserve(static_cast<std::size_t>(ultimo) + 1);
}

void Planimetria::svuota() {
    ultimo_ = -1;
    x_.clear();
    y_.clear();
}

void Planimetria::semina() {
    if (ultimo_ < 1) {
        throw std::out_of_range("plan: seeding a plan that is not sized");
    }
    x_.assign({0.0, 0.0});
    y_.assign({0.0, 1.0});
}

void Planimetria::aggiungi(double x, double y) {
    if (x_.size() < 2 || static_cast<std::int64_t>(x_.size()) > ultimo_) {
        throw std::out_of_range("plan: point beyond the last metre");
    }
    x_.push_back(x);
    y_.push_back(y);
}

namespace {

// The loop of dritto_fino and curva_fino: the last two points stay in
// registers and each new one is appended, in the order of the formulas.
template <class Colonna, class Passo>
void traccia(Colonna& xs, Colonna& ys, std::int32_t ultimo_metro, std::int32_t ultimo,
             Passo passo) {
    if (xs.size() < 2) throw std::out_of_range("plan: drawing on a plan that is not seeded");
    if (ultimo > ultimo_metro) throw std::out_of_range("plan: point beyond the last metre");
    const auto da = static_cast<std::int64_t>(xs.size());
    if (ultimo < da) return;
    double x0 = xs[xs.size() - 2], x1 = xs.back();
    double y0 = ys[ys.size() - 2], y1 = ys.back();
    for (std::int64_t m = da; m <= ultimo; ++m) {
        const double dx = x1 - x0;
        const double dy = y1 - y0;
        double xn = 0;
        double yn = 0;
        passo(x1, y1, dx, dy, xn, yn);
        xs.push_back(xn);
        ys.push_back(yn);
        x0 = x1;
        x1 = xn;
        y0 = y1;
        y1 = yn;
    }
}

}  // namespace

void Planimetria::dritto_fino(std::int32_t ultimo) {
    traccia(x_, y_, ultimo_, ultimo, [](double x1, double y1, double dx, double dy, double& xn, double& yn) {
        xn = x1 + dx;
        yn = y1 + dy;
    });
}

void Planimetria::curva_fino(std::int32_t ultimo, double k) {
    traccia(x_, y_, ultimo_, ultimo, [k](double x1, double y1, double dx, double dy, double& xn, double& yn) {
        xn = x1 + (dx + k * dy);
        yn = y1 + (dy - k * dx);
    });
}

Valore Planimetria::elemento(std::int32_t m, int colonna) const {
    if (m < 0 || m > ultimo_ || colonna < 0 || colonna > 1) {
        throw std::out_of_range("plan: element outside the plan");
    }
    if (m >= calcolati()) {
        return Vuoto{};
    }
    const Colonna& c = colonna == 0 ? x_ : y_;
    if (m < 2) {
        return static_cast<std::int16_t>(c[static_cast<std::size_t>(m)]);
    }
    return c[static_cast<std::size_t>(m)];
}

}  // namespace compattatore
