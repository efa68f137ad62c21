// Mutated copies of the embedded train description must end in a documented
// status: every failure is ErroreLettura or FuoriTabella (status 25 for the
// reading step), never anything else, and no table changes its size.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "treno_comune.hpp"

namespace compattatore {
namespace {

std::string muta(std::string t, std::mt19937& g) {
    static const std::string pezzi[] = {",", "-", "0", "9", "5", " ", "\r\n", "\n", "\r", "-1", "99999",
                                        "2147483648", "stazione,", "segnale,", "rallentamento,", "abbattimento,",
                                        "velocita,", "aderenza,", "[generale]", "a", "x"};
    const int quante = 1 + static_cast<int>(g() % 4);
    for (int m = 0; m < quante && !t.empty(); ++m) {
        const std::size_t i = g() % t.size();
        switch (g() % 6) {
            case 0: t[i] = static_cast<char>(g() % 256); break;
            case 1: t.insert(i, pezzi[g() % std::size(pezzi)]); break;
            case 2: t.erase(i, 1 + g() % 8); break;
            case 3: t.resize(i); break;
            case 4: t.insert(i, t.substr(i, 1 + g() % 80)); break;  // a repeated stretch
            default: {
                // A digit changed in place: positions, kinds and lengths shift.
                const std::size_t c = t.find_first_of("0123456789", i);
                if (c != std::string::npos) t[c] = static_cast<char>('0' + g() % 10);
            }
        }
    }
    return t;
}

TEST(TrenoCasuale, MutatedDescriptionsEndInADocumentedStatus) {
    using enum Stato;
    const std::set<Stato> documentati = {nessuno,
                                         progressiva_non_multipla,
                                         abbattimento_su_cella_occupata,
                                         stazione_non_multipla,
                                         lunghezza_stazione_non_multipla,
                                         stazioni_sui_cartelli,
                                         oltre_il_percorso,
                                         segnale_su_cella_occupata,
                                         avviso_rallentamento_occupato,
                                         inizio_rallentamento_occupato,
                                         fine_rallentamento_occupata,
                                         prima_avviso_occupata,
                                         stazioni_troppo_vicine,
                                         stazione_senza_fermata,
                                         guasto_lettura};
    const std::string base = testo_treno();
    const std::int32_t slot[] = {80, 80, 80, 79, 3, 1, 0, -1};
    std::mt19937 g(20240611);
    for (int n = 0; n < 4000; ++n) {
        const std::string testo = muta(base, g);
        Scenario s = prova::percorso_vuoto();
        if (g() % 8 == 0) s.voce(81).fine = 25;
        for (int i = 0; i < 5; ++i) {
            // Some cells already hold features of the line.
            s.cella(g() % 2001).tipo = static_cast<std::uint8_t>(g() % 15);
        }
        LettoreCampi campi(testo);
        try {
            leggi_treno(s, campi, slot[g() % std::size(slot)]);
        } catch (const ErroreLettura&) {
            s.codice_errore = Stato::guasto_lettura;
        } catch (const FuoriTabella&) {
            s.codice_errore = Stato::guasto_lettura;
        } catch (const std::exception& e) {
            ADD_FAILURE() << "unexpected failure " << e.what() << " for\n" << testo;
            break;
        }
        ASSERT_TRUE(documentati.count(s.codice_errore)) << numero(s.codice_errore) << " for\n" << testo;
        ASSERT_EQ(s.percorso.size(), 2001u);
        for (const auto& d : s.diagnostiche) ASSERT_FALSE(d.messaggio.vuoto());
    }
}

}  // namespace
}  // namespace compattatore
