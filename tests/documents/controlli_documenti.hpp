// Checks of the three driver documents as files, shared by the writer tests
// and the test of the real program. They look at the bytes a reader of the
// file gets: the size, the CR LF line ends, the length of every line (so a
// lost or added trailing blank shows), the columns of the drawn grids, the
// places of the Windows-1252 bytes and the lines that carry the content.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <tuple>
#include <vector>

namespace compattatore::prova {

// The lines of a text file whose every line ends in CR LF. A lone CR or LF,
// or bytes after the last CR LF, fail the calling test.
inline std::vector<std::string> righe_crlf(const std::string& byte) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    while (inizio < byte.size()) {
        const std::size_t fine = byte.find("\r\n", inizio);
        if (fine == std::string::npos) {
            ADD_FAILURE() << "bytes after the last CR LF: " << byte.substr(inizio);
            break;
        }
        righe.push_back(byte.substr(inizio, fine - inizio));
        inizio = fine + 2;
    }
    for (std::size_t i = 0; i < righe.size(); ++i) {
        EXPECT_EQ(righe[i].find_first_of("\r\n"), std::string::npos) << "lone CR or LF in line " << i;
    }
    return righe;
}

inline std::vector<std::size_t> lunghezze(const std::vector<std::string>& righe) {
    std::vector<std::size_t> l;
    for (const std::string& r : righe) l.push_back(r.size());
    return l;
}

// The columns (0-based) where c stands in riga.
inline std::vector<std::size_t> colonne(const std::string& riga, char c) {
    std::vector<std::size_t> v;
    for (std::size_t i = 0; i < riga.size(); ++i) {
        if (riga[i] == c) v.push_back(i);
    }
    return v;
}

// Every byte outside ASCII as (line, column, byte).
using ByteAlto = std::tuple<std::size_t, std::size_t, unsigned>;
inline std::vector<ByteAlto> byte_alti(const std::vector<std::string>& righe) {
    std::vector<ByteAlto> v;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        for (std::size_t j = 0; j < righe[i].size(); ++j) {
            const auto b = static_cast<unsigned char>(righe[i][j]);
            if (b >= 0x80) v.emplace_back(i, j, b);
        }
    }
    return v;
}

// A grid row with nothing written in it: only blanks and bars.
inline bool riga_vuota_di_griglia(const std::string& riga) {
    return !riga.empty() && riga.find_first_not_of(" |") == std::string::npos;
}

inline bool inizia_con(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }
inline bool finisce_con(const std::string& s, const std::string& p) {
    return s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0;
}

inline void controlla_note(const std::string& byte) {
    EXPECT_EQ(byte.size(), 947u);
    const std::vector<std::string> righe = righe_crlf(byte);
    ASSERT_EQ(righe.size(), 15u);
    EXPECT_EQ(lunghezze(righe),
              (std::vector<std::size_t>{78, 29, 82, 81, 38, 83, 0, 83, 83, 83, 8, 80, 87, 83, 19}));
    // e grave, a grave and the degree sign as single Windows-1252 bytes, and
    // nothing else outside ASCII (a UTF-8 sequence would add C3/C2 bytes).
    EXPECT_EQ(byte_alti(righe), (std::vector<ByteAlto>{{0, 8, 0xE8},
                                                       {5, 8, 0xE8},
                                                       {7, 51, 0xE0},
                                                       {7, 64, 0xE8},
                                                       {9, 9, 0xE0},
                                                       {9, 82, 0xB0},
                                                       {12, 12, 0xE0}}));
    EXPECT_EQ(righe[0].substr(0, 12), "Il 5286 \xE8 un");
    EXPECT_EQ(righe[4], "zone a casa (disponibile lo scenario) ");
    EXPECT_TRUE(finisce_con(righe[9], "sul 1\xB0"));
    EXPECT_TRUE(finisce_con(byte, "treno deve partire.\r\n"));
}

inline void controlla_rallentamenti(const std::string& byte) {
    EXPECT_EQ(byte.size(), 3283u);
    const std::vector<std::string> righe = righe_crlf(byte);
    ASSERT_EQ(righe.size(), 46u);
    std::vector<std::size_t> attese = {0, 42, 50, 81, 23, 0, 81, 81};
    attese.insert(attese.end(), 31, 82);  // heading, rules and table rows 8 to 38
    attese.insert(attese.end(), {0, 37, 63, 42, 49, 58, 42});
    EXPECT_EQ(lunghezze(righe), attese);
    EXPECT_TRUE(byte_alti(righe).empty());

    EXPECT_TRUE(inizia_con(byte, "\r\n                               Modulo M. 3\r\n"));
    EXPECT_EQ(righe[4], "  Linea  xxxxxx xxxxxxx");
    EXPECT_NE(righe[6].find(" del treno xxxxx di "), std::string::npos);

    // The table: the bars line up from the heading to the closing rule, the
    // two rules are the same line, and between them stand 26 blank rows.
    for (std::size_t i = 8; i <= 38; ++i) {
        EXPECT_EQ(colonne(righe[i], '|'), (std::vector<std::size_t>{1, 5, 34, 47, 58, 68, 81})) << "line " << i;
    }
    EXPECT_EQ(righe[11].find_first_not_of("_|", 1), std::string::npos);
    EXPECT_EQ(righe[38], righe[11]);
    std::size_t vuote = 0;
    for (std::size_t i = 12; i <= 37; ++i) vuote += riga_vuota_di_griglia(righe[i]) ? 1 : 0;
    EXPECT_EQ(vuote, 26u);
    EXPECT_FALSE(riga_vuota_di_griglia(righe[10]));

    // The key of the prescriptions, in the order A, B, D, C.
    EXPECT_TRUE(inizia_con(righe[41], " A - "));
    EXPECT_TRUE(inizia_con(righe[42], " B - "));
    EXPECT_TRUE(inizia_con(righe[43], " D - "));
    EXPECT_TRUE(inizia_con(righe[44], " C - "));
    EXPECT_TRUE(finisce_con(byte, "\r\n     i giorni esclusi i seguenti:.........\r\n"));
}

inline void controlla_scheda(const std::string& byte) {
    EXPECT_EQ(byte.size(), 3830u);
    const std::vector<std::string> righe = righe_crlf(byte);
    ASSERT_EQ(righe.size(), 49u);
    std::vector<std::size_t> attese = {0, 0, 82, 83, 83, 83, 83, 82, 83, 83, 83, 0, 82};
    attese.insert(attese.end(), 35, 83);  // grid lines 13 to 47
    attese.push_back(0);
    EXPECT_EQ(lunghezze(righe), attese);
    EXPECT_TRUE(byte_alti(righe).empty());

    EXPECT_TRUE(inizia_con(byte, "\r\n\r\n  ___"));
    EXPECT_TRUE(finisce_con(byte, "|_____|\r\n\r\n"));

    // The heading boxes.
    for (std::size_t i = 3; i <= 5; ++i) {
        EXPECT_EQ(colonne(righe[i], '|'), (std::vector<std::size_t>{1, 21, 67, 82})) << "line " << i;
    }
    EXPECT_EQ(colonne(righe[6], '|'), (std::vector<std::size_t>{67, 82}));
    for (std::size_t i = 8; i <= 10; ++i) {
        EXPECT_EQ(colonne(righe[i], '|'), (std::vector<std::size_t>{1, 21, 36, 56, 67, 82})) << "line " << i;
    }
    EXPECT_NE(righe[4].find("|   TRENO n.5286    |"), std::string::npos);
    EXPECT_NE(righe[9].find("| Ale 801/940  |"), std::string::npos);

    // The timetable grid: the bars line up, the two stations are filled in
    // and 29 blank rows follow them up to the closing rule.
    for (std::size_t i = 13; i <= 47; ++i) {
        EXPECT_EQ(colonne(righe[i], '|'), (std::vector<std::size_t>{1, 7, 13, 24, 30, 59, 76, 82})) << "line " << i;
    }
    EXPECT_NE(righe[16].find("|   86.150 |     |VALMORA PORTA ROMANA        | 13.41          |"), std::string::npos);
    EXPECT_NE(righe[17].find("|VALMORA PORTA FIORENTINA    |          13.44 |   1 |"), std::string::npos);
    std::size_t vuote = 0;
    for (std::size_t i = 18; i <= 46; ++i) vuote += riga_vuota_di_griglia(righe[i]) ? 1 : 0;
    EXPECT_EQ(vuote, 29u);
    EXPECT_EQ(righe[15].find_first_not_of("_|", 1), std::string::npos);
    EXPECT_EQ(righe[47], righe[15]);
}

}  // namespace compattatore::prova
