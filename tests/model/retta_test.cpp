// A straight run of one coordinate: the direct computation of its exact
// stretches must give the very doubles of the recurrence, bit for bit.
#include "model/retta.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <utility>
#include <vector>

namespace compattatore {
namespace {

std::vector<double> ricorrenza(double v0, double v1, std::size_t n) {
    std::vector<double> r;
    for (std::size_t i = 0; i < n; ++i) {
        const double vn = v1 + (v1 - v0);
        r.push_back(vn);
        v0 = v1;
        v1 = vn;
    }
    return r;
}

void attendi_come_ricorrenza(double v0, double v1, std::size_t n) {
    const std::vector<double> atteso = ricorrenza(v0, v1, n);
    std::vector<double> out(n);
    double a = v0, b = v1;
    prosegui_retta(a, b, out.data(), n);
    for (std::size_t i = 0; i < n; ++i) {
        ASSERT_EQ(std::memcmp(&out[i], &atteso[i], sizeof(double)), 0)
            << "from " << v0 << ", " << v1 << ": point " << i << " is " << out[i] << ", the recurrence gives "
            << atteso[i];
    }
    // Passing over the run leaves the same last two values as writing it.
    double c = v0, d = v1;
    salta_retta(c, d, n);
    for (const auto& [lasciato, ultimo] : {std::pair{&a, 2}, std::pair{&b, 1}, std::pair{&c, 2}, std::pair{&d, 1}}) {
        if (n >= static_cast<std::size_t>(ultimo)) {
            EXPECT_EQ(std::memcmp(lasciato, &atteso[n - static_cast<std::size_t>(ultimo)], sizeof(double)), 0)
                << "left at " << *lasciato << ", the recurrence's value " << ultimo << " from the end is "
                << atteso[n - static_cast<std::size_t>(ultimo)];
        }
    }
}

TEST(Retta, EdgeStartsGiveTheRecurrenceBitForBit) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct {
        double v0, v1;
    } casi[] = {
        {0.0, 1.0},                 // the seed of every plan
        {0.0, 0.0},                 // a coordinate that stays 0
        {-0.0, -0.0},               // -0 - -0 is +0, and -0 + +0 is +0
        {0.0, -0.0},                // -0 - +0 is -0
        {-0.0, 0.0},
        {5.0, 5.0},                 // a constant non-zero value
        {-3.0, 2.0},                // crosses zero on an exact point
        {0.1, 0.2},                 // a step that is rounded at every power of two
        {65535.7, 65536.4},         // across a power of two at once
        {1e6, 1e6 + 0.7071067811865476},
        {-1e6, -1e6 - 0.3},
        {4503599627370495.0, 4503599627370496.0},  // at 2^52: the spacing becomes 1, then 2
        {9007199254740990.0, 9007199254740992.0},  // at 2^53
        {1e300, 1.0000000000000002e300},
        {5e-324, 1e-323},           // subnormals
        {-1e-310, 1e-310},
        {inf, inf},                 // no exact stretch, no endless loop
        {1.0, inf},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.v0 << ", " << c.v1);
        for (const std::size_t n : {std::size_t{1}, std::size_t{2}, std::size_t{9}, std::size_t{5000}}) {
            attendi_come_ricorrenza(c.v0, c.v1, n);
        }
    }
}

TEST(Retta, RandomStartsGiveTheRecurrenceBitForBit) {
    std::mt19937_64 caso(7);
    std::uniform_real_distribution<double> posizione(-1.2e6, 1.2e6);
    std::uniform_real_distribution<double> passo(-1.5, 1.5);
    for (int i = 0; i < 400; ++i) {
        double v0 = posizione(caso);
        if (i % 4 == 0) v0 = std::ldexp(std::round(std::ldexp(v0, 8)), -8);  // few significant bits
        const double v1 = i % 7 == 0 ? v0 + std::ldexp(passo(caso), -40) : v0 + passo(caso);
        attendi_come_ricorrenza(v0, v1, 20000);
    }
}

TEST(Retta, ExactStretchesAreCounted) {
    EXPECT_EQ(passi_esatti(0.0, 1.0, 1000), 1000u) << "integer metres stay exact";
    EXPECT_EQ(passi_esatti(0.0, 0.0, 77), 77u);
    EXPECT_EQ(passi_esatti(-0.0, -0.0, 77), 0u);
    EXPECT_EQ(passi_esatti(0.0, 1.0, 0), 0u);
    // From 2^53 - 2 by 1: one exact point (2^53 - 1) before the spacing doubles.
    EXPECT_EQ(passi_esatti(9007199254740989.0, 9007199254740990.0, 10), 1u);
    EXPECT_EQ(passi_esatti(std::numeric_limits<double>::quiet_NaN(), 1.0, 10), 0u);
}

}  // namespace
}  // namespace compattatore
