#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "treno_comune.hpp"

namespace compattatore {
namespace {

using prova::leggi;
using prova::percorso_vuoto;
using prova::treno;


constexpr std::int32_t nessuna_posizione = -12345;

void atteso_profili(const Scenario& s, std::int64_t da, std::int64_t a, int velocita, int aderenza) {
    for (std::int64_t i = da; i <= a; ++i) {
        ASSERT_EQ(s.cella(i).velocita_limite, velocita) << "cell " << i;
        ASSERT_EQ(s.cella(i).aderenza, aderenza) << "cell " << i;
    }
}

TEST(LetturaTreno, EmbeddedDescriptionFillsTheTables) {
    Scenario s = percorso_vuoto();
    leggi(s, testo_treno());
    EXPECT_EQ(s.codice_errore, Stato::nessuno);
    EXPECT_TRUE(s.diagnostiche.empty());

    const Voce& p84 = s.voce(84);
    EXPECT_EQ(p84.inizio, 135);
    EXPECT_EQ(p84.posizione, 2);
    const Voce& p86 = s.voce(86);
    EXPECT_EQ(p86.dato_a, 0);
    EXPECT_EQ(p86.dato_c, 13);
    EXPECT_EQ(p86.dato_d, 40);
    EXPECT_EQ(p86.dato_e, 45);

    Voce prima;
    prima.tipo = 12;
    prima.inizio = 85800;
    prima.fine = 86100;
    prima.posizione = 85950;
    prima.nome = "VALMORA P.R.";
    prima.dato_a = 1;
    prima.dato_b = 1;
    prima.opzione_a = 0;
    prima.dato_c = 3;
    prima.dato_d = 1;
    prima.dato_e = 1;
    prima.opzione_b = 1;
    prima.orario = 49260;
    EXPECT_EQ(s.voce(1), prima);

    Voce seconda;
    seconda.tipo = 4;
    seconda.inizio = 87750;
    seconda.fine = 88200;
    seconda.posizione = 87950;
    seconda.prolunga = 1;
    seconda.nome = "VALMORA P.F.";
    seconda.opzione_c = 1;  // field 6, kept for a station that is not the first
    seconda.dato_a = 1;
    seconda.dato_b = 1;
    seconda.dato_c = 2;
    seconda.dato_d = 1;
    seconda.dato_e = 1;
    seconda.opzione_b = 0;
    seconda.orario = 49560;
    EXPECT_EQ(s.voce(2), seconda);  // opzione_d cleared: the zone is shorter than 600 m
    EXPECT_EQ(s.voce(3), Voce{});

    EXPECT_EQ(s.cella(1721).tipo, tipo_cella::fermata);
    EXPECT_EQ(s.cella(1721).valore_1, 1);
    EXPECT_EQ(s.cella(1763).tipo, tipo_cella::fermata);
    EXPECT_EQ(s.cella(1763).valore_1, 2);
    for (int j = 1; j <= 4; ++j) {
        EXPECT_EQ(s.cella(1721 - j).preavviso, 80 + j);
        EXPECT_EQ(s.cella(1763 - j).preavviso, 80 + j);
    }

    const Cella& segnale = s.cella(1733);
    EXPECT_EQ(segnale.tipo, tipo_cella::segnale);
    EXPECT_EQ(segnale.valore_1, 20);
    EXPECT_EQ(segnale.valore_2, 30);
    EXPECT_EQ(segnale.valore_3, 0);
    EXPECT_EQ(segnale.valore_4, 6);
    EXPECT_EQ(segnale.tempo_segnale, 238);
    EXPECT_EQ(s.cella(1731).preavviso, 61);
    EXPECT_EQ(s.cella(1729).preavviso, 62);
    EXPECT_EQ(s.cella(1727).preavviso, 63);
    EXPECT_EQ(s.cella(1725).preavviso, 64);

    atteso_profili(s, 0, 1725, 26, 100);
    atteso_profili(s, 1726, 1997, 16, 100);
    atteso_profili(s, 1998, 2000, 0, 0);

    // Nothing else is placed on the track.
    int occupate = 0;
    for (std::int64_t i = 0; i <= 2000; ++i) occupate += s.cella(i).tipo != 0;
    EXPECT_EQ(occupate, 3);
}

// The line half may leave status 15 behind: the train is read all the same,
// its signals and slowdowns are placed and the status stays unless replaced.
TEST(LetturaTreno, StatusLeftByTheLineHalfDoesNotStopTheRecorders) {
    Scenario s = percorso_vuoto();
    s.codice_errore = Stato::oltre_il_percorso;
    s.posizione_errore = 99990;
    leggi(s, treno({"segnale, 5000, 1,1,1,1,1,1,1,1,1,0", "rallentamento, 10000, 30, 500, 1, 1, 0",
                    "velocita, 0, 100", "velocita, 20000, 50"}));
    EXPECT_EQ(s.codice_errore, Stato::oltre_il_percorso);
    EXPECT_EQ(s.posizione_errore, 99990);
    EXPECT_TRUE(s.diagnostiche.empty());
    EXPECT_EQ(s.cella(101).tipo, tipo_cella::segnale);
    EXPECT_EQ(s.cella(201).tipo, tipo_cella::inizio_rallentamento);
    atteso_profili(s, 0, 399, 20, 0);
    atteso_profili(s, 400, 1997, 10, 0);
}

// A refusal by a recorder is a stop: nothing after it is read and the
// profiles are not completed.
TEST(LetturaTreno, RecorderRefusalStopsTheReading) {
    Scenario s = percorso_vuoto();
    leggi(s, treno({"velocita, 0, 100", "segnale, 5000, 1,1,1,1,1,1,1,1,1,0",
                    "- c -, segnale, 5000, 1,1,1,1,1,1,1,1,1,0", "sabbia, 7"}));
    EXPECT_EQ(s.codice_errore, Stato::segnale_su_cella_occupata);
    EXPECT_EQ(s.posizione_errore, 5000);
    EXPECT_EQ(s.voce(86).dato_a, 0);
    EXPECT_EQ(s.cella(0).velocita_limite, 0);
    ASSERT_EQ(s.diagnostiche.size(), 1u);
    EXPECT_EQ(s.diagnostiche[0].riga, 4);
    EXPECT_EQ(s.diagnostiche[0].colonna, 17);  // the position, past the comment and the keyword
    EXPECT_EQ(s.diagnostiche[0].sorgente, Sorgente::treno);
    EXPECT_EQ(s.diagnostiche[0].cella, 101);
    EXPECT_EQ(s.diagnostiche[0].messaggio, "signal at 5000 m: cell 101 already holds a signal");
}

struct CasoStato {
    const char* nome;
    std::string testo;
    Stato codice;
    std::optional<std::int32_t> posizione;  // none: posizione_errore is not set
    bool completata;                        // the profiles reach cell 1997
    std::int32_t slot = 80;
    std::int32_t progressiva = 0;  // voci(82).fine, as the line half left it
};

TEST(LetturaTreno, EveryStatusOfTheReaderWithItsPositionAndCompletion) {
    const std::string st1 = "stazione, 20000, 4, 400, 0,0,0, 1,1,0, 1,1,1, 0, 10,0,0, UNO";
    const std::string ca = "velocita, 0, 100";
    const CasoStato casi[] = {
        {"progressive not a multiple of 50", treno({ca}), Stato::progressiva_non_multipla, std::nullopt, true, 80, 1025},
        {"2 replaces 15", treno({ca, "sabbia, 1", "velocita, 99950, 50"}), Stato::progressiva_non_multipla, 99950, true, 80, 25},
        {"code point on a signal", treno({ca, "segnale, 950, 1,1,1,1,1,1,1,1,1,0", "abbattimento, 1000, 5"}), Stato::abbattimento_su_cella_occupata,
         1000, false},
        {"station position", treno({ca, "stazione, 85975, 4, 400, 0,0,0, 1,1,0, 1,1,1, 0, 10,0,0, X"}), Stato::stazione_non_multipla, 85975,
         false},
        {"station length", treno({ca, "stazione, 85950, 4, 350, 0,0,0, 1,1,0, 1,1,1, 0, 10,0,0, X"}), Stato::lunghezza_stazione_non_multipla, 85950,
         false},
        {"stations reach the board texts",
         treno({ca, st1, "stazione, 30000, 4, 400, 0,0,0, 1,1,0, 1,1,1, 0, 10,0,0, DUE"}), Stato::stazioni_sui_cartelli, std::nullopt, false,
         3},
        {"speed entry beyond the track", treno({ca, "velocita, 99950, 50"}), Stato::oltre_il_percorso, 99950, true},
        {"adhesion entry beyond the track", treno({ca, "aderenza, 99951, 50"}), Stato::oltre_il_percorso, 99951, true},
        {"signal beyond the track", treno({ca, "segnale, 99901, 1,1,1,1,1,1,1,1,1,0"}), Stato::oltre_il_percorso, 99901, true},
        {"slowdown beyond the track", treno({ca, "rallentamento, 99950, 30, 0, 1, 1, 0"}), Stato::oltre_il_percorso, 99950, true},
        {"slowdown end beyond the track", treno({ca, "rallentamento, 90000, 30, 9950, 1, 1, 0"}), Stato::oltre_il_percorso, 99950, true},
        {"code point beyond the track", treno({ca, "abbattimento, 99950, 1"}), Stato::oltre_il_percorso, 99950, true},
        {"station beyond the track", treno({ca, "stazione, 99250, 4, 400, 0,0,0, 1,1,0, 1,1,1, 0, 10,0,0, X"}), Stato::oltre_il_percorso,
         99250, true},
        {"signal on a signal",
         treno({ca, "segnale, 5000, 1,1,1,1,1,1,1,1,1,0", "segnale, 5020, 1,1,1,1,1,1,1,1,1,0"}), Stato::segnale_su_cella_occupata, 5020, false},
        {"slowdown warning taken",
         treno({ca, "segnale, 8800, 1,1,1,1,1,1,1,1,1,0", "rallentamento, 10000, 30, 500, 1, 1, 0"}), Stato::avviso_rallentamento_occupato, 10000,
         false},
        {"slowdown start taken",
         treno({ca, "segnale, 10000, 1,1,1,1,1,1,1,1,1,0", "rallentamento, 10000, 30, 500, 1, 1, 0"}), Stato::inizio_rallentamento_occupato, 10000,
         false},
        {"slowdown end taken",
         treno({ca, "segnale, 10500, 1,1,1,1,1,1,1,1,1,0", "rallentamento, 10000, 30, 500, 1, 1, 0"}), Stato::fine_rallentamento_occupata, 10000,
         false},
        {"cells before the warning taken",
         treno({ca, "segnale, 8650, 1,1,1,1,1,1,1,1,1,0", "rallentamento, 10000, 30, 500, 1, 1, 0"}), Stato::prima_avviso_occupata, 10000,
         false},
        {"station zones too close",
         treno({ca, st1, "stazione, 20500, 4, 400, 0,0,0, 1,1,0, 1,1,1, 0, 10,0,0, DUE"}), Stato::stazioni_troppo_vicine, 20500, false},
        {"no room for the stopping cell",
         treno({ca, "stazione, 50, 4, 0, 0,0,0, 1,1,0, 1,1,1, 0, 10,0,0, X"}), Stato::stazione_senza_fermata, std::nullopt, false},
        {"malformed number", treno({ca, "sabbia, 1x"}), Stato::guasto_lettura, std::nullopt, false},
        {"entry cut by the end of the text", "[generale]\r\nsegnale, 5000, 1, 1", Stato::guasto_lettura, std::nullopt, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Scenario s = percorso_vuoto();
        s.posizione_errore = nessuna_posizione;
        s.voce(82).fine = c.progressiva;
        leggi(s, c.testo, c.slot);
        EXPECT_EQ(s.codice_errore, c.codice);
        EXPECT_EQ(s.posizione_errore, c.posizione.value_or(nessuna_posizione));
        EXPECT_EQ(s.cella(1997).velocita_limite, c.completata ? 20 : 0);
        ASSERT_FALSE(s.diagnostiche.empty());
        EXPECT_EQ(s.diagnostiche.back().stato, c.codice);
        EXPECT_FALSE(s.diagnostiche.back().messaggio.vuoto());
    }
}

// Numbers bound for an 8-bit or 16-bit member of the reader must fit it;
// anything else is the run-time failure of the reading step, reported at the
// value that does not fit, even when it is converted only at a later entry or
// at the completion.
TEST(LetturaTreno, NumbersOutsideTheirMemberAreARunTimeFailureAtTheirPlace) {
    const std::string st = "stazione, 20000, ";
    const struct {
        std::string riga;             // line 2 of the text
        const char* valore;           // where the failure is reported, in riga; nullptr: no failure
        std::string dopo = "sabbia, 1";  // line 3
    } casi[] = {
        {"sabbia, 32767", nullptr},
        {"sabbia, 32768", "32768"},
        {"sabbia, -32769", "-32769"},
        {"orologio, 13 40 70000", "70000"},
        {st + "255, 400, 0,0,0, 1,1,0, 1,1,1, 0, 10,0,0, X", nullptr},
        {st + "256, 400, 0,0,0, 1,1,0, 1,1,1, 0, 10,0,0, X", "256"},
        {st + "4, 400, -1,0,0, 1,1,0, 1,1,1, 0, 10,0,0, X", "-1"},
        {st + "4, 400, 0,0,0, 40000,1,0, 1,1,1, 0, 10,0,0, X", "40000"},
        {st + "4, 400, 0,0,0, 1,1,0, 1,1,1, 300, 10,0,0, X", "300"},
        {st + "4, 400, 0,0,0, 1,1,0, 1,1,1, 0, 596523,14,7, X", nullptr},  // 2147483647 s
        {st + "4, 400, 0,0,0, 1,1,0, 1,1,1, 0, 596523,14,8, X", "596523"},  // the time overflows 32 bits
        {st + "4, 400, 0,0,0, 1,1,0, 1,1,1, 0, 1000000,0,0, X", "1000000"},
        {st + "7, 2147483600, 0,0,0, 1,1,0, 1,1,1, 0, 10,0,0, X", "2147483600"},  // the zone overflows
        {"abbattimento, 1000, 32767", nullptr},
        {"abbattimento, 1000, 32768", "32768"},
        {"abbattimento, 1000, -40000", nullptr},  // below 1: nothing is stored
        {"velocita, 0, 1277", nullptr},
        {"velocita, 0, 1278", "1278"},  // converted at the completion
        {"velocita, 0, -2", nullptr},
        {"velocita, 0, -3", "-3"},
        {"velocita,       0,   100000", "100000", "velocita, 20000, 50"},  // converted at the next entry
        {"aderenza, 0, 300", nullptr},  // adhesion keeps the low 8 bits
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.riga);
        Scenario s = percorso_vuoto();
        leggi(s, treno({c.riga, c.dopo}));
        if (!c.valore) {
            EXPECT_EQ(s.codice_errore, Stato::nessuno);
            continue;
        }
        EXPECT_EQ(s.codice_errore, Stato::guasto_lettura);
        ASSERT_EQ(s.diagnostiche.size(), 1u);
        const std::size_t colonna = c.riga.find(c.valore);
        ASSERT_NE(colonna, std::string::npos);
        ASSERT_EQ(c.riga.find(c.valore, colonna + 1), std::string::npos) << "the value must be unique in its line";
        EXPECT_EQ(s.diagnostiche[0].luogo(), (Luogo{2, static_cast<std::int32_t>(colonna) + 1}))
            << s.diagnostiche[0].messaggio;
    }
}

TEST(LetturaTreno, AdhesionKeepsTheLowEightBits) {
    Scenario s = percorso_vuoto();
    leggi(s, treno({"aderenza, 0, 300", "aderenza, 1000, -1"}));
    EXPECT_EQ(s.codice_errore, Stato::nessuno);
    EXPECT_EQ(s.cella(19).aderenza, 44);
    EXPECT_EQ(s.cella(20).aderenza, 255);
    EXPECT_EQ(s.cella(1997).aderenza, 255);
}

struct CasoProfilo {
    const char* nome;
    std::string testo;
    struct Tratto {
        std::int64_t da, a;
        int velocita;
    };
    std::vector<Tratto> tratti;
};

TEST(LetturaTreno, SpeedLimitProfile) {
    const CasoProfilo casi[] = {
        {"no entry: the completion writes 0", treno({"sabbia, 1"}), {{0, 2000, 0}}},
        {"first entry beyond 0 governs from cell 0",
         treno({"velocita, 5000, 100", "velocita, 10000, 50"}),
         {{0, 199, 20}, {200, 1997, 10}, {1998, 2000, 0}}},
        {"entries at 2575 and 2625 fall on cell 52",
         treno({"velocita, 0, 100", "velocita, 2575, 50", "velocita, 2625, 150"}),
         {{0, 51, 20}, {52, 52, 10}, {53, 1997, 30}}},
        {"rounded fifths", treno({"velocita, 0, 62", "velocita, 1000, 63"}), {{0, 19, 12}, {20, 1997, 13}}},
        {"entry behind the fill index writes one cell",
         treno({"velocita, 0, 100", "velocita, 1000, 50", "velocita, 500, 150"}),
         {{0, 19, 20}, {20, 20, 10}, {21, 1997, 30}}},
        {"negative position writes nothing", treno({"velocita, -5000, 100", "velocita, 0, 50"}),
         {{0, 1997, 10}}},
        {"a text without [generale] reads nothing", "velocita, 0, 100\r\n[fine]\r\n", {{0, 1997, 0}}},
        {"the completion writes one cell even past its end",
         treno({"velocita, 0, 100", "velocita, 99900, 50", "velocita, 99900, 50", "velocita, 99900, 150"}),
         {{0, 1997, 20}, {1998, 1998, 10}, {1999, 1999, 10}, {2000, 2000, 30}}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Scenario s = percorso_vuoto();
        leggi(s, c.testo);
        EXPECT_EQ(s.codice_errore, Stato::nessuno);
        for (const auto& t : c.tratti) {
            for (std::int64_t i = t.da; i <= t.a; ++i) {
                ASSERT_EQ(s.cella(i).velocita_limite, t.velocita) << "cell " << i;
            }
        }
    }
}

// Repeated entries near the end of the track would push the adhesion fill
// past the last cell; it stops there like the speed fill.
TEST(LetturaTreno, AdhesionFillNeverLeavesTheTrack) {
    std::string testo = "[generale]\r\naderenza, 0, 90\r\n";
    for (int i = 0; i < 20; ++i) testo += "aderenza, 99900, 80\r\n";
    testo += "[fine]\r\n";
    Scenario s = percorso_vuoto();
    leggi(s, testo);
    EXPECT_EQ(s.codice_errore, Stato::nessuno);
    EXPECT_EQ(s.cella(1997).aderenza, 90);
    EXPECT_EQ(s.cella(1998).aderenza, 80);
    EXPECT_EQ(s.cella(2000).aderenza, 80);
}

TEST(LetturaTreno, KeywordFields) {
    const struct {
        const char* nome;
        std::string testo;
        std::int16_t sabbia;
    } casi[] = {
        {"capitals", treno({"SABBIA, 3"}), 3},
        {"one comment field", treno({"- commento -, sabbia, 3"}), 3},
        {"two comment fields", treno({"-a-, -b-, sabbia, 3"}), 3},
        {"a third dashed field is taken as the keyword", treno({"-a-, -b-, -sabbia-, 3"}), 3},
        {"a second dashed field is skipped", treno({"-a-, -sabbia-, 3"}), 0},
        {"keyword inside a longer field", treno({"quantita di sabbia nel treno, 3"}), 3},
        {"entries before [generale] are dropped", "sabbia, 9\r\n[GENERALE]\r\n[fine]\r\n", 0},
        {"the last field of the text is dropped", "[generale]\r\nsabbia, 4\r\nsabbia", 4},
        {"an entry as the last line is read", "[generale]\r\nsabbia, 4", 4},
        {"values on the next line", treno({"sabbia", "5"}), 5},
        {"an empty field at the line end reads 0", treno({"sabbia,", "5"}), 0},
        {"headers hold no keyword", treno({"[stazioni]", "[segnali]", "[rallentamenti]", "sabbia, 6"}), 6},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Scenario s = percorso_vuoto();
        leggi(s, c.testo);
        EXPECT_EQ(s.codice_errore, Stato::nessuno);
        EXPECT_EQ(s.voce(86).dato_a, c.sabbia);
    }
}

TEST(LetturaTreno, CodePoints) {
    Scenario s = percorso_vuoto();
    s.cella(40).tipo = tipo_cella::segnale_montagna;
    s.cella(30).valore_1 = 77;
    leggi(s, treno({"abbattimento, 1500, 0", "abbattimento, 2000, 180", "abbattimento, 2575, 5"}));
    EXPECT_EQ(s.codice_errore, Stato::nessuno);
    EXPECT_EQ(s.cella(30).tipo, tipo_cella::abbattimento_zero);
    EXPECT_EQ(s.cella(30).valore_1, 77);  // left as it was
    EXPECT_EQ(s.cella(40).tipo, tipo_cella::punto_codice);  // replaces the mountain marker
    EXPECT_EQ(s.cella(40).valore_1, 180);
    EXPECT_EQ(s.cella(52).tipo, tipo_cella::punto_codice);  // 51.5 rounds to 52
}

TEST(LetturaTreno, CodePointBeforeTheTrackIsARunTimeFailure) {
    Scenario s = percorso_vuoto();
    leggi(s, treno({"abbattimento, -25, 1"}));
    EXPECT_EQ(s.codice_errore, Stato::nessuno);
    EXPECT_EQ(s.cella(0).tipo, tipo_cella::punto_codice);
    Scenario t = percorso_vuoto();
    leggi(t, treno({"abbattimento, -26, 1"}));
    EXPECT_EQ(t.codice_errore, Stato::guasto_lettura);
}

}  // namespace
}  // namespace compattatore
