#include "readers/memo_stazione.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "readers/guasto_voce.hpp"

namespace compattatore {
namespace {

constexpr Luogo dove{6, 1};

// A track of 2001 cells with station k's fields as the reader leaves them.
Scenario con_stazione(std::int32_t k, std::int32_t p, std::uint8_t tipo, std::uint8_t opzione_c = 0) {
    Scenario s;
    dimensiona_percorso(s, 93000);
    Voce& v = s.voce(k);
    v.posizione = p;
    v.tipo = tipo;
    v.opzione_c = opzione_c;
    v.opzione_d = 1;
    return s;
}

TEST(MemoStazione, RefusalsAndWhatStaysWritten) {
    struct Caso {
        const char* nome;
        Scenario s;
        DatiStazione d;
        EsitoMemo atteso;
        std::function<void(const Scenario&)> verifica;
    };
    Caso casi[] = {
        {"placed: zone, stop cell and marks", con_stazione(1, 20000, 4), {1, 400, {}, 80}, registrato,
         [](const Scenario& s) {
             EXPECT_EQ(s.voce(1).inizio, 19800);
             EXPECT_EQ(s.voce(1).fine, 20200);
             EXPECT_EQ(s.voce(1).opzione_d, 0);  // first station
             EXPECT_EQ(s.cella(403).tipo, tipo_cella::fermata);
             EXPECT_EQ(s.cella(403).valore_1, 1);
             for (int j = 1; j <= 4; ++j) EXPECT_EQ(s.cella(403 - j).preavviso, 80 + j);
         }},
        {"stop cell beyond the track: the zone only", con_stazione(1, 99200, 4), {1, 20000, {}, 80},
         rifiutato(Stato::oltre_il_percorso),
         [](const Scenario& s) {
             EXPECT_EQ(s.voce(1).fine, 109200);
             EXPECT_EQ(s.diagnostiche.back().cella, 2183);
             for (const Cella& c : s.percorso) EXPECT_EQ(c, Cella{});
         }},
        {"no room for the stop cell", con_stazione(1, 100, 4), {1, 0, {}, 80},
         rifiutato(Stato::stazione_senza_fermata),
         [](const Scenario& s) {
             EXPECT_EQ(s.cella(1).tipo, 0);
             EXPECT_EQ(s.posizione_errore, 0);  // this status carries no position
         }},
        {"zones too close: the stop stays", con_stazione(2, 20500, 4), {2, 400, {}, 80},
         rifiutato(Stato::stazioni_troppo_vicine),
         [](const Scenario& s) {
             EXPECT_EQ(s.cella(413).tipo, tipo_cella::fermata);
             EXPECT_EQ(s.posizione_errore, 20500);
         }},
        {"the next entry is a board text's: the station is complete", con_stazione(3, 20000, 4), {3, 400, {}, 4},
         rifiutato(Stato::stazioni_sui_cartelli),
         [](const Scenario& s) { EXPECT_EQ(s.cella(403).valore_1, 3); }},
    };
    casi[3].s.voce(1).fine = 20000;  // the previous zone ends 300 m before this one starts
    for (Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(memo_stazione(c.s, dove, c.d), c.atteso);
        EXPECT_EQ(c.s.codice_errore, c.atteso.rifiuto.value_or(Stato::nessuno));
        if (c.atteso.rifiuto) {
            ASSERT_EQ(c.s.diagnostiche.size(), 1u);
            EXPECT_EQ(c.s.diagnostiche[0].luogo(), dove);
            EXPECT_EQ(c.s.diagnostiche[0].sorgente, Sorgente::treno);
        }
        c.verifica(c.s);
    }
}

TEST(MemoStazione, ZoneThatDoesNotFitIsAFailureAtTheLength) {
    Scenario s = con_stazione(1, 20000, 7);
    const Luogo lunghezza{6, 21};
    try {
        memo_stazione(s, dove, {1, 2147483600, lunghezza, 80});
        FAIL() << "no failure";
    } catch (const GuastoVoce& g) {
        EXPECT_EQ(g.luogo(), lunghezza);
    }
    EXPECT_EQ(s.voce(1).fine, 0);
}

TEST(MemoStazione, ChecksWhileTheEntryIsRead) {
    Scenario s;
    EXPECT_EQ(controlla_posto(s, dove, 80, 80), registrato);
    EXPECT_EQ(controlla_posto(s, dove, 81, 80), rifiutato(Stato::stazioni_sui_cartelli));
    EXPECT_EQ(controlla_posizione(s, dove, -50), registrato);
    EXPECT_EQ(controlla_posizione(s, dove, 25), rifiutato(Stato::stazione_non_multipla));
    EXPECT_EQ(controlla_lunghezza(s, dove, 500, 0), registrato);
    EXPECT_EQ(controlla_lunghezza(s, dove, 500, 150), rifiutato(Stato::lunghezza_stazione_non_multipla));
    EXPECT_EQ(s.posizione_errore, 500);
    EXPECT_EQ(s.diagnostiche.size(), 3u);

    EXPECT_EQ(orario_stazione(dove, 0, 13, 40, 45), 49245);
    EXPECT_EQ(orario_stazione(dove, 0, -1, 0, 0), -3600);
    EXPECT_THROW(orario_stazione(dove, 0, 596523, 14, 8), GuastoVoce);
}

}  // namespace
}  // namespace compattatore
