// The plan: its drawing must give exactly the points of the step formulas,
// computed one at a time, element by element as the plan file tags them.
#include "model/planimetria.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <stdexcept>
#include <variant>
#include <vector>

namespace compattatore {
namespace {

// A plan drawn one run after another, with the same points computed one at
// a time from the formulas beside it.
struct Disegno {
    Planimetria p;
    std::vector<double> x{0, 0}, y{0, 1};

    explicit Disegno(std::int32_t ultimo) {
        p.dimensiona(ultimo);
        p.semina();
    }
    void dritto(std::int32_t fino) {
        p.dritto_fino(fino);
        while (static_cast<std::int32_t>(x.size()) <= fino) passo(0, false);
    }
    void curva(std::int32_t fino, double k) {
        p.curva_fino(fino, k);
        while (static_cast<std::int32_t>(x.size()) <= fino) passo(k, true);
    }
    void punto(double a, double b) {
        p.aggiungi(a, b);
        x.push_back(a);
        y.push_back(b);
    }
    void passo(double k, bool curva) {
        const std::size_t n = x.size();
        const double x0 = x[n - 2], x1 = x[n - 1], y0 = y[n - 2], y1 = y[n - 1];
        const double dx = x1 - x0, dy = y1 - y0;
        if (curva) {
            x.push_back(x1 + (dx + k * dy));
            y.push_back(y1 + (dy - k * dx));
        } else {
            x.push_back(x1 + dx);
            y.push_back(y1 + dy);
        }
    }
};

bool stessi_bit(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Every point the generator gives, in blocks of n, against the formulas:
// both coordinates together, and each one alone.
void attendi_punti(const Disegno& d, std::size_t n) {
    ASSERT_EQ(d.p.calcolati(), static_cast<std::int32_t>(d.x.size()));
    for (const bool vuole_x : {true, false}) {
        for (const bool vuole_y : {true, false}) {
            if (!vuole_x && !vuole_y) continue;
            SCOPED_TRACE(testing::Message() << (vuole_x ? "x" : "") << (vuole_y ? "y" : ""));
            GeneratorePunti g(d.p);
            std::vector<double> xs(n), ys(n);
            double* px = vuole_x ? xs.data() : nullptr;
            double* py = vuole_y ? ys.data() : nullptr;
            std::size_t m = 0;
            while (const std::size_t dati = g.prossimi(px, py, n)) {
                ASSERT_LE(dati, n);
                for (std::size_t i = 0; i < dati; ++i, ++m) {
                    ASSERT_LT(m, d.x.size());
                    if (vuole_x) {
                        ASSERT_TRUE(stessi_bit(xs[i], d.x[m])) << "x of point " << m << ": " << xs[i] << " against " << d.x[m];
                    }
                    if (vuole_y) {
                        ASSERT_TRUE(stessi_bit(ys[i], d.y[m])) << "y of point " << m << ": " << ys[i] << " against " << d.y[m];
                    }
                }
            }
            EXPECT_EQ(m, d.x.size());
            EXPECT_EQ(g.prossimi(px, py, n), 0u) << "nothing after the last point";
        }
    }
}

TEST(Planimetria, SeededPlanIsIntegersThenDoublesThenEmpty) {
    Planimetria p;
    p.dimensiona(10);
    EXPECT_TRUE(std::holds_alternative<Vuoto>(p.punti().elemento(0, 0))) << "sized but not seeded: Empty";
    p.semina();
    p.dritto_fino(5);
    const PuntiPlanimetria q = p.punti();
    EXPECT_EQ(q.elemento(0, 0), Valore(std::int16_t{0}));
    EXPECT_EQ(q.elemento(1, 1), Valore(std::int16_t{1}));
    EXPECT_EQ(q.elemento(5, 1), Valore(5.0));
    EXPECT_EQ(q.elemento(5, 0), Valore(0.0));
    EXPECT_TRUE(std::holds_alternative<Vuoto>(q.elemento(6, 0)));
    EXPECT_TRUE(std::holds_alternative<Vuoto>(q.elemento(10, 1)));
    EXPECT_THROW(q.elemento(11, 0), std::out_of_range);
    EXPECT_THROW(q.elemento(0, 2), std::out_of_range);
    EXPECT_THROW(q.x(6), std::out_of_range);
}

TEST(Planimetria, CurveFollowsTheStepFormulaInItsOrder) {
    const double k = -0.0004;
    Disegno d(100);
    d.dritto(20);
    d.curva(60, k);
    d.dritto(98);
    attendi_punti(d, 1000);
    EXPECT_LT(d.p.punti().x(98), 0.0) << "a negative k turns left, towards -x";
    EXPECT_EQ(d.p.calcolati(), 99);
}

TEST(Planimetria, DrawingNeverPassesTheLastMetre) {
    Planimetria p;
    EXPECT_THROW(p.dimensiona(0), std::out_of_range);
    p.dimensiona(10);
    EXPECT_THROW(p.dritto_fino(5), std::out_of_range) << "not seeded";
    EXPECT_THROW(p.aggiungi(1, 1), std::out_of_range) << "not seeded";
    p.semina();
    p.dritto_fino(1);  // below the next point: nothing drawn
    EXPECT_EQ(p.calcolati(), 2);
    EXPECT_THROW(p.curva_fino(11, 0.001), std::out_of_range);
    EXPECT_EQ(p.calcolati(), 2) << "a refused run draws nothing";
    p.dritto_fino(9);
    p.aggiungi(3, 4);
    EXPECT_EQ(p.calcolati(), 11);
    EXPECT_THROW(p.aggiungi(5, 6), std::out_of_range);
    EXPECT_EQ(p.calcolati(), 11);
}

// Runs of every kind, in blocks of every size: a block boundary or a run
// boundary anywhere must not change a bit.
TEST(Planimetria, GeneratorGivesTheFormulaPointsInAnyBlocks) {
    Disegno d(3000);
    d.dritto(700);
    d.curva(900, 0.003);
    d.curva(905, -0.0);
    d.curva(1000, -0.001);
    d.punto(12.5, -7.25);
    d.punto(12.75, -8.0);
    d.dritto(1500);
    d.punto(-3, 1e6);
    d.curva(2200, 0.0001);
    d.dritto(2998);
    for (const std::size_t n : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, std::size_t{256},
                                std::size_t{4096}}) {
        SCOPED_TRACE(n);
        attendi_punti(d, n);
    }
}

// Long random lines up to the longest plan: straight runs reach coordinates
// of a million metres and cross many powers of two, where the exact
// progressions give way to rounded steps.
TEST(Planimetria, LongRandomLinesMatchTheFormulas) {
    std::mt19937_64 caso(20261210);
    const double curvature[] = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003, 1e-7, 0.3};
    for (int linea = 0; linea < 6; ++linea) {
        SCOPED_TRACE(linea);
        const std::int32_t ultimo = linea == 0 ? 1'007'000 : 60'000;
        Disegno d(ultimo);
        std::int32_t m = 1;
        while (m < ultimo - 2) {
            const std::int32_t rettilineo = static_cast<std::int32_t>(caso() % (linea == 0 ? 40'000 : 3'000));
            m = std::min(ultimo - 2, m + rettilineo);
            d.dritto(m);
            if (m >= ultimo - 2) break;
            const std::int32_t arco = 1 + static_cast<std::int32_t>(caso() % 600);
            const double k = curvature[caso() % std::size(curvature)] * ((caso() & 1) != 0 ? 1 : -1);
            m = std::min(ultimo - 2, m + arco);
            d.curva(m, k);
        }
        attendi_punti(d, 256);
    }
}

}  // namespace
}  // namespace compattatore
