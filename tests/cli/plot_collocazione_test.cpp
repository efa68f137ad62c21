// The placement of labels: whatever the density, no two labels written
// overlap, none covers a marker or a leader line, and every request is shown
// exactly once, alone or inside a group whose text counts its members.
#include "cli/plot_collocazione.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace compattatore::cli::plot {
namespace {

struct Caso {
    const char* nome;
    int quante;
    double passo;  // px between the points
    int corsie;
    bool tutte_sole;  // room enough: no group expected
};

class Collocazione : public ::testing::TestWithParam<Caso> {};

TEST_P(Collocazione, NoOverlapAndEveryRequestShownOnce) {
    const Caso& c = GetParam();
    Occupati occupati;
    std::vector<Richiesta> r;
    std::vector<Riquadro> segni;
    for (int i = 0; i < c.quante; ++i) {
        const double x = 20 + i * c.passo;
        r.push_back({x, 100, "board " + std::to_string(i) + " 60 | 70 km/h", "boards", "t" + std::to_string(i), 10, false});
        segni.push_back({x - 4, 95, x + 4, 104});
        occupati.occupa(segni.back());
    }
    const Striscia s{118, 13, c.corsie, 0, 20 + c.quante * c.passo + 200};
    const std::vector<Collocata> fatte = colloca(r, s, occupati);

    std::size_t atteso = 0;
    std::vector<Riquadro> scritte;
    bool gruppi = false;
    for (const Collocata& k : fatte) {
        ASSERT_EQ(k.prima, atteso);  // in order, each request once
        ASSERT_GE(k.ultima, k.prima);
        atteso = k.ultima + 1;
        if (!k.scritta) continue;
        if (k.ultima > k.prima) {
            gruppi = true;
            EXPECT_EQ(k.testo, std::to_string(k.ultima - k.prima + 1) + " boards");
        }
        for (const Riquadro& q : scritte) EXPECT_FALSE(q.tocca(k.box)) << c.nome;
        for (const Riquadro& q : segni) EXPECT_FALSE(q.tocca(k.box)) << c.nome;
        scritte.push_back(k.box);
    }
    EXPECT_EQ(atteso, r.size());
    if (c.tutte_sole) {
        EXPECT_FALSE(gruppi);
        for (const Collocata& k : fatte) EXPECT_TRUE(k.scritta);
    } else {
        EXPECT_TRUE(gruppi);
    }
    // A leader runs from its point to its label and crosses no other label.
    for (const Collocata& k : fatte) {
        if (!k.scritta || !k.guida) continue;
        const double x = std::clamp(r[k.prima].x, k.box.x0, k.box.x1);
        const Riquadro guida{x - 0.5, 110, x + 0.5, k.box.y0};
        for (const Collocata& h : fatte) {
            if (&h != &k && h.scritta) {
                EXPECT_FALSE(guida.tocca(h.box)) << c.nome;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Densita, Collocazione,
                         ::testing::Values(Caso{"apart", 10, 200, 2, true},      //
                                           Caso{"close", 12, 120, 2, true},      //
                                           Caso{"dense", 400, 3, 2, false},     //
                                           Caso{"one lane packed", 200, 1, 1, false}),
                         [](const ::testing::TestParamInfo<Caso>& i) {
                             std::string n = i.param.nome;
                             for (char& ch : n) ch = ch == ' ' ? '_' : ch;
                             return n;
                         });

TEST(Collocazione, LabelsWiderOnCapitalsAndBold) {
    EXPECT_GT(larghezza_etichetta("VALMORA", 12, false), larghezza_etichetta("valmora", 12, false));
    EXPECT_GT(larghezza_etichetta("valmora", 12, true), larghezza_etichetta("valmora", 12, false));
    // One character per code point, not per byte.
    EXPECT_DOUBLE_EQ(larghezza_etichetta("\u2030", 10, false), larghezza_etichetta("%", 10, false));
}

}  // namespace
}  // namespace compattatore::cli::plot
