#include "readers/memo_segnale.hpp"

#include <gtest/gtest.h>

#include "treno_comune.hpp"

namespace compattatore {
namespace {

using prova::percorso_vuoto;

DatiSegnale segnale(std::int32_t posizione, std::int32_t sx, std::int32_t tempo) {
    DatiSegnale d;
    d.posizione = posizione;
    d.sx = sx;
    d.s1 = 2;
    d.s2 = 3;
    d.dx = 1;
    d.tempo = tempo;
    return d;
}

TEST(MemoSegnale, TimeIsRaisedAndWrittenBackAndKeptOnlyForSx2) {
    const struct {
        std::int32_t sx, tempo, tempo_dopo;
        std::uint8_t tempo_segnale;
    } casi[] = {
        {2, 50, 101, 101}, {2, 1, 101, 101},  {2, 100, 101, 101}, {2, 0, 0, 0},    {2, -5, -5, 251},
        {2, 101, 101, 101}, {2, 238, 238, 238}, {2, 300, 300, 44}, {1, 50, 101, 0}, {3, 238, 238, 0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE("sx " + std::to_string(c.sx) + ", tempo " + std::to_string(c.tempo));
        Scenario s = percorso_vuoto();
        DatiSegnale d = segnale(5000, c.sx, c.tempo);
        EXPECT_EQ(memo_segnale(s, Luogo{}, d), registrato);
        EXPECT_EQ(d.tempo, c.tempo_dopo);
        EXPECT_EQ(s.cella(101).tempo_segnale, c.tempo_segnale);
        EXPECT_EQ(s.cella(101).valore_4, c.sx * 3 + 1);
    }
}

TEST(MemoSegnale, PackedValuesTakeTheLowBits) {
    Scenario s = percorso_vuoto();
    DatiSegnale d;
    d.posizione = 5000;
    d.s1 = 4000;       // 40000 does not fit 16 bits: -25536
    d.d1 = 0;
    d.s2 = -1;
    d.d2 = 3;
    d.s3 = 6553;       // 65530 + 7 = 65537: 1
    d.d3 = 7;
    d.rapp = 1;
    d.sx = 30;         // marks: (90 + 0) * 10 + n = 901..904, low bits 133..136
    EXPECT_EQ(memo_segnale(s, Luogo{}, d), registrato);
    EXPECT_EQ(s.cella(101).valore_1, -25536);
    EXPECT_EQ(s.cella(101).valore_2, -7);
    EXPECT_EQ(s.cella(101).valore_3, 1);
    EXPECT_EQ(s.cella(101).valore_4, 100);
    EXPECT_EQ(s.cella(99).preavviso, 133);
    EXPECT_EQ(s.cella(93).preavviso, 136);
}

TEST(MemoSegnale, FreeCellRule) {
    const struct {
        const char* nome;
        std::uint8_t tipo;
        EsitoMemo atteso;
    } casi[] = {
        {"empty", 0, registrato},
        {"mountain marker is replaced", tipo_cella::segnale_montagna, registrato},
        {"station stop", tipo_cella::fermata, rifiutato(Stato::segnale_su_cella_occupata)},
        {"text board", tipo_cella::cartello, rifiutato(Stato::segnale_su_cella_occupata)},
        {"code point", tipo_cella::punto_codice, rifiutato(Stato::segnale_su_cella_occupata)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Scenario s = percorso_vuoto();
        s.cella(101).tipo = c.tipo;
        s.cella(101).valore_1 = 9;
        DatiSegnale d = segnale(5000, 2, 238);
        EXPECT_EQ(memo_segnale(s, Luogo{3, 1}, d), c.atteso);
        EXPECT_EQ(s.codice_errore, c.atteso.rifiuto.value_or(Stato::nessuno));
        if (c.atteso.registrato()) {
            EXPECT_EQ(s.cella(101).tipo, tipo_cella::segnale);
            EXPECT_EQ(s.cella(99).preavviso, 71);
        } else {
            // Nothing written: not the cell, not the marks, not the time.
            EXPECT_EQ(s.cella(101).tipo, c.tipo);
            EXPECT_EQ(s.cella(101).valore_1, 9);
            EXPECT_EQ(s.cella(99).preavviso, 0);
            ASSERT_EQ(s.diagnostiche.size(), 1u);
            EXPECT_EQ(s.diagnostiche[0].riga, 3);
            EXPECT_EQ(s.posizione_errore, 5000);
        }
    }
}

TEST(MemoSegnale, ApproachMarks) {
    // Two signals 200 m apart: the later one's marks overwrite the shared cells.
    Scenario s = percorso_vuoto();
    DatiSegnale primo = segnale(5000, 1, 0);   // marks 41..44 on 99, 97, 95, 93
    DatiSegnale secondo = segnale(5200, 2, 0); // marks 71..74 on 103, 101(!), 99, 97
    s.cella(95).preavviso = 83;                // a station mark is overwritten too
    ASSERT_EQ(memo_segnale(s, Luogo{}, primo), registrato);
    EXPECT_EQ(s.cella(95).preavviso, 43);
    ASSERT_EQ(memo_segnale(s, Luogo{}, secondo), registrato);
    EXPECT_EQ(s.cella(103).preavviso, 71);
    EXPECT_EQ(s.cella(101).preavviso, 72);
    EXPECT_EQ(s.cella(99).preavviso, 73);
    EXPECT_EQ(s.cella(97).preavviso, 74);
    EXPECT_EQ(s.cella(95).preavviso, 43);
    EXPECT_EQ(s.cella(93).preavviso, 44);
}

// Near the start of the track the marks that would fall before cell 0 are
// dropped and the signal is placed all the same.
TEST(MemoSegnale, MarksBeforeTheTrackAreDropped) {
    const struct {
        std::int32_t posizione;
        std::int64_t cella;
        int segni;
    } casi[] = {{300, 7, 3}, {200, 5, 2}, {0, 1, 0}, {-50, 0, 0}, {350, 8, 4}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.posizione);
        Scenario s = percorso_vuoto();
        DatiSegnale d = segnale(c.posizione, 1, 0);
        EXPECT_EQ(memo_segnale(s, Luogo{}, d), registrato);
        EXPECT_EQ(s.cella(c.cella).tipo, tipo_cella::segnale);
        int segni = 0;
        for (const Cella& cella : s.percorso) segni += cella.preavviso != 0;
        EXPECT_EQ(segni, c.segni);
    }
}

TEST(MemoSegnale, SignalCellBeforeTheTrackIsARunTimeFailure) {
    Scenario s = percorso_vuoto();
    DatiSegnale d = segnale(-100, 1, 0);
    EXPECT_THROW(memo_segnale(s, Luogo{}, d), FuoriTabella);
    prova::leggi(s, prova::treno({"segnale, -100, 1,1,1,1,1,1,1,1,1,0"}));
    EXPECT_EQ(s.codice_errore, Stato::guasto_lettura);
}

}  // namespace
}  // namespace compattatore
