// The plan: its compact form must give exactly the points of the step
// formulas, element by element as the plan file tags them.
#include "model/planimetria.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <variant>

namespace compattatore {
namespace {

TEST(Planimetria, SeededPlanIsIntegersThenDoublesThenEmpty) {
    Planimetria p;
    p.dimensiona(10);
    EXPECT_TRUE(std::holds_alternative<Vuoto>(p.elemento(0, 0))) << "sized but not seeded: Empty";
    p.semina();
    p.dritto_fino(5);
    EXPECT_EQ(p.elemento(0, 0), Valore(std::int16_t{0}));
    EXPECT_EQ(p.elemento(1, 1), Valore(std::int16_t{1}));
    EXPECT_EQ(p.elemento(5, 1), Valore(5.0));
    EXPECT_EQ(p.elemento(5, 0), Valore(0.0));
    EXPECT_TRUE(std::holds_alternative<Vuoto>(p.elemento(6, 0)));
    EXPECT_TRUE(std::holds_alternative<Vuoto>(p.elemento(10, 1)));
    EXPECT_THROW(p.elemento(11, 0), std::out_of_range);
    EXPECT_THROW(p.elemento(0, 2), std::out_of_range);
}

TEST(Planimetria, CurveFollowsTheStepFormulaInItsOrder) {
    const double k = -0.0004;
    Planimetria p;
    p.dimensiona(100);
    p.semina();
    p.dritto_fino(20);
    p.curva_fino(60, k);
    p.dritto_fino(98);
    // The same points computed one at a time from the formulas.
    double x0 = 0, y0 = 0, x1 = 0, y1 = 1;
    for (std::int32_t m = 2; m <= 98; ++m) {
        const double dx = x1 - x0, dy = y1 - y0;
        double xn = 0, yn = 0;
        if (m > 20 && m <= 60) {
            xn = x1 + (dx + k * dy);
            yn = y1 + (dy - k * dx);
        } else {
            xn = x1 + (x1 - x0);
            yn = y1 + (y1 - y0);
        }
        ASSERT_EQ(p.x(m), xn) << m;
        ASSERT_EQ(p.y(m), yn) << m;
        x0 = x1, y0 = y1, x1 = xn, y1 = yn;
    }
    EXPECT_LT(p.x(98), 0.0) << "a negative k turns left, towards -x";
    EXPECT_EQ(p.calcolati(), 99);
}

TEST(Planimetria, DrawingNeverPassesTheLastMetre) {
    Planimetria p;
    EXPECT_THROW(p.dimensiona(0), std::out_of_range);
    p.dimensiona(10);
    EXPECT_THROW(p.dritto_fino(5), std::out_of_range) << "not seeded";
    p.semina();
    p.dritto_fino(1);  // below the next point: nothing drawn
    EXPECT_EQ(p.calcolati(), 2);
    EXPECT_THROW(p.curva_fino(11, 0.001), std::out_of_range);
    EXPECT_EQ(p.calcolati(), 2) << "a refused run draws nothing";
    p.dritto_fino(10);
    EXPECT_EQ(p.calcolati(), 11);
}

}  // namespace
}  // namespace compattatore
