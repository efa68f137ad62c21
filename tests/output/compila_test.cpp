#include "output/compila.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "formato/file_percorso.hpp"
#include "formato/file_voci.hpp"

namespace compattatore {
namespace {

// The tables as the readers leave them for the 93000 m line: 2001 cells, the
// identity strings copied into entries 85 and 86.
Scenario letto() {
    Scenario s;
    s.nome_percorso = "Valmora PR_Valmora PF";
    s.numero_treno = "5286";
    dimensiona_percorso(s, 93000);
    s.voce(indice_voce::linea).nome = s.nome_percorso;
    s.voce(indice_voce::treno).nome = s.numero_treno;
    return s;
}

TEST(Marchia, MarksAndCodesReachTheFiles) {
    Scenario s = letto();
    ASSERT_EQ(marchia(s), Stato::nessuno);
    EXPECT_EQ(s.voce(85).dato_a, 610);
    EXPECT_EQ(s.voce(85).orario, 31678);
    EXPECT_EQ(s.cella(1).valore_1, 5121);
    EXPECT_EQ(s.cella(1).valore_2, 2320);

    UscitaMemoria percorso;
    scrivi_percorso(s.percorso, percorso);
    ASSERT_EQ(percorso.byte.size(), 30015u);
    const unsigned char attesi[] = {0x01, 0x14, 0x10, 0x09};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(static_cast<unsigned char>(percorso.byte[16 + i]), attesi[i]) << "byte " << 16 + i;
    }

    UscitaMemoria voci;
    scrivi_voci(s.voci, voci);
    const std::size_t n = s.nome_percorso.size();
    const std::size_t dato_a = 85 * 34 + 16 + n;
    EXPECT_EQ(static_cast<unsigned char>(voci.byte.at(dato_a)), 0x62);
    EXPECT_EQ(static_cast<unsigned char>(voci.byte.at(dato_a + 1)), 0x02);
}

TEST(Marchia, SlotAlreadyTakenStopsTheRun) {
    struct Caso {
        const char* nome;
        std::function<void(Scenario&)> prepara;
        Stato arresto;
        bool marchi;  // the marks were stamped before the stop
    };
    const Caso casi[] = {
        {"entry 85 mark slot", [](Scenario& s) { s.voce(85).dato_a = 1; }, Stato::marchio_occupato, false},
        {"a signal in cell 1", [](Scenario& s) {
             s.cella(1).tipo = tipo_cella::segnale;
             s.cella(1).valore_1 = 20;
         },
         Stato::marchio_occupato, false},
        {"entry 85 code slot", [](Scenario& s) { s.voce(85).orario = -5; }, Stato::codice_gara_occupato, true},
        {"cell 1 code slot", [](Scenario& s) { s.cella(1).valore_2 = 30; }, Stato::codice_gara_occupato, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Scenario s = letto();
        c.prepara(s);
        Scenario prima = s;
        EXPECT_EQ(marchia(s), c.arresto);
        if (!c.marchi) {
            EXPECT_EQ(s.voci, prima.voci);
            EXPECT_EQ(s.percorso, prima.percorso);
        } else {
            EXPECT_EQ(s.voce(85).dato_a, 610);
            EXPECT_EQ(s.cella(1).valore_1, 5121);
            // No code was stored over or beside the taken slot.
            EXPECT_EQ(s.voce(85).orario, prima.voce(85).orario);
            EXPECT_EQ(s.cella(1).valore_2, prima.cella(1).valore_2);
        }
    }
}

TEST(Compila, TrackNeverSizedStopsBeforeEverything) {
    struct Caso {
        const char* nome;
        Descrizioni d;
    };
    const Caso casi[] = {
        {"no line description", Descrizioni{}},
        {"empty line description", Descrizioni{std::string_view(""), std::nullopt}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Scenario s;
        s.nome_percorso = "Valmora PR_Valmora PF";
        s.numero_treno = "5286";
        s.codice_errore = Stato::abbattimento_su_cella_occupata;  // left by an earlier compile: reset
        s.voce(85).dato_a = 610;                                  // idem: entries are cleared
        s.voce(3).nome = "old station";
        const EsitoCompilazione e = compila(s, 1, c.d);
        EXPECT_TRUE(e.percorso_assente);
        EXPECT_EQ(e.arresto, Stato::nessuno);
        EXPECT_EQ(s.scrivi_linea, 1);
        EXPECT_TRUE(s.percorso.empty());
        // The stop has a status that says why, and a diagnostic in words.
        EXPECT_NE(s.codice_errore, Stato::nessuno);
        EXPECT_NE(s.codice_errore, Stato::abbattimento_su_cella_occupata);
        ASSERT_FALSE(s.diagnostiche.empty());
        EXPECT_FALSE(s.diagnostiche.back().messaggio.vuoto());
        // Nothing after the reading ran: no marks, no codes.
        EXPECT_EQ(s.voce(85).dato_a, 0);
        EXPECT_EQ(s.voce(85).orario, 0);
        EXPECT_EQ(s.voce(3).nome, "");
        EXPECT_EQ(s.voce(85).nome, "Valmora PR_Valmora PF");
    }
}

TEST(Compila, NoLineDescriptionIsItsOwnStatus) {
    Scenario s;
    compila(s, 0, Descrizioni{});
    EXPECT_EQ(s.codice_errore, Stato::linea_assente);
    EXPECT_EQ(s.scrivi_linea, 0);
}

}  // namespace
}  // namespace compattatore
