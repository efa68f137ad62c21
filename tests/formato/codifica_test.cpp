// The one little-endian coding: what the encoder writes the cursor reads back,
// and a read that would run past the end reads nothing.
#include "formato/codifica.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

namespace compattatore {
namespace {

TEST(Codifica, CursorReadsWhatTheEncoderWrote) {
    UscitaMemoria u;
    Scrittore w(u);
    w.byte(0xFE);
    w.intero(-2);
    w.intero(std::numeric_limits<std::int16_t>::min());
    w.lungo(-123456789);
    w.doppio(-0.1);
    w.testo("M\xE0");
    w.svuota();
    ASSERT_EQ(u.byte.size(), 1u + 2 + 2 + 4 + 8 + 2);
    EXPECT_EQ(u.byte.substr(1, 2), std::string("\xFE\xFF", 2));  // low byte first

    Lettore c(u.byte);
    EXPECT_EQ(c.byte(), 0xFE);
    EXPECT_EQ(c.intero(), -2);
    EXPECT_EQ(c.intero(), std::numeric_limits<std::int16_t>::min());
    EXPECT_EQ(c.lungo(), -123456789);
    EXPECT_EQ(c.doppio(), -0.1);
    EXPECT_EQ(c.testo(2), "M\xE0");
    EXPECT_EQ(c.restanti(), 0u);
    EXPECT_FALSE(c.fuori());
}

// Each read with one byte fewer than it needs, at the end of a buffer.
TEST(Codifica, ReadPastTheEndReadsNothing) {
    struct Caso {
        const char* nome;
        std::size_t larghezza;
        std::function<bool(Lettore&)> leggi_zero;  // the read, and whether it gave its zero
    };
    const Caso casi[] = {
        {"byte", 1, [](Lettore& c) { return c.byte() == 0; }},
        {"intero", 2, [](Lettore& c) { return c.intero() == 0; }},
        {"lungo", 4, [](Lettore& c) { return c.lungo() == 0; }},
        {"doppio", 8, [](Lettore& c) { return c.doppio() == 0; }},
        {"testo", 5, [](Lettore& c) { return c.testo(5).empty(); }},
        {"salta", 5, [](Lettore& c) { c.salta(5); return true; }},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        // Three bytes read first, so the cursor is not at the start; then one
        // byte fewer than the read needs.
        const std::string b(3 + k.larghezza - 1, '\xFF');
        Lettore c(b);
        c.salta(3);
        ASSERT_FALSE(c.fuori());
        EXPECT_TRUE(k.leggi_zero(c));
        EXPECT_TRUE(c.fuori());
        EXPECT_EQ(c.pos(), 3u);  // the cursor stays where it was
        EXPECT_EQ(c.restanti(), k.larghezza - 1);

        // The same read with exactly the bytes it needs succeeds.
        const std::string giusto(k.larghezza, '\x01');
        Lettore d(giusto);
        k.leggi_zero(d);
        EXPECT_FALSE(d.fuori());
        EXPECT_EQ(d.restanti(), 0u);
    }
}

TEST(Codifica, EmptyBufferAndHugeLengths) {
    Lettore c{std::string_view{}};
    EXPECT_EQ(c.intero(), 0);
    EXPECT_TRUE(c.fuori());
    Lettore d("ab");
    EXPECT_TRUE(d.testo(std::numeric_limits<std::size_t>::max()).empty());  // no wrap-around of pos + n
    EXPECT_TRUE(d.fuori());
    EXPECT_EQ(d.testo(2), "ab");  // a refused read leaves the bytes to the next
}

}  // namespace
}  // namespace compattatore
