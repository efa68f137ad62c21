#include "driver/base/stampa.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace compattatore {
namespace {

std::string stampato(const std::vector<std::string_view>& righe) {
    UscitaMemoria u;
    stampa(righe, u);
    return u.byte;
}

TEST(Stampa, WritesTheLinesBeforeTheEndMarkerEachWithCrLf) {
    struct Caso {
        const char* cosa;
        std::vector<std::string_view> righe;
        std::string atteso;
    };
    const Caso casi[] = {
        {"empty list", {}, ""},
        {"list that starts with the marker", {fine_del_file, "dopo"}, ""},
        {"one line: CR LF after the last line too", {"a", fine_del_file}, "a\r\n"},
        {"empty line is CR LF alone", {"", fine_del_file}, "\r\n"},
        {"blanks kept at both ends", {"  a ", " ", fine_del_file}, "  a \r\n \r\n"},
        {"nothing after the marker", {"a", "", fine_del_file, "b", fine_del_file, "c"}, "a\r\n\r\n"},
        {"no marker: every line", {"a", "b"}, "a\r\nb\r\n"},
        {"the marker is a whole line, case-sensitive",
         {"riferimento fine del file ", "Riferimento fine del file", "x riferimento fine del file", fine_del_file},
         "riferimento fine del file \r\nRiferimento fine del file\r\nx riferimento fine del file\r\n"},
        {"bytes outside ASCII as they are", {"1\xB0", "realt\xE0", fine_del_file}, "1\xB0\r\nrealt\xE0\r\n"},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(stampato(c.righe), c.atteso) << c.cosa;
    }
}

TEST(Stampa, ContentLargerThanTheOutputBufferArrivesWhole) {
    // Lines that straddle the writer's 64 KiB buffer, and one larger than it.
    const std::string corta(1000, 'a');
    const std::string lunga(70000, 'b');
    std::vector<std::string_view> righe(100, corta);
    righe.push_back(lunga);
    righe.push_back("fine");
    righe.push_back(fine_del_file);
    const std::string byte = stampato(righe);
    ASSERT_EQ(byte.size(), 100 * 1002u + 70002u + 6u);
    EXPECT_EQ(byte.substr(65 * 1002, 1002), corta + "\r\n");
    EXPECT_EQ(byte.substr(100 * 1002, 70002), lunga + "\r\n");
    EXPECT_EQ(byte.substr(byte.size() - 6), "fine\r\n");
}

}  // namespace
}  // namespace compattatore
