#include "readers/memo_indicatori_v_max.hpp"

#include <gtest/gtest.h>

#include "readers/guasto_voce.hpp"

namespace compattatore {
namespace {

Scenario pista() {
    Scenario s;
    dimensiona_percorso(s, 1000);  // cells 0 to 160
    return s;
}

TEST(MemoIndicatoriVMax, PackingOfTheTwoSides) {
    struct Caso {
        std::int32_t v[8];  // vas vbs vcs strisces vad vbd vcd strisced
        std::int16_t atteso[4];
    };
    const Caso casi[] = {
        {{60, 70, 75, 0, 60, 70, 75, 0}, {1212, 1414, 1515, 0}},
        {{80, 85, 85, 0, 0, 0, 0, 0}, {1600, 1700, 1700, 0}},
        {{60, 0, 0, 2, 63, 0, 0, 1}, {1213, 0, 0, 21}},
        {{0, 0, 0, 0, 62, 2, 12, 0}, {12, 0, 2, 0}},     // 12.4, 0.4, 2.4
        {{0, 0, 0, 0, 7, 17, 27, 0}, {1, 3, 5, 0}},      // halves go to the even neighbour: 1.4 3.4 5.4
        {{0, 0, 0, 0, 12, 22, -12, 0}, {2, 4, -2, 0}},   // 2.4 4.4 -2.4
        {{0, 0, 0, 0, 2, 7, 12, 0}, {0, 1, 2, 0}},
        {{1638, -1638, 0, 3276, 0, 0, 0, 7}, {32760, -32760, 0, 32767}},
    };
    for (const Caso& c : casi) {
        Scenario s = pista();
        ASSERT_TRUE(memo_indicatori_v_max(s, Luogo{1, 1}, 500, c.v[0], c.v[1], c.v[2], c.v[3], c.v[4], c.v[5],
                                          c.v[6], c.v[7])
                        .registrato());
        const Cella& x = s.percorso[11];
        EXPECT_EQ(x.tipo, tipo_cella::indicatore_v_max);
        EXPECT_EQ(x.valore_1, c.atteso[0]) << c.v[0] << "/" << c.v[4];
        EXPECT_EQ(x.valore_2, c.atteso[1]) << c.v[1] << "/" << c.v[5];
        EXPECT_EQ(x.valore_3, c.atteso[2]) << c.v[2] << "/" << c.v[6];
        EXPECT_EQ(x.valore_4, c.atteso[3]);
        EXPECT_EQ(s.codice_errore, Stato::nessuno);
    }
}

TEST(MemoIndicatoriVMax, FreeCellRule) {
    for (std::uint8_t tipo = 0; tipo <= 14; ++tipo) {
        Scenario s = pista();
        s.percorso[11].tipo = tipo;
        s.codice_errore = Stato::oltre_il_percorso;  // left by an earlier entry: not a refusal
        const bool libera = tipo == 0 || tipo == 11;
        EXPECT_EQ(memo_indicatori_v_max(s, Luogo{7, 3}, 500, 60, 70, 75, 0, 60, 70, 75, 0).registrato(), libera)
            << int{tipo};
        if (libera) {
            EXPECT_EQ(s.percorso[11].tipo, 6);
            EXPECT_EQ(s.codice_errore, Stato::oltre_il_percorso);
        } else {
            EXPECT_EQ(s.percorso[11].tipo, tipo);
            EXPECT_EQ(s.percorso[11].valore_1, 0);
            EXPECT_EQ(s.codice_errore, Stato::indicatore_su_cella_occupata);
            EXPECT_EQ(s.posizione_errore, 500);
            ASSERT_EQ(s.diagnostiche.size(), 1u);
            EXPECT_EQ(s.diagnostiche[0].cella, 11);
            EXPECT_EQ(s.diagnostiche[0].riga, 7);
            EXPECT_EQ(s.diagnostiche[0].colonna, 3);
        }
    }
}

TEST(MemoIndicatoriVMax, ValuesBeyond16BitsWriteNothing) {
    const std::int32_t casi[][8] = {
        {1639, 0, 0, 0, 0, 0, 0, 0},  {0, 0, -1639, 0, 0, 0, 0, 0}, {1638, 0, 0, 0, 40, 0, 0, 0},
        {0, 0, 0, 3277, 0, 0, 0, 0},  {0, 0, 0, 3276, 0, 0, 0, 8}, {0, 0, 0, 0, 0, 0, 0, 32768},
        {0, 0, 0, 65536, 0, 0, 0, 0},
    };
    for (const auto& v : casi) {
        Scenario s = pista();
        EXPECT_THROW(memo_indicatori_v_max(s, Luogo{}, 500, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]),
                     GuastoVoce);
        EXPECT_EQ(s.percorso[11], Cella{});
    }
}

}  // namespace
}  // namespace compattatore
