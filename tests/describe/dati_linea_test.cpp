#include "describe/dati_linea.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "driver/base/stampa.hpp"
#include "formato/uscita.hpp"

namespace compattatore {
namespace {

// The printed text cut at CR LF; the text must end with one.
std::vector<std::string> righe_stampate(const std::string& t) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    for (std::size_t fine; (fine = t.find("\r\n", inizio)) != std::string::npos; inizio = fine + 2) {
        righe.push_back(t.substr(inizio, fine - inizio));
    }
    EXPECT_EQ(inizio, t.size()) << "text after the last CR LF";
    return righe;
}

TEST(DatiLinea, PrintedTextHasItsSizeAndFrame) {
    const std::string t = testo_linea();
    EXPECT_EQ(t.size(), 5111u);
    EXPECT_EQ(t.rfind("[generale]\r\n", 0), 0u);
    EXPECT_EQ(t.substr(t.size() - 8), "[fine]\r\n");
    EXPECT_EQ(t.find("riferimento"), std::string::npos);
    // Every line end is CR LF: no lone CR or LF.
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r') {
            EXPECT_EQ(t.at(i + 1), '\n') << i;
        }
        if (t[i] == '\n') {
            EXPECT_EQ(t.at(i - 1), '\r') << i;
        }
    }
    EXPECT_EQ(righe_stampate(t).size(), 182u);
}

TEST(DatiLinea, LinesWithTheirOwnSpacing) {
    const std::vector<std::string> r = righe_stampate(testo_linea());
    ASSERT_EQ(r.size(), 182u);
    struct Caso {
        std::size_t indice;
        const char* riga;
    };
    const Caso casi[] = {
        {1, "lunghezza percorso,    93000"},
        {8, "ripetizione segnali 4 codici,    1300,    26200"},
        {9, "[curve]"},
        {10, "curvas3,  500,  300"},
        {81, "curvas3,  83500,  1000"},
        {86, "curvad2,  87300,  350"},
        {87, "[pendenze]"},
        {88, "pendenza,   0,    0"},
        {89, "pendenza,  1500,   8"},
        {108, "pendenza,  18750,   -2"},
        {146, "pendenza,  87700,   0"},
        {147, "[montagne]"},
        {153, "montagna,   86150,  86450,  12"},
        {155, "indicatori_vmax,  500,  60,  70,  75,  0,  60,  70,  75,  0"},
        {161, "indicatori_vmax,  35400,  80,  85,  85,  0,  ,  ,  ,  0"},
        {173, "indicatori_vmax,  84600,  75,  85,  85,  0,  ,  ,  ,  0"},
        {175, "cartello_indicatore,  19950,   (Cippo Km.)( 20+000  )"},
        {178, "cartello_indicatore,  26200,   (FINE COD.)"},
        {181, "[fine]"},
    };
    for (const Caso& c : casi) EXPECT_EQ(r[c.indice], c.riga) << "line index " << c.indice;
}

// The rows of each feature kind follow one pattern and stand in increasing
// order of position.
TEST(DatiLinea, FeatureRowsFollowTheirPatternInOrder) {
    const std::vector<std::string> r = righe_stampate(testo_linea());
    ASSERT_EQ(r.size(), 182u);
    struct Sezione {
        std::size_t primo, ultimo;
        const char* schema;
    };
    const Sezione sezioni[] = {
        {10, 86, R"(curva[sd][1-6],  (\d+),  \d+)"},
        {89, 146, R"(pendenza,  (\d+),   -?\d+)"},
        {148, 153, R"(montagna,   (\d+),  \d+,  \d+)"},
        {155, 160, R"(indicatori_vmax,  (\d+)(,  \d+){8})"},
        {161, 173, R"(indicatori_vmax,  (\d+)(,  \d+){4},  ,  ,  ,  0)"},
        {175, 180, R"(cartello_indicatore,  (\d+),   \([^,]*\))"},
    };
    long precedente = -1;
    for (const Sezione& s : sezioni) {
        if (s.primo != 161) precedente = -1;
        const std::regex schema(s.schema);
        for (std::size_t i = s.primo; i <= s.ultimo; ++i) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(r[i], m, schema)) << i << ": " << r[i];
            const long p = std::stol(m[1].str());
            EXPECT_GT(p, precedente) << i << ": " << r[i];
            precedente = p;
        }
    }
}

}  // namespace
}  // namespace compattatore
