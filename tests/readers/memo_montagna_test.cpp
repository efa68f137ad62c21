#include "readers/memo_montagna.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "readers/guasto_voce.hpp"

namespace compattatore {
namespace {

// A track of cells 0 to 160, or 0 to 200.
Scenario pista(std::int32_t lunghezza = 1000) {
    Scenario s;
    dimensiona_percorso(s, lunghezza);
    return s;
}

struct Zona {
    std::int32_t inizio, fine, tipo;
};

struct Caso {
    const char* nome;
    std::vector<Zona> prima;  // zones recorded before
    Zona zona;
    std::int32_t tipo_dopo;   // the caller's variable afterwards
    std::int64_t cella_1, cella_n;  // cells covered, cella_1 > cella_n: none
    std::vector<std::int64_t> segnali;
};

TEST(MemoMontagna, Zones) {
    const Caso casi[] = {
        {"type 11: type 1 with markers", {}, {1800, 3800, 11}, 1, 36, 75,
         {39, 43, 47, 51, 55, 59, 63, 67, 71, 75}},
        {"type 2 far after the last zone", {{1800, 3800, 11}}, {4900, 5300, 2}, 2, 98, 105, {}},
        {"150 m after: type 3", {{1000, 2000, 2}}, {2150, 2500, 2}, 3, 43, 49, {}},
        {"151 m after: own type", {{1000, 2000, 2}}, {2151, 2500, 2}, 2, 43, 49, {}},
        {"begins before the last end: type 3, markers kept", {{1000, 2000, 2}}, {1500, 1800, 12}, 3, 30, 35, {33}},
        {"one cell", {}, {4900, 4930, 2}, 2, 98, 98, {}},
        {"no cell", {}, {4900, 4910, 2}, 2, 98, 97, {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Scenario s = pista(3000);
        for (Zona z : c.prima) ASSERT_EQ(memo_montagna(s, Luogo{}, z.inizio, z.fine, z.tipo), registrato);
        const std::vector<Cella> prima = s.percorso;
        std::int32_t tipo = c.zona.tipo;
        ASSERT_EQ(memo_montagna(s, Luogo{}, c.zona.inizio, c.zona.fine, tipo), registrato);
        EXPECT_EQ(tipo, c.tipo_dopo);
        const auto n = static_cast<std::size_t>(s.n_montagne);
        EXPECT_EQ(n, c.prima.size() + 1);
        EXPECT_EQ(s.montagne_inizio[n], c.zona.inizio);
        EXPECT_EQ(s.montagne_fine[n], c.zona.fine);
        for (std::int64_t i = 0; i < 200; ++i) {
            const Cella& x = s.percorso[static_cast<std::size_t>(i)];
            const bool coperta = i >= c.cella_1 && i <= c.cella_n;
            EXPECT_EQ(x.montagna, coperta ? c.tipo_dopo : prima[static_cast<std::size_t>(i)].montagna) << i;
            const bool segno = std::find(c.segnali.begin(), c.segnali.end(), i) != c.segnali.end();
            EXPECT_EQ(x.tipo, segno ? 11 : prima[static_cast<std::size_t>(i)].tipo) << i;
        }
    }
}

TEST(MemoMontagna, MarkerOnlyOnEmptyCells) {
    Scenario s = pista();
    s.percorso[39].tipo = tipo_cella::cartello;
    std::int32_t tipo = 12;
    memo_montagna(s, Luogo{}, 1800, 2400, tipo);
    EXPECT_EQ(s.percorso[39].tipo, tipo_cella::cartello);
    EXPECT_EQ(s.percorso[43].tipo, tipo_cella::segnale_montagna);
    EXPECT_EQ(s.percorso[39].montagna, 2);
}

TEST(MemoMontagna, ZonesThatDoNotFitWriteNothing) {
    Scenario s = pista();
    std::int32_t tipo = 1;
    EXPECT_EQ(memo_montagna(s, Luogo{4, 1}, 7000, 8100, tipo), rifiutato(Stato::oltre_il_percorso));
    EXPECT_EQ(s.posizione_errore, 8100);
    ASSERT_EQ(s.diagnostiche.size(), 1u);
    EXPECT_EQ(s.diagnostiche[0].luogo(), (Luogo{4, 1}));
    EXPECT_EQ(s.diagnostiche[0].cella, 161);
    EXPECT_THROW(memo_montagna(s, Luogo{}, -500, 100, tipo), GuastoVoce);
    EXPECT_EQ(s.n_montagne, 0);
    EXPECT_EQ(tipo, 1);
    for (int i = 0; i < massimo_montagne; ++i) {
        ASSERT_EQ(memo_montagna(s, Luogo{}, 10 * i, 10 * i + 5, tipo), registrato);
    }
    const std::vector<Cella> prima = s.percorso;
    EXPECT_THROW(memo_montagna(s, Luogo{}, 5000, 6000, tipo), GuastoVoce);
    EXPECT_EQ(s.n_montagne, massimo_montagne);
    EXPECT_EQ(s.percorso, prima);
}

}  // namespace
}  // namespace compattatore
