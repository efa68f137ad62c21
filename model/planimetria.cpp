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

Valore Planimetria::elemento(std::int32_t m, int colonna) const {
    if (m < 0 || m > ultimo_ || colonna < 0 || colonna > 1) {
        throw std::out_of_range("plan: element outside the plan");
    }
    if (m >= calcolati()) {
        return Vuoto{};
    }
    const std::vector<double>& c = colonna == 0 ? x_ : y_;
    if (m < 2) {
        return static_cast<std::int16_t>(c[static_cast<std::size_t>(m)]);
    }
    return c[static_cast<std::size_t>(m)];
}

}  // namespace compattatore
