#include "describe/dati_treno.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/base/stampa.hpp"

namespace compattatore {
namespace {

std::vector<std::string> righe_di(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        const std::size_t fine = testo.find("\r\n", inizio);
        if (fine == std::string::npos) {
            righe.push_back(testo.substr(inizio));
            break;
        }
        righe.push_back(testo.substr(inizio, fine - inizio));
        inizio = fine + 2;
    }
    return righe;
}

TEST(DatiTreno, PrintsEighteenLinesOf517BytesEndingInFine) {
    const std::string testo = testo_treno();
    EXPECT_EQ(testo.size(), 517u);
    ASSERT_GE(testo.size(), 8u);
    EXPECT_EQ(testo.substr(testo.size() - 8), "[fine]\r\n");
    EXPECT_EQ(testo.find("riferimento"), std::string::npos);
    const auto righe = righe_di(testo);
    EXPECT_EQ(righe.size(), 18u);
    // Every line ends in CR LF and holds no bare CR or LF of its own.
    for (const auto& r : righe) {
        EXPECT_EQ(r.find('\r'), std::string::npos) << r;
        EXPECT_EQ(r.find('\n'), std::string::npos) << r;
    }
}

TEST(DatiTreno, ClockLineKeepsItsBlanks) {
    const auto righe = righe_di(testo_treno());
    ASSERT_GE(righe.size(), 5u);
    const std::string& orologio = righe[4];
    EXPECT_EQ(orologio.size(), 46u);
    EXPECT_EQ(orologio.back(), ' ');
    EXPECT_EQ(orologio.find(','), 8u);
    EXPECT_EQ(orologio.find(',', 9), std::string::npos) << "the clock numbers are separated by blanks only";
    EXPECT_EQ(orologio.substr(13, 2), "13");
    EXPECT_EQ(orologio.substr(15, 14), std::string(14, ' '));
    EXPECT_EQ(orologio.substr(29, 2), "40");
    EXPECT_EQ(orologio.substr(31, 12), std::string(12, ' '));
    EXPECT_EQ(orologio.substr(43, 2), "45");
}

TEST(DatiTreno, EmptySectionsAreFollowedAtOnceByTheNextHeader) {
    const std::string testo = testo_treno();
    EXPECT_NE(testo.find("\r\n[rallentamenti]\r\n[segnali]\r\n"), std::string::npos);
    EXPECT_NE(testo.find("\r\n[codici]\r\n[fine]\r\n"), std::string::npos);
    EXPECT_EQ(testo.rfind("[generale]\r\n", 0), 0u);
}

}  // namespace
}  // namespace compattatore
