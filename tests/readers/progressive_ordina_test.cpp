#include "readers/progressive_ordina.hpp"

#include <gtest/gtest.h>

#include <array>

#include "readers/lettore_campi.hpp"

namespace compattatore {
namespace {

using Def = std::array<std::int32_t, 3>;  // inizio, fine, posizione

struct Caso {
    const char* nome;
    std::array<Def, 3> prima;  // slots 1, 2, 3 (voci 81, 82, 83)
    std::array<Def, 3> dopo;
};

TEST(ProgressiveOrdina, Cases) {
    const Def t{12000, 1, 0}, d{5000, 2, 0}, u{0, 3, 0};
    const Caso casi[] = {
        {"sample text: all zero", {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}, {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
        {"already ordered", {{t, d, u}}, {{t, d, u}}},
        {"reversed", {{u, d, t}}, {{t, d, u}}},
        {"greatest in slot 2", {{u, t, d}}, {{t, d, u}}},
        {"tie of the two smaller: higher slot first", {{{0, 1, 0}, {0, 2, 0}, {3000, 3, 0}}},
         {{{3000, 3, 0}, {0, 2, 0}, {0, 1, 0}}}},
        {"tie of the two smaller below slot 1", {{{9000, 1, 0}, {100, 2, 0}, {100, 3, 0}}},
         {{{9000, 1, 0}, {100, 3, 0}, {100, 2, 0}}}},
        {"by second value: slot 2", {{{0, 0, 0}, {0, 250, 0}, {0, 0, 0}}}, {{{0, 250, 0}, {0, 0, 0}, {0, 0, 0}}}},
        {"by second value: slot 3 wins", {{{0, 0, 7}, {0, 250, 8}, {0, 300, 9}}},
         {{{0, 300, 9}, {0, 250, 8}, {0, 0, 7}}}},
        {"by second value: slot 1 stays", {{{0, 5, 0}, {0, 0, 2}, {0, 0, 3}}}, {{{0, 5, 0}, {0, 0, 2}, {0, 0, 3}}}},
        {"no positive second value: all cleared", {{{0, 0, 1}, {0, -5, 2}, {0, 0, 3}}},
         {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
        {"first values adding up to 0 use the second", {{{100, 0, 0}, {-100, 0, 0}, {0, 50, 0}}},
         {{{0, 50, 0}, {-100, 0, 0}, {100, 0, 0}}}},
        // Ties for the greatest first value keep their slot order.
        {"tie at the top, slots 1 and 2", {{{500, 1, 0}, {500, 2, 0}, {100, 3, 0}}},
         {{{500, 1, 0}, {500, 2, 0}, {100, 3, 0}}}},
        {"tie at the top, slots 2 and 3", {{{100, 1, 0}, {500, 2, 0}, {500, 3, 0}}},
         {{{500, 2, 0}, {500, 3, 0}, {100, 1, 0}}}},
        {"tie at the top, slots 1 and 3", {{{500, 1, 0}, {100, 2, 0}, {500, 3, 0}}},
         {{{500, 1, 0}, {500, 3, 0}, {100, 2, 0}}}},
        {"three-way tie", {{{500, 1, 0}, {500, 2, 0}, {500, 3, 0}}}, {{{500, 1, 0}, {500, 2, 0}, {500, 3, 0}}}},
        {"posizione 1 adds 100 once", {{{0, 400, 1}, {7000, 0, 1}, {0, 0, 0}}},
         {{{7000, 100, 1}, {0, 0, 0}, {0, 400 + 100, 1}}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Scenario s;
        for (int i = 0; i < 3; ++i) {
            Voce& v = s.voci[static_cast<std::size_t>(81 + i)];
            v.inizio = c.prima[i][0];
            v.fine = c.prima[i][1];
            v.posizione = c.prima[i][2];
        }
        progressive_ordina(s);
        for (int i = 0; i < 3; ++i) {
            const Voce& v = s.voci[static_cast<std::size_t>(81 + i)];
            EXPECT_EQ((Def{v.inizio, v.fine, v.posizione}), c.dopo[i]) << "slot " << i + 1;
        }
    }
}

TEST(ProgressiveOrdina, AdjustmentThatWouldLeave32BitsFails) {
    Scenario s;
    s.voci[81].inizio = 50;
    s.voci[81].fine = 2147483600;
    s.voci[81].posizione = 1;
    EXPECT_THROW(progressive_ordina(s), ErroreLettura);
}

}  // namespace
}  // namespace compattatore
