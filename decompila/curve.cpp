#include "decompila/curve.hpp"

#include <array>
#include <bit>
#include <cstddef>

namespace compattatore::decompila {

namespace {

constexpr std::array<double, 6> per_classe{0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};

bool uguale(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool dritto(double x0, double x1, double y0, double y1, double x, double y) {
    return uguale(x, x1 + (x1 - x0)) && uguale(y, y1 + (y1 - y0));
}

bool curva(double x0, double x1, double y0, double y1, double x, double y, double k) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    return uguale(x, x1 + (dx + k * dy)) && uguale(y, y1 + (dy - k * dx));
}

// 0 straight, 1 to 6 a right turn of that class, -1 to -6 a left one; the
// run being drawn is tried first. 99: no formula.
int classifica(double x0, double x1, double y0, double y1, double x, double y, int corrente) {
    if (corrente != 0 && curva(x0, x1, y0, y1, x, y, curvatura_classe(corrente < 0 ? -corrente : corrente, corrente < 0))) {
        return corrente;
    }
    if (dritto(x0, x1, y0, y1, x, y)) return 0;
    for (int c = 1; c <= 6; ++c) {
        if (curva(x0, x1, y0, y1, x, y, curvatura_classe(c, false))) return c;
        if (curva(x0, x1, y0, y1, x, y, curvatura_classe(c, true))) return -c;
    }
    return 99;
}

}  // namespace

std::string Curva::chiave() const { return std::string("curva") + (sinistra ? "s" : "d") + static_cast<char>('0' + classe); }

double curvatura_classe(int classe, bool sinistra) {
    const double k = per_classe.at(static_cast<std::size_t>(classe - 1));
    return sinistra ? -k : k;
}

CurveTrovate trova_curve(const Planimetria& p) {
    CurveTrovate esito;
    const PuntiPlanimetria punti = p.punti();
    const std::int32_t n = punti.calcolati();
    int corrente = 0;
    std::int32_t da = 0;  // first metre of the run being drawn
    const auto chiudi = [&](std::int32_t fino) {
        if (corrente == 0 || corrente == 99) return;
        Curva c;
        c.inizio = da - 1;
        c.lunghezza = fino - da + 1;
        c.classe = corrente < 0 ? -corrente : corrente;
        c.sinistra = corrente < 0;
        esito.curve.push_back(c);
    };
    for (std::int32_t m = 2; m < n; ++m) {
        const int tipo = classifica(punti.xs[m - 2], punti.xs[m - 1], punti.ys[m - 2], punti.ys[m - 1], punti.xs[m],
                                    punti.ys[m], corrente);
        if (tipo == 99) {
            esito.estranei.push_back({m, punti.xs[m], punti.ys[m]});
            chiudi(m - 1);
            corrente = 99;
            continue;
        }
        if (tipo != corrente) {
            chiudi(m - 1);
            corrente = tipo;
            da = m;
        }
    }
    chiudi(n - 1);
    return esito;
}

}  // namespace compattatore::decompila
