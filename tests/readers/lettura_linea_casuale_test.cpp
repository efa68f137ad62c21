// Randomly damaged copies of the embedded line description: whatever the
// damage, the reading step ends in one of its statuses, throws nothing and
// leaves the tables consistent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>

#include "describe/dati_linea.hpp"
#include "driver/base/stampa.hpp"
#include "readers/memorizza_dati.hpp"

namespace compattatore {
namespace {

// One random change: a byte replaced, something a description is made of
// inserted, a few bytes deleted, or the text cut short.
void guasta(std::string& t, std::mt19937& caso) {
    static const char* const inserti[] = {",", "-", "0", "7", "9", "\r\n", "\n", "\r", " ", "[", "]", "s", "-1",
                                          "99999999999", "pendenza, 100, 5", "cartello_indicatore, 500, (X)"};
    const std::size_t dove = t.empty() ? 0 : caso() % (t.size() + 1);
    switch (caso() % 8) {
        case 0:
        case 1:
            if (dove < t.size()) t[dove] = static_cast<char>(caso() % 256);
            break;
        case 2:
        case 3:
        case 4:
            t.insert(dove, inserti[caso() % std::size(inserti)]);
            break;
        case 5:
        case 6:
            t.erase(dove, 1 + caso() % 5);
            break;
        default:
            if (caso() % 4 == 0) t.resize(dove);
            break;
    }
}

TEST(LetturaLineaCasuale, DamagedCopiesEndInAKnownStatus) {
    const std::string originale = testo_linea();
    using enum Stato;
    const std::set<Stato> fermate = {generale_assente,         lunghezza_fuori_limiti,
                                     ripetizione_inizio_non_multiplo, ripetizione_fine_non_multipla,
                                     ripetizione_senza_sistema, oltre_il_percorso,
                                     curva_inutilizzabile,     cartello_su_cella_occupata,
                                     indicatore_su_cella_occupata, guasto_lettura};
    std::mt19937 caso(20240601u);
    std::set<Stato> visti;
    for (int n = 0; n < 3000; ++n) {
        std::string t = originale;
        const int danni = 1 + static_cast<int>(caso() % 4);
        for (int d = 0; d < danni; ++d) guasta(t, caso);

        Scenario s;
        s.scrivi_linea = n % 2;
        EsitoLettura esito;
        // No train description: a line half that lets the train half run
        // ends in guasto_lettura for the missing text.
        ASSERT_NO_THROW(esito = memorizza_dati(s, Descrizioni{t, std::nullopt})) << "copy " << n;
        // The tool's own refusals (no status number) may come before the stop.
        const auto stop = std::find_if(s.diagnostiche.begin(), s.diagnostiche.end(),
                                       [](const Diagnostica& d) { return d.numero() != 0; });
        ASSERT_NE(stop, s.diagnostiche.end()) << "copy " << n;
        const Stato primo = stop->stato;
        ASSERT_TRUE(fermate.contains(primo)) << "copy " << n << ": status " << numero(primo);
        ASSERT_TRUE(fermate.contains(s.codice_errore)) << "copy " << n;
        visti.insert(primo);
        EXPECT_TRUE(esito.elimina_linea);
        EXPECT_FALSE(esito.elimina_treno);
        ASSERT_LE(s.n_montagne, massimo_montagne);
        if (s.percorso_dimensionato()) {
            ASSERT_EQ(s.percorso.size(), static_cast<std::size_t>(s.ultima_cella) + 1) << "copy " << n;
        }
        if (s.planimetria.dimensionata()) {
            ASSERT_EQ(s.planimetria.ultimo(), s.lunghezza_estesa);
            ASSERT_LE(s.planimetria.calcolati(), s.lunghezza_estesa - 1) << "copy " << n;
        }
    }
    // The damage reaches the checks, not just the field reader.
    EXPECT_GE(visti.size(), 5u);
}

}  // namespace
}  // namespace compattatore
