#include "output/rifinitura.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace compattatore {
namespace {

namespace tc = tipo_cella;

struct Posa {
    int cella;
    std::uint8_t tipo;
    std::int16_t valore = 0;
};

struct Avviso {
    Stato stato;
    int cella;
};

struct Caso {
    std::string nome;
    int ultima;                   // ultima_cella
    std::vector<Posa> prima;      // the track before the pass
    std::vector<Posa> cambiate;   // cells whose tipo / valore_1 the pass must change
    std::vector<Avviso> avvisi = {};
};

// Tracks shorter than any line gives (a line's track has at least 140 cells),
// so that the bounds at the last cell are easy to reach.
Scenario pista(int ultima, const std::vector<Posa>& posate) {
    Scenario s;
    s.ultima_cella = ultima;
    s.percorso.assign(static_cast<std::size_t>(ultima) + 1, Cella{});
    for (std::size_t i = 0; i < s.percorso.size(); ++i) {
        // Members the pass must leave alone.
        s.percorso[i].pendenza = 100;
        s.percorso[i].velocita_limite = 16;
    }
    for (const Posa& p : posate) {
        s.cella(p.cella).tipo = p.tipo;
        s.cella(p.cella).valore_1 = p.valore;
    }
    return s;
}

void verifica(const Caso& c) {
    SCOPED_TRACE(c.nome);
    Scenario s = pista(c.ultima, c.prima);
    Scenario atteso = pista(c.ultima, c.prima);
    for (const Posa& p : c.cambiate) {
        atteso.cella(p.cella).tipo = p.tipo;
        atteso.cella(p.cella).valore_1 = p.valore;
    }
    rifinisci(s);
    ASSERT_EQ(s.percorso.size(), atteso.percorso.size());
    for (std::size_t i = 0; i < s.percorso.size(); ++i) {
        EXPECT_EQ(s.percorso[i], atteso.percorso[i])
            << "cell " << i << ": tipo " << int(s.percorso[i].tipo) << " valore_1 " << s.percorso[i].valore_1
            << ", expected tipo " << int(atteso.percorso[i].tipo) << " valore_1 " << atteso.percorso[i].valore_1;
    }
    ASSERT_EQ(s.diagnostiche.size(), c.avvisi.size());
    for (std::size_t i = 0; i < c.avvisi.size(); ++i) {
        const Diagnostica& d = s.diagnostiche[i];
        EXPECT_EQ(d.stato, c.avvisi[i].stato);
        EXPECT_EQ(d.cella, c.avvisi[i].cella);
        EXPECT_EQ(d.posizione, c.avvisi[i].cella * 50);
        EXPECT_EQ(d.sorgente, Sorgente::rifinitura);
        EXPECT_TRUE(d.avviso());
        EXPECT_NE(d.messaggio.en().find(std::to_string(c.avvisi[i].cella)), std::string::npos) << d.messaggio;
    }
    if (!c.avvisi.empty()) {
        EXPECT_EQ(s.codice_errore, c.avvisi.back().stato);
        EXPECT_EQ(s.posizione_errore, c.avvisi.back().cella * 50);
    } else {
        EXPECT_EQ(s.codice_errore, Stato::nessuno);
    }
}

Posa codice(int cella, std::int16_t valore = valore_codice) { return {cella, tc::punto_codice, valore}; }

TEST(Rifinitura, SignalsBeforeAWarningBoard) {
    const Posa avviso{30, tc::avviso_rallentamento, 60};
    const Posa segnale{25, tc::segnale, 20};
    const Posa occupata24{24, tc::indicatore_v_max, 5};
    const Posa occupata23{23, tc::cartello, 80};
    const Caso casi[] = {
        {"free cell before the signal", 40, {avviso, segnale}, {codice(24)}},
        {"mountain marker counts as free", 40, {avviso, segnale, {24, tc::segnale_montagna}}, {codice(24)}},
        {"first cell taken, second free", 40, {avviso, segnale, occupata24}, {codice(23)}},
        {"270 lowered when the second cell is taken", 40, {avviso, segnale, codice(24, 270), occupata23},
         {codice(24, 180)}},
        {"75 kept", 40, {avviso, segnale, codice(24, 75), occupata23}, {}},
        {"270 kept when the second cell is free", 40, {avviso, segnale, codice(24, 270)}, {codice(23)}},
        {"second cell lowered when the first is taken", 40, {avviso, segnale, occupata24, codice(23, 270)},
         {codice(23, 180)}},
        {"no room: a warning at the signal", 40, {avviso, segnale, occupata24, occupata23}, {}, {{Stato::rifinitura_prima_del_segnale, 25}}},
        {"every signal among the 20 cells is treated", 40,
         {avviso, segnale, {15, tc::segnale, 20}, {10, tc::segnale, 20}}, {codice(24), codice(14), codice(9)}},
        {"a signal 21 cells before is not", 40, {avviso, {9, tc::segnale, 20}}, {}},
        {"board at cell 5 reaches cell 3", 40, {{5, tc::avviso_rallentamento, 60}, {3, tc::segnale, 20}},
         {codice(2)}},
        {"board at cell 5 stops above cell 2", 40, {{5, tc::avviso_rallentamento, 60}, {2, tc::segnale, 20}}, {}},
        {"board on the last examined cell", 30, {{28, tc::avviso_rallentamento, 60}, {25, tc::segnale, 20}},
         {codice(24)}},
        {"board past the last examined cell", 30, {{29, tc::avviso_rallentamento, 60}, {25, tc::segnale, 20}}, {}},
    };
    for (const Caso& c : casi) verifica(c);
}

// Starts of 110 km/h with no end cell: rules 3 and 4 place nothing.
TEST(Rifinitura, CodePointsBeforeASlowdownStart) {
    auto inizio = [](int cella) { return Posa{cella, tc::inizio_rallentamento, 110}; };
    const Caso casi[] = {
        {"start at cell 7: none", 40, {inizio(7)}, {}},
        {"start at cell 8: first only", 40, {inizio(8)}, {codice(3)}},
        {"start at cell 14: first two", 40, {inizio(14)}, {codice(9), codice(3)}},
        {"start at cell 21: all three", 40, {inizio(21)}, {codice(16), codice(10), codice(3)}},
        {"first cell taken", 40, {inizio(30), codice(25)}, {codice(24), codice(19), codice(12)}},
        {"two cells taken", 40, {inizio(30), {25, tc::segnale}, {24, tc::segnale}},
         {codice(23), codice(19), codice(12)}},
        {"a failed placement does not stop the others", 40,
         {inizio(30), {25, tc::segnale}, {24, tc::segnale}, {23, tc::segnale}}, {codice(19), codice(12)},
         {{Stato::rifinitura_prima_del_rallentamento, 30}}},
    };
    for (const Caso& c : casi) verifica(c);
}

// Slowdowns start at cell 7 so that the placements before the start stay out.
TEST(Rifinitura, CodePointsInsideASlowSlowdown) {
    auto inizio = [](std::int16_t velocita) { return Posa{7, tc::inizio_rallentamento, velocita}; };
    auto fine = [](int cella) { return Posa{cella, tc::fine_rallentamento, 60}; };
    const Posa presa{0, tc::indicatore_v_max};
    auto presa_in = [&](int cella) { return Posa{cella, presa.tipo, 1}; };
    const Caso casi[] = {
        {"every 8 cells from the start", 60, {inizio(60), fine(37)}, {codice(15), codice(23), codice(31)}},
        {"109 km/h still gets them", 60, {inizio(109), fine(37)}, {codice(15), codice(23), codice(31)}},
        {"110 km/h gets none", 60, {inizio(110), fine(37)}, {}},
        {"count reaching 8 on the end cell", 60, {inizio(60), fine(15)}, {codice(14)}},
        {"end right after the start", 60, {inizio(60), fine(8)}, {}},
        {"taken cell: one back, count restarts at 1", 60, {inizio(60), fine(40), presa_in(15)},
         {codice(14), codice(22), codice(30), codice(38)}},
        {"two taken: one forward, count restarts at -1", 60, {inizio(60), fine(30), presa_in(15), presa_in(14)},
         {codice(16), codice(24)}},
        {"no room: diagnostic 13, no further points", 60,
         {inizio(60), fine(40), presa_in(14), presa_in(15), presa_in(16)}, {}, {{Stato::rifinitura_nel_rallentamento, 15}}},
        {"no end cell: the scan stops at the last cell", 30, {inizio(60)}, {codice(15), codice(23)}},
        {"count reaching 8 on the last cell", 31, {inizio(60)}, {codice(15), codice(23), codice(31)}},
        {"nothing free at the last cell: no look beyond it", 31, {inizio(60), presa_in(31), presa_in(30)},
         {codice(15), codice(23)}, {{Stato::rifinitura_nel_rallentamento, 31}}},
        {"two slowdowns close together", 60,
         {inizio(60), fine(30), {28, tc::inizio_rallentamento, 110}},
         {codice(15), codice(23), codice(22), codice(17), codice(10)}},
    };
    for (const Caso& c : casi) verifica(c);
}

TEST(Rifinitura, CodePointBeforeTheFirstSignalAfterTheSlowdown) {
    auto inizio = [](std::int16_t velocita) { return Posa{7, tc::inizio_rallentamento, velocita}; };
    const Posa fine{12, tc::fine_rallentamento, 60};
    auto segnale = [](int cella) { return Posa{cella, tc::segnale, 20}; };
    const Caso casi[] = {
        {"signal after the end", 60, {inizio(60), fine, segnale(20)}, {codice(19)}},
        {"signal 12 cells after the end", 60, {inizio(60), fine, segnale(24)}, {codice(23)}},
        {"signal 13 cells after the end", 60, {inizio(60), fine, segnale(25)}, {}},
        {"only the first signal", 60, {inizio(60), fine, segnale(15), segnale(20)}, {codice(14)}},
        {"cell before the signal taken", 60, {inizio(60), fine, segnale(20), {19, tc::cartello, 80}}, {codice(18)}},
        {"no room: diagnostic 13 at the end cell", 60,
         {inizio(60), fine, segnale(20), {19, tc::cartello, 80}, {18, tc::cartello, 79}}, {}, {{Stato::rifinitura_nel_rallentamento, 12}}},
        {"signal right after the end", 60, {inizio(60), fine, segnale(13)}, {codice(11)}},
        {"fast slowdown: the search starts at its end cell", 60, {inizio(110), fine, segnale(20)}, {codice(19)}},
        {"fast slowdown with no end cell: nothing", 60, {inizio(110), segnale(20)}, {}},
        {"no end cell: nothing after the last inner point", 30, {inizio(60), segnale(10)},
         {codice(15), codice(23)}},
        {"search stops at the last cell", 16, {inizio(60), fine}, {}},
        {"signal on the last cell", 16, {inizio(60), fine, segnale(16)}, {codice(15)}},
    };
    for (const Caso& c : casi) verifica(c);
}

TEST(Rifinitura, TrackWithoutSlowdownMarksIsLeftAlone) {
    const Caso c{"signals, boards, code points, markers", 60,
                 {{3, tc::segnale, 20},
                  {10, tc::segnale, 20},
                  {9, tc::punto_codice, 270},
                  {20, tc::indicatore_v_max, 5},
                  {21, tc::segnale_montagna},
                  {30, tc::fermata, 1},
                  {40, tc::cartello, 80},
                  {45, tc::prima_avviso, 1}},
                 {}};
    verifica(c);
}

TEST(Rifinitura, UnsizedTrackIsLeftAlone) {
    Scenario s;
    s.ultima_cella = 2000;  // a length was never turned into cells
    rifinisci(s);
    EXPECT_TRUE(s.percorso.empty());
    EXPECT_TRUE(s.diagnostiche.empty());
}

}  // namespace
}  // namespace compattatore
