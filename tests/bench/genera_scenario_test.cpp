// Generated scenarios compile clean at every length, so that the benchmarks
// measure the whole compile and not a reading that stopped early.
#include "bench/genera_scenario.hpp"

#include <gtest/gtest.h>

#include "formato/file_percorso.hpp"
#include "output/compila.hpp"

namespace compattatore {
namespace {

TEST(GeneraScenario, CompilesCleanAtEveryLength) {
    for (const std::int32_t lunghezza : {1000, 10000, 93000, 250000, 1000000}) {
        const banco::ScenarioGenerato g = banco::genera_scenario(lunghezza);
        Scenario s;
        s.nome_percorso = "Banco";
        s.numero_treno = "1";
        const EsitoCompilazione esito = compila(s, 1, Descrizioni{g.linea, g.treno});
        EXPECT_EQ(esito.arresto, Stato::nessuno) << lunghezza;
        EXPECT_EQ(s.codice_errore, Stato::nessuno) << lunghezza;
        EXPECT_TRUE(s.diagnostiche.empty()) << lunghezza << ": " << s.diagnostiche.front().messaggio;
        EXPECT_EQ(s.lunghezza_estesa, lunghezza + 7000);
        EXPECT_EQ(s.planimetria.calcolati(), s.lunghezza_estesa - 1) << "plan drawn to lunghezza_estesa - 2";
        UscitaConteggio u;
        scrivi_percorso(s.percorso, u);
        EXPECT_EQ(u.totale, 15u * static_cast<std::uint64_t>(s.ultima_cella + 1));
    }
}

}  // namespace
}  // namespace compattatore
