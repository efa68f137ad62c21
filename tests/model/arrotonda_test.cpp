#include "model/arrotonda.hpp"

#include <gtest/gtest.h>

namespace compattatore {
namespace {

struct CasoArrotonda {
    std::int64_t num;
    std::int64_t den;
    std::int64_t atteso;
};

TEST(Arrotonda, HalvesGoToTheEvenNeighbour) {
    const CasoArrotonda casi[] = {
        {5, 2, 2},         {7, 2, 4},        {-5, 2, -2},     {-7, 2, -4},     {1, 2, 0},
        {-1, 2, 0},        {3, 2, 2},        {-3, 2, -2},     {25, 50, 0},     {75, 50, 2},
        {125, 50, 2},      {175, 50, 4},     {2575, 50, 52},  {2625, 50, 52},  {100025, 50, 2000},
        {100075, 50, 2002}, {26, 50, 1},     {24, 50, 0},     {-26, 50, -1},   {-24, 50, 0},
        {63, 5, 13},       {62, 5, 12},      {0, 5, 0},       {100000, 50, 2000}, {6063, 5, 1213},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(arrotonda(c.num, c.den), c.atteso) << c.num << " / " << c.den;
    }
}

TEST(Arrotonda, LowBitsAndRanges) {
    EXPECT_EQ(basso_16(65536 + 5), 5);
    EXPECT_EQ(basso_16(32768), -32768);
    EXPECT_EQ(basso_16(-1), -1);
    EXPECT_EQ(basso_8(256 + 238), 238);
    EXPECT_EQ(basso_8(-1), 255);
    EXPECT_TRUE(entra_in<std::uint8_t>(255));
    EXPECT_FALSE(entra_in<std::uint8_t>(256));
    EXPECT_FALSE(entra_in<std::uint8_t>(-1));
    EXPECT_TRUE(entra_in<std::int16_t>(-32768));
    EXPECT_FALSE(entra_in<std::int16_t>(32768));
}

}  // namespace
}  // namespace compattatore
