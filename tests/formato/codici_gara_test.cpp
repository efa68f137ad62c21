#include "formato/codici_gara.hpp"

#include <gtest/gtest.h>

#include <string>

namespace compattatore {
namespace {

TEST(CodiciGara, ScenarioIdentity) {
    EXPECT_EQ(testo_codici("5286", "Valmora PR_Valmora PF").substr(0, 25), "5286valmora pr_valmora pf");
    EXPECT_EQ(codice_gara_og("5286", "Valmora PR_Valmora PF"), 2320);
    EXPECT_EQ(codice_gara_st("5286", "Valmora PR_Valmora PF"), 31678);
}

TEST(CodiciGara, PadCompletesShortNames) {
    struct Caso {
        std::string treno;
        std::string percorso;
        std::int16_t og;
        std::int32_t st;
    };
    const Caso casi[] = {
        {"", "", 2700, 34752},     // the first 25 pad characters alone
        {"1", "", 2649, 34901},    // "1" then the pad from its start
        {"", "\xE0", 2824, 35076},  // a byte above 0x7F counts as 224, not as a negative char
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(codice_gara_og(c.treno, c.percorso), c.og) << c.treno << "|" << c.percorso;
        EXPECT_EQ(codice_gara_st(c.treno, c.percorso), c.st) << c.treno << "|" << c.percorso;
    }
}

TEST(CodiciGara, OnlyTheFirst25CharactersCount) {
    EXPECT_EQ(codice_gara_og("5286", "Valmora PR_Valmora PFXYZ"), 2320);
    EXPECT_EQ(codice_gara_st("5286", "Valmora PR_Valmora PF and more"), 31678);
    // The train number comes first: the same characters split differently
    // give the same codes.
    EXPECT_EQ(codice_gara_st("5286Valmora", " PR_Valmora PF"), 31678);
}

TEST(CodiciGara, LetterCaseDoesNotMatter) {
    struct Coppia {
        const char* maiuscola;
        const char* minuscola;
    };
    const Coppia coppie[] = {
        {"5286VALMORA PR_VALMORA PF", "5286valmora pr_valmora pf"},
        {"\xC0", "\xE0"},  // A grave
        {"\xC8", "\xE8"},  // E grave
        {"\xDE", "\xFE"},  // thorn, the last of the range
        {"\x8A", "\x9A"},  // S caron
        {"\x8C", "\x9C"},  // OE ligature
        {"\x8E", "\x9E"},  // Z caron
        {"\x9F", "\xFF"},  // Y diaeresis
    };
    for (const Coppia& c : coppie) {
        EXPECT_EQ(codice_gara_og("", c.maiuscola), codice_gara_og("", c.minuscola)) << c.minuscola;
        EXPECT_EQ(codice_gara_st("", c.maiuscola), codice_gara_st("", c.minuscola)) << c.minuscola;
        EXPECT_EQ(codice_gara_st(c.maiuscola, ""), codice_gara_st(c.minuscola, "")) << c.minuscola;
    }
}

TEST(CodiciGara, NonLettersAreNotFolded) {
    // Pairs 0x20 apart that are not upper- and lower-case letters.
    const unsigned char altri[] = {'@', '[', '^', 0xD7 /* multiplication sign */, 0xDF /* sharp s */, 0x80, 0x8B};
    for (const unsigned char c : altri) {
        EXPECT_EQ(minuscola_1252(c), c) << int(c);
        const std::string uno(1, static_cast<char>(c));
        const std::string altro(1, static_cast<char>(c + 0x20));
        EXPECT_NE(codice_gara_og("", uno), codice_gara_og("", altro)) << int(c);
    }
}

TEST(CodiciGara, SwappingTwoCharactersChangesOnlyTheWeightedCode) {
    EXPECT_EQ(codice_gara_og("5268", "Valmora PR_Valmora PF"), 2320);
    // '8' (56) and '6' (54) trade places 3 and 4: 3*54 + 4*56 - (3*56 + 4*54) = 2.
    EXPECT_EQ(codice_gara_st("5268", "Valmora PR_Valmora PF"), 31678 + 2);
    EXPECT_EQ(codice_gara_og("5286", "Valmroa PR_Valmora PF"), 2320);
    EXPECT_NE(codice_gara_st("5286", "Valmroa PR_Valmora PF"), 31678);
}

}  // namespace
}  // namespace compattatore
