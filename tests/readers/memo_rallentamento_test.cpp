#include "readers/memo_rallentamento.hpp"

#include <gtest/gtest.h>

#include <map>

#include "treno_comune.hpp"

namespace compattatore {
namespace {

using prova::percorso_vuoto;

struct Atteso {
    std::uint8_t tipo;
    std::int16_t valore_1, valore_2, valore_3;
};

// Every cell of the track that is not empty afterwards, with its values.
std::map<std::int64_t, Atteso> occupate(const Scenario& s) {
    std::map<std::int64_t, Atteso> m;
    for (std::int64_t i = 0; i <= s.ultima_cella; ++i) {
        const Cella& c = s.cella(i);
        if (c.tipo != 0) m[i] = Atteso{c.tipo, c.valore_1, c.valore_2, c.valore_3};
    }
    return m;
}

bool operator==(const Atteso& a, const Atteso& b) {
    return a.tipo == b.tipo && a.valore_1 == b.valore_1 && a.valore_2 == b.valore_2 && a.valore_3 == b.valore_3;
}

void PrintTo(const Atteso& a, std::ostream* os) {
    *os << "{tipo " << int{a.tipo} << ", " << a.valore_1 << ", " << a.valore_2 << ", " << a.valore_3 << "}";
}

TEST(MemoRallentamento, CellsOfAPlacedSlowdown) {
    const struct {
        const char* nome;
        DatiRallentamento r;
        std::map<std::int64_t, Atteso> celle;
    } casi[] = {
        {"10000 m, 500 m, f_ta 1",
         {10000, 30, 500, 2, 1, 0},
         {{173, {5, 4, 0, 0}},
          {174, {5, 3, 0, 0}},
          {175, {5, 2, 0, 0}},
          {176, {5, 1, 0, 0}},
          {177, {4, 30, 0, 0}},
          {201, {3, 30, 0, 2}},
          {211, {2, 30, 0, 2}}}},
        {"d_v 40",
         {10000, 30, 500, 2, 1, 40},
         {{173, {5, 4, 4, 0}},
          {174, {5, 3, 3, 0}},
          {175, {5, 2, 2, 0}},
          {176, {5, 1, 1, 0}},
          {177, {4, 30, 40, 0}},
          {201, {3, 30, 40, 2}},
          {211, {2, 30, 40, 2}}}},
        {"f_ta 0: no cells before the warning", {10000, 30, 500, 2, 0, 0},
         {{177, {4, 30, 0, 0}}, {201, {3, 30, 0, 2}}, {211, {2, 30, 0, 2}}}},
        {"at 1500 m: neither warning nor cells before it", {1500, 30, 500, 2, 1, 0},
         {{31, {3, 30, 0, 2}}, {41, {2, 30, 0, 2}}}},
        {"at 1550 m: both placed",
         {1550, 30, 500, 2, 1, 0},
         {{4, {5, 4, 0, 0}},
          {5, {5, 3, 0, 0}},
          {6, {5, 2, 0, 0}},
          {7, {5, 1, 0, 0}},
          {8, {4, 30, 0, 0}},
          {32, {3, 30, 0, 2}},
          {42, {2, 30, 0, 2}}}},
        {"l 0: start and end on one cell, ends as a start", {1000, 30, 0, 2, 0, 40}, {{21, {3, 30, 40, 2}}}},
        {"packed values take the low 16 bits", {1000, 65566, 100, -65535, 0, 65536},
         {{21, {3, 30, 0, 1}}, {23, {2, 30, 0, 1}}}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Scenario s = percorso_vuoto();
        EXPECT_EQ(memo_rallentamento(s, Luogo{}, c.r), registrato);
        EXPECT_EQ(s.codice_errore, Stato::nessuno);
        EXPECT_EQ(occupate(s), c.celle);
    }
}

// d_v 0 leaves valore_2 of every slowdown cell as it was.
TEST(MemoRallentamento, ZeroSpeedDropKeepsValore2) {
    Scenario s = percorso_vuoto();
    for (const std::int64_t i : {173, 174, 175, 176, 177, 201, 211}) {
        s.cella(i).tipo = tipo_cella::segnale_montagna;
        s.cella(i).valore_2 = 9;
    }
    EXPECT_EQ(memo_rallentamento(s, Luogo{}, {10000, 30, 500, 2, 1, 0}), registrato);
    for (const std::int64_t i : {173, 174, 175, 176, 177, 201, 211}) EXPECT_EQ(s.cella(i).valore_2, 9) << i;
}

TEST(MemoRallentamento, RefusalsLeaveWhatTheySay) {
    const struct {
        const char* nome;
        std::int64_t occupata;
        Stato codice;
        std::map<std::int64_t, Atteso> celle;  // besides the occupied cell
    } casi[] = {
        {"warning", 177, Stato::avviso_rallentamento_occupato, {}},
        {"start", 201, Stato::inizio_rallentamento_occupato, {}},
        {"end", 211, Stato::fine_rallentamento_occupata, {}},
        {"cell before the warning", 174, Stato::prima_avviso_occupata,
         {{177, {4, 30, 0, 0}}, {201, {3, 30, 0, 2}}, {211, {2, 30, 0, 2}}}},
        {"the cell next to the warning", 176, Stato::prima_avviso_occupata,
         {{177, {4, 30, 0, 0}}, {201, {3, 30, 0, 2}}, {211, {2, 30, 0, 2}}}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Scenario s = percorso_vuoto();
        s.cella(c.occupata).tipo = tipo_cella::cartello;
        EXPECT_EQ(memo_rallentamento(s, Luogo{7, 2}, {10000, 30, 500, 2, 1, 0}), rifiutato(c.codice));
        EXPECT_EQ(s.codice_errore, c.codice);
        EXPECT_EQ(s.posizione_errore, 10000);
        auto celle = c.celle;
        celle[c.occupata] = Atteso{tipo_cella::cartello, 0, 0, 0};
        EXPECT_EQ(occupate(s), celle);
        ASSERT_EQ(s.diagnostiche.size(), 1u);
        EXPECT_EQ(s.diagnostiche[0].cella, c.occupata);
        EXPECT_EQ(s.diagnostiche[0].riga, 7);
    }
}

TEST(MemoRallentamento, AtOrBelow1500TheCellsBeforeTheWarningAreNotTested) {
    Scenario s = percorso_vuoto();
    s.cella(6).tipo = tipo_cella::cartello;  // where x = 1550 would put a tipo-5 cell
    EXPECT_EQ(memo_rallentamento(s, Luogo{}, {1500, 30, 500, 2, 1, 0}), registrato);
    Scenario t = percorso_vuoto();
    t.cella(6).tipo = tipo_cella::cartello;
    EXPECT_EQ(memo_rallentamento(t, Luogo{}, {1550, 30, 500, 2, 1, 0}), rifiutato(Stato::prima_avviso_occupata));
}

// Cells before the start of the track: a failure of the reading step, with
// nothing written.
TEST(MemoRallentamento, CellsBeforeTheTrackAreARunTimeFailure) {
    const DatiRallentamento casi[] = {{-100, 30, 500, 0, 0, 0}, {1000, 30, -1200, 0, 0, 0}};
    for (const auto& r : casi) {
        Scenario s = percorso_vuoto();
        EXPECT_THROW(memo_rallentamento(s, Luogo{}, r), FuoriTabella);
        EXPECT_TRUE(occupate(s).empty());
    }
}

// Through the reader: the end of a slowdown beyond the track is oltre_il_percorso
// with the end position; nothing of that slowdown is written.
TEST(MemoRallentamento, EndBeyondTheTrackThroughTheReader) {
    Scenario s = percorso_vuoto();
    prova::leggi(s, prova::treno({"velocita, 0, 100", "rallentamento, 98000, 30, 1901, 0, 1, 0"}));
    EXPECT_EQ(s.codice_errore, Stato::oltre_il_percorso);
    EXPECT_EQ(s.posizione_errore, 99901);
    EXPECT_TRUE(occupate(s).empty());
    EXPECT_EQ(s.cella(1997).velocita_limite, 20);

    Scenario t = percorso_vuoto();
    prova::leggi(t, prova::treno({"rallentamento, 98000, 30, 1900, 0, 1, 0"}));
    EXPECT_EQ(t.codice_errore, Stato::nessuno);
    EXPECT_EQ(t.cella(1999).tipo, tipo_cella::fine_rallentamento);
}

}  // namespace
}  // namespace compattatore
