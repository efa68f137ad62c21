// The line reader on small descriptions: its statuses and the cases where the
// format is easy to get wrong.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>
#include <string>

#include "readers/memorizza_dati.hpp"

namespace compattatore {
namespace {

// A line of 1000 m: lunghezza_estesa 8000, cells 0 to 160; a feature may
// begin at metre 7900 at most.
std::string descrizione(const std::string& elementi, const std::string& generale = "lunghezza percorso, 1000\r\n") {
    return "[generale]\r\n" + generale + "[curve]\r\n" + elementi + "[fine]\r\n";
}

struct Linea {
    Scenario s;
    FineLinea fine;
};

// The line half alone.
Linea leggi_sola_linea(const std::string& testo, std::int32_t scrivi_linea = 1) {
    Linea l;
    l.s.scrivi_linea = scrivi_linea;
    LettoreCampi campi(testo);
    l.fine = leggi_linea(l.s, campi);
    return l;
}

// The whole reading step with no train description: when the train half runs
// it fails with 25 for the missing text, which shows that it ran.
struct Passo {
    Scenario s;
    EsitoLettura esito;
};

Passo leggi_passo(const std::optional<std::string>& testo, std::int32_t scrivi_linea = 1) {
    Passo p;
    p.s.scrivi_linea = scrivi_linea;
    Descrizioni d;
    if (testo) d.linea = *testo;
    p.esito = memorizza_dati(p.s, d);
    return p;
}

struct CasoStato {
    const char* nome;
    std::optional<std::string> testo;
    Stato codice;                           // the status the line half records
    std::optional<std::int32_t> posizione;  // posizione_errore, when the status sets one
    Luogo luogo;                            // the offending value, or the entry's keyword field
    bool treno_letto;                       // the train half runs after it
};

TEST(LetturaLinea, EveryStatusWithItsPositionAndCleanup) {
    const CasoStato casi[] = {
        {"missing text", std::nullopt, Stato::linea_assente, std::nullopt, {0, 0}, false},
        {"no heading", std::string("lunghezza percorso, 1000\r\n[fine]\r\n"), Stato::generale_assente, std::nullopt, {2, 1}, false},
        {"heading is the last field", std::string("x\r\n[generale]\r\n"), Stato::generale_assente, std::nullopt, {2, 1}, false},
        {"empty text", std::string(""), Stato::generale_assente, std::nullopt, {0, 0}, false},
        {"length too great", descrizione("", "lunghezza percorso, 1000001\r\n"), Stato::lunghezza_fuori_limiti, std::nullopt, {2, 21}, false},
        {"negative length", descrizione("", "lunghezza percorso, -50\r\n"), Stato::lunghezza_fuori_limiti, std::nullopt, {2, 21}, false},
        {"cab start", descrizione("", "lunghezza percorso, 1000\r\nripetizione segnali 4 codici, 1325, 26200\r\n"), Stato::ripetizione_inizio_non_multiplo,
         std::nullopt, {3, 31}, false},
        {"cab end", descrizione("", "lunghezza percorso, 1000\r\nripetizione segnali 4 codici, 1300, 26210\r\n"), Stato::ripetizione_fine_non_multipla,
         std::nullopt, {3, 37}, false},
        {"cab system", descrizione("", "lunghezza percorso, 1000\r\nripetizione segnali codici, 1300, 26200\r\n"), Stato::ripetizione_senza_sistema,
         std::nullopt, {3, 1}, false},
        {"gradient beyond the track", descrizione("pendenza, 7900, 5\r\n  pendenza, 7901, 5\r\ncurvas3, 100, 8000\r\n"),
         Stato::oltre_il_percorso, 7901, {5, 13}, true},
        {"board beyond the track", descrizione("cartello_indicatore, 7926, (X)\r\n"), Stato::oltre_il_percorso, 7926, {4, 22}, true},
        {"curve without class", descrizione("curvas, 100, 50\r\n"), Stato::curva_inutilizzabile, std::nullopt, {4, 1}, false},
        {"curve past the plan", descrizione("curvad3, 7000, 999\r\n"), Stato::curva_inutilizzabile, std::nullopt, {4, 1}, false},
        {"curve past point 1000000", descrizione("curvad3, 999000, 2000\r\n", "lunghezza percorso, 1000000\r\n"), Stato::curva_inutilizzabile,
         std::nullopt, {4, 1}, false},
        {"board on a board", descrizione("cartello_indicatore, 500, (A)\r\ncartello_indicatore, 510, (B)\r\n"), Stato::cartello_su_cella_occupata, 510,
         {5, 22}, false},
        {"board on a speed board", descrizione("indicatori_vmax, 500, 60,70,75,0,60,70,75,0\r\ncartello_indicatore, 500, (B)\r\n"),
         Stato::cartello_su_cella_occupata, 500, {5, 22}, false},
        {"speed board on a board", descrizione("cartello_indicatore, 500, (A)\r\nindicatori_vmax, 510, 60,70,75,0,60,70,75,0\r\n"),
         Stato::indicatore_su_cella_occupata, 510, {5, 18}, false},
        {"malformed number", descrizione("pendenza, 12abc, 0\r\n"), Stato::guasto_lettura, std::nullopt, {4, 11}, false},
        {"number above 32 bits", descrizione("pendenza, 100, 4294967296\r\n"), Stato::guasto_lettura, std::nullopt, {4, 16}, false},
        {"general comments run past the end", std::string("[generale]\r\nlunghezza percorso, 1000\r\n-a\r\n-b\r\n"), Stato::guasto_lettura,
         std::nullopt, {5, 1}, false},
        {"entry cut by the end of the text", descrizione("") + "cartello_indicatore, 500", Stato::guasto_lettura, std::nullopt, {5, 25},
         false},
    };
    for (const CasoStato& c : casi) {
        SCOPED_TRACE(c.nome);
        const Passo p = leggi_passo(c.testo);
        ASSERT_FALSE(p.s.diagnostiche.empty());
        const Diagnostica& d = p.s.diagnostiche.front();
        EXPECT_EQ(d.stato, c.codice);
        EXPECT_EQ(d.posizione, c.posizione);
        EXPECT_EQ(p.s.posizione_errore, c.posizione.value_or(0));
        EXPECT_EQ((Luogo{d.riga, d.colonna}), c.luogo);
        EXPECT_FALSE(d.messaggio.vuoto());
        // The line text is given up whenever it exists; the train text only
        // when the train half ran (or the step failed with 25).
        EXPECT_EQ(p.esito.elimina_linea, c.testo.has_value());
        EXPECT_FALSE(p.esito.elimina_treno);
        if (c.treno_letto) {
            ASSERT_EQ(p.s.diagnostiche.size(), 2u);
            EXPECT_EQ(p.s.codice_errore, Stato::guasto_lettura);  // the missing train description
        } else {
            EXPECT_EQ(p.s.diagnostiche.size(), 1u);
            EXPECT_EQ(p.s.codice_errore, c.codice);
        }
    }
}

// Choices where the format leaves the outcome open: each ends in a status
// and writes nothing outside a table.
TEST(LetturaLinea, EntriesThatDoNotFitTheTables) {
    std::string ottantadue_cartelli;
    for (int i = 0; i < 82; ++i) ottantadue_cartelli += "cartello_indicatore, " + std::to_string(50 * i) + ", (K)\r\n";
    std::string ottantuno_zone;
    for (int i = 0; i < 81; ++i) {
        ottantuno_zone += "montagna, " + std::to_string(10 * i) + ", " + std::to_string(10 * i + 5) + ", 1\r\n";
    }
    std::string stessa_cella;
    for (int i = 0; i < 170; ++i) stessa_cella += "pendenza, 100, 1\r\n";
    const CasoStato casi[] = {
        {"no length", descrizione("pendenza, 100, 5\r\n", "sfondo uno, 1\r\n"), Stato::guasto_lettura, std::nullopt, {3, 1}, false},
        {"gradient above 155", descrizione("pendenza, 100, 156\r\n"), Stato::guasto_lettura, std::nullopt, {4, 16}, false},
        {"gradient below -100", descrizione("pendenza, 100, -101\r\n"), Stato::guasto_lettura, std::nullopt, {4, 16}, false},
        {"82nd indication board", descrizione(ottantadue_cartelli), Stato::guasto_lettura, std::nullopt, {4 + 81, 1}, false},
        {"81st mountain zone", descrizione(ottantuno_zone), Stato::guasto_lettura, std::nullopt, {4 + 80, 16}, false},
        {"zone ending beyond the track", descrizione("montagna, 7000, 8100, 1\r\npendenza, 500, 3\r\n"), Stato::oltre_il_percorso, 8100,
         {4, 17}, true},
        {"zone starting before the line", descrizione("montagna, -500, 100, 1\r\n"), Stato::guasto_lettura, std::nullopt, {4, 17}, false},
        {"board before the line", descrizione("cartello_indicatore, -100, (A)\r\n"), Stato::guasto_lettura, std::nullopt, {4, 1}, false},
        {"speed above 16 bits", descrizione("indicatori_vmax, 500, 1639,0,0,0,0,0,0,0\r\n"), Stato::guasto_lettura, std::nullopt, {4, 18},
         false},
        {"stripes above 16 bits", descrizione("indicatori_vmax, 500, 60,70,75,3277,0,0,0,0\r\n"), Stato::guasto_lettura, std::nullopt,
         {4, 18}, false},
        {"gradient fill past the track", descrizione(stessa_cella), Stato::guasto_lettura, std::nullopt, {4 + 160, 1}, false},
    };
    for (const CasoStato& c : casi) {
        SCOPED_TRACE(c.nome);
        const Passo p = leggi_passo(c.testo);
        ASSERT_FALSE(p.s.diagnostiche.empty());
        const Diagnostica& d = p.s.diagnostiche.front();
        EXPECT_EQ(d.stato, c.codice);
        EXPECT_EQ(d.posizione, c.posizione);
        EXPECT_EQ((Luogo{d.riga, d.colonna}), c.luogo) << d.messaggio;
        EXPECT_TRUE(p.esito.elimina_linea);
        EXPECT_EQ(p.s.diagnostiche.size(), c.treno_letto ? 2u : 1u);
    }
}

TEST(LetturaLinea, LimitsThatStillFit) {
    std::string ottantuno_cartelli;
    for (int i = 0; i < 81; ++i) ottantuno_cartelli += "cartello_indicatore, " + std::to_string(50 * i) + ", (K)\r\n";
    std::string ottanta_zone;
    for (int i = 0; i < 80; ++i) {
        ottanta_zone += "montagna, " + std::to_string(10 * i) + ", " + std::to_string(10 * i + 5) + ", 1\r\n";
    }
    const std::string casi[] = {
        descrizione(ottantuno_cartelli),
        descrizione(ottanta_zone),
        descrizione("pendenza, 100, 155\r\npendenza, 200, -100\r\n"),
        descrizione("indicatori_vmax, 500, 1638,0,0,3276,3,0,0,7\r\n"),
        descrizione("curvad3, 7000, 998\r\npendenza, 7900, 0\r\nmontagna, 7000, 8025, 1\r\n"),
        descrizione("", "lunghezza percorso, 1000000\r\n"),
        descrizione("", "lunghezza percorso, 0\r\n"),
    };
    for (const std::string& t : casi) {
        SCOPED_TRACE(t.substr(0, 80));
        const Linea l = leggi_sola_linea(t);
        EXPECT_EQ(l.s.codice_errore, Stato::nessuno);
        EXPECT_TRUE(l.fine.leggi_treno);
    }
    const Linea cartelli = leggi_sola_linea(casi[0]);
    EXPECT_EQ(cartelli.fine.slot_cartelli, -1);
    EXPECT_EQ(cartelli.s.voci[0].nome, "(K)");
    EXPECT_EQ(cartelli.s.percorso[81].valore_1, 0);
    const Linea bordo = leggi_sola_linea(casi[4]);
    EXPECT_EQ(bordo.s.planimetria.calcolati(), 7999);
    EXPECT_EQ(bordo.s.percorso[160].montagna, 1);
}

}  // namespace
}  // namespace compattatore

namespace compattatore {
namespace {

struct CasoCella {
    const char* nome;
    std::string elementi;
    std::size_t cella;
    std::uint8_t tipo;
};

TEST(LetturaLinea, PointFeaturesLandOnRoundedCells) {
    const CasoCella casi[] = {
        {"board at 0 m", "cartello_indicatore, 0, (A)\r\n", 1, 14},
        {"board at 25 m", "cartello_indicatore, 25, (A)\r\n", 2, 14},
        {"board at 75 m", "cartello_indicatore, 75, (A)\r\n", 2, 14},
        {"board at 125 m", "cartello_indicatore, 125, (A)\r\n", 4, 14},
        {"speed board at 500 m", "indicatori_vmax, 500, 60,70,75,0,60,70,75,0\r\n", 11, 6},
        {"speed board at 525 m", "indicatori_vmax, 525, 60,70,75,0,60,70,75,0\r\n", 12, 6},
        {"speed board at 575 m", "indicatori_vmax, 575, 60,70,75,0,60,70,75,0\r\n", 12, 6},
        // Zone cells 2 to 9, markers on cells 5 and 9.
        {"board on a marker", "montagna, 100, 500, 11\r\ncartello_indicatore, 200, (A)\r\n", 5, 14},
        {"speed board on a marker", "montagna, 100, 500, 11\r\nindicatori_vmax, 400, 1,1,1,0,0,0,0,0\r\n", 9, 6},
    };
    for (const CasoCella& c : casi) {
        SCOPED_TRACE(c.nome);
        const Linea l = leggi_sola_linea(descrizione(c.elementi));
        EXPECT_EQ(l.s.codice_errore, Stato::nessuno);
        EXPECT_EQ(l.s.percorso.at(c.cella).tipo, c.tipo);
        int occupate = 0;
        for (const Cella& x : l.s.percorso) occupate += x.tipo == c.tipo;
        EXPECT_EQ(occupate, 1);
    }
}

struct CasoPendenza {
    const char* nome;
    std::string elementi;
    std::vector<std::pair<std::size_t, int>> celle;  // cell, pendenza
};

TEST(LetturaLinea, GradientFill) {
    const CasoPendenza casi[] = {
        {"two rows", "pendenza, 0, 0\r\npendenza, 1500, 8\r\n", {{0, 100}, {29, 100}, {30, 108}, {157, 108}, {158, 0}, {160, 0}}},
        {"cell 51.5 rounds to 52", "pendenza, 0, 0\r\npendenza, 2575, 5\r\n", {{51, 100}, {52, 105}}},
        {"cell 52.5 rounds to 52", "pendenza, 0, 0\r\npendenza, 2625, 5\r\n", {{51, 100}, {52, 105}}},
        // The second row on cell 2 still writes one cell with the gradient
        // before it, so cell 2 keeps 2 per mille rather than 3.
        {"rows on the same cell", "pendenza, 0, 1\r\npendenza, 100, 2\r\npendenza, 110, 3\r\n",
         {{0, 101}, {1, 101}, {2, 102}, {3, 103}, {157, 103}}},
        {"no rows: level throughout", "", {{0, 100}, {157, 100}, {158, 0}}},
        {"steepest down", "pendenza, 50, -100\r\n", {{0, 100}, {1, 0}, {157, 0}}},
    };
    for (const CasoPendenza& c : casi) {
        SCOPED_TRACE(c.nome);
        const Linea l = leggi_sola_linea(descrizione(c.elementi));
        EXPECT_EQ(l.s.codice_errore, Stato::nessuno);
        for (const auto& [cella, valore] : c.celle) EXPECT_EQ(l.s.percorso.at(cella).pendenza, valore) << "cell " << cella;
    }
}

std::string commenti(int n) {
    std::string t;
    for (int i = 0; i < n; ++i) t += "-nota " + std::to_string(i) + "-, ";
    return t;
}

struct CasoTesto {
    const char* nome;
    std::string testo;
    std::int32_t lunghezza;  // voci(84).fine
    int pendenza_cella_50;   // 105 when "pendenza, 100, 5" was read
};

TEST(LetturaLinea, CommentsKeywordsAndTheEndOfTheText) {
    const std::string g = "[generale]\r\nlunghezza percorso, 1000\r\n";
    const CasoTesto casi[] = {
        {"comment before a keyword", "[generale]\r\n- nota -, lunghezza percorso, 1000\r\n[x]\r\n", 1000, 100},
        {"a keyword with a hyphen is a comment", g + "lunghezza-percorso, 2000\r\n[x]\r\n", 1000, 100},
        {"ten comments then a hyphenated keyword", g + commenti(10) + "-lunghezza percorso, 2000\r\n[x]\r\n", 2000, 100},
        {"nine comments skip it too", g + commenti(9) + "-lunghezza percorso, 2000\r\n[x]\r\n", 1000, 100},
        {"capitals in the length keyword", "[generale]\r\nLUNGHEZZA PERCORSO, 1000\r\n[x]\r\n", 1000, 100},
        {"general entry in the feature part", g + "[x]\r\nlunghezza percorso, 2000\r\n[fine]\r\n", 1000, 100},
        {"feature entry in the general section", g + "pendenza, 100, 5\r\n[x]\r\n", 1000, 100},
        {"feature comment", g + "[x]\r\n-a-, pendenza, 100, 5\r\n[fine]\r\n", 1000, 105},
        {"two feature comments then a hyphenated keyword", g + "[x]\r\n-a, -b, -pendenza, 100, 5\r\n[fine]\r\n", 1000, 105},
        {"one feature comment skips it", g + "[x]\r\n-a, -pendenza, 100, 5\r\n[fine]\r\n", 1000, 100},
        {"header with any text", g + "[ curve e altro ]\r\npendenza, 100, 5\r\n", 1000, 105},
        {"last entry without a closing line", g + "[x]\r\npendenza, 100, 5", 1000, 105},
        {"last keyword field dropped", g + "[x]\r\npendenza, 100, 5\r\ncartello_indicatore", 1000, 105},
        {"last general keyword dropped", g + "lunghezza percorso", 1000, 100},
        {"length as the last entry", "[generale]\r\nlunghezza percorso, 1000", 1000, 100},
        {"heading in any case, after other text", "x,y\r\nNOTE [Generale]\r\nlunghezza percorso, 1000\r\n", 1000, 100},
        {"lone LF and CR line ends", "[generale]\nlunghezza percorso, 1000\r[x]\npendenza, 100, 5\r", 1000, 105},
    };
    for (const CasoTesto& c : casi) {
        SCOPED_TRACE(c.nome);
        const Linea l = leggi_sola_linea(c.testo);
        EXPECT_EQ(l.s.codice_errore, Stato::nessuno);
        EXPECT_EQ(l.s.voci[84].fine, c.lunghezza);
        EXPECT_EQ(l.s.percorso.at(50).pendenza, c.pendenza_cella_50);
    }
}

struct CasoGenerale {
    const char* nome;
    std::string righe;
    Voce v85, v86;      // inizio, fine, posizione only
};

TEST(LetturaLinea, GeneralSectionEntries) {
    const auto v = [](std::int32_t i, std::int32_t f, std::int32_t p) {
        Voce x;
        x.inizio = i;
        x.fine = f;
        x.posizione = p;
        return x;
    };
    const CasoGenerale casi[] = {
        {"cab signals, 4 codes", "ripetizione segnali 4 codici, 1300, 26200\r\n", v(0, 0, 0), v(1300, 26200, 4)},
        {"cab signals, 9 codes", "ripetizione segnali 9 codici, 1300, 26200\r\n", v(0, 0, 0), v(1300, 26200, 9)},
        {"9 codes from 0 to 0", "ripetizione segnali 9 codici, 0, 0\r\n", v(0, 0, 0), v(0, 0, 0)},
        {"4 wins over 9", "ripetizione segnali 9 e 4, 50, 100\r\n", v(0, 0, 0), v(50, 100, 4)},
        {"capital R: not recognised, values ignored", "Ripetizione segnali 4 codici, 1325, 26200\r\n", v(0, 0, 0),
         v(0, 0, 0)},
        {"backgrounds", "sfondo uno, 1\r\nsfondo due, 2\r\nsfondo tre, 3\r\n", v(1, 3, 2), v(0, 0, 0)},
        {"background keyword is case-exact", "sfondo UNO, 1\r\nSfondo due, 2\r\n", v(0, 0, 0), v(0, 0, 0)},
        {"the later entry wins", "sfondo uno, 1\r\nsfondo uno, 7\r\n", v(7, 0, 0), v(0, 0, 0)},
        {"values on the next line", "sfondo uno\r\n  4\r\nsfondo tre\r\n5\r\n", v(4, 5, 0), v(0, 0, 0)},
    };
    for (const CasoGenerale& c : casi) {
        SCOPED_TRACE(c.nome);
        const Linea l = leggi_sola_linea(descrizione("", "lunghezza percorso, 1000\r\n" + c.righe));
        EXPECT_EQ(l.s.codice_errore, Stato::nessuno);
        for (const auto& [attesa, letta] : {std::pair{c.v85, l.s.voci[85]}, std::pair{c.v86, l.s.voci[86]}}) {
            EXPECT_EQ(letta.inizio, attesa.inizio);
            EXPECT_EQ(letta.fine, attesa.fine);
            EXPECT_EQ(letta.posizione, attesa.posizione);
        }
    }
}

TEST(LetturaLinea, ProgressivesAreOrderedAfterTheGeneralSection) {
    const Linea l = leggi_sola_linea(descrizione(
        "", "lunghezza percorso, 1000\r\nprogressiva chilometrica uno, 12000, 300, 1\r\n"
            "progressiva chilometrica due, 5000, 0, 0\r\nprogressiva chilometrica tre, 0, 50, 0\r\n"));
    EXPECT_EQ(l.s.voci[81].inizio, 12000);
    EXPECT_EQ(l.s.voci[81].fine, 400);
    EXPECT_EQ(l.s.voci[82].inizio, 5000);
    EXPECT_EQ(l.s.voci[83].fine, 50);
}

TEST(LetturaLinea, CurvesOnlyWhenThePlanIsBuilt) {
    const std::string t = descrizione("curvas3, 500, 300\r\ncurvas, 100, 50\r\ncurvad3, 7000, 5000\r\npendenza, 100, 5\r\n");
    const Linea senza = leggi_sola_linea(t, 0);
    EXPECT_EQ(senza.s.codice_errore, Stato::nessuno);
    EXPECT_FALSE(senza.s.planimetria.dimensionata());
    EXPECT_EQ(senza.s.percorso.at(50).pendenza, 105);
    const Linea con = leggi_sola_linea(t, 1);
    EXPECT_EQ(con.s.codice_errore, Stato::curva_inutilizzabile);
    EXPECT_FALSE(con.fine.leggi_treno);
}

TEST(LetturaLinea, CurveGeometry) {
    struct Caso {
        const char* curva;
        bool verso_x_positivo;
        double svolta;  // radians
    };
    const Caso casi[] = {
        {"curvas3, 500, 300", false, 300 * 0.0004},
        {"curvad6, 500, 300", true, 300 * 0.003},
        {"CurvaD1, 500, 300", true, 300 * 0.0001},
        {"curvaS5, 500, 300", false, 300 * 0.002},
        {"curvad63, 500, 300", true, 300 * 0.0004},  // the lowest digit names the class
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.curva);
        const Linea l = leggi_sola_linea(descrizione(std::string(c.curva) + "\r\n"));
        ASSERT_EQ(l.s.codice_errore, Stato::nessuno);
        const PuntiPlanimetria p = l.s.planimetria.punti();
        EXPECT_EQ(p.calcolati(), 7999);
        EXPECT_EQ(p.x(500), 0.0);
        EXPECT_EQ(p.y(500), 500.0);
        EXPECT_EQ(p.x(801) > 0, c.verso_x_positivo);
        const double dx = p.x(801) - p.x(800), dy = p.y(801) - p.y(800);
        EXPECT_NEAR(std::abs(std::atan2(dx, dy)), c.svolta, 1e-4 * c.svolta);
        // After the curve the line runs straight on: equal steps.
        EXPECT_EQ(p.x(7998) - p.x(7997), p.x(7997) - p.x(7996));
    }
}

TEST(LetturaLinea, OverlappingCurvesApplyOnlyTheirRemainingMetres) {
    const Linea a = leggi_sola_linea(descrizione("curvad3, 500, 300\r\ncurvad3, 600, 400\r\n"));
    const Linea b = leggi_sola_linea(descrizione("curvad3, 500, 500\r\n"));
    const Linea c = leggi_sola_linea(descrizione("curvad3, 500, 300\r\ncurvas3, 100, 200\r\n"));
    const Linea d = leggi_sola_linea(descrizione("curvad3, 500, 300\r\n"));
    const PuntiPlanimetria pa = a.s.planimetria.punti(), pb = b.s.planimetria.punti();
    const PuntiPlanimetria pc = c.s.planimetria.punti(), pd = d.s.planimetria.punti();
    for (std::int32_t m = 0; m < 7999; ++m) {
        ASSERT_EQ(pa.x(m), pb.x(m)) << m;
        ASSERT_EQ(pc.y(m), pd.y(m)) << m;
    }
}

}  // namespace
}  // namespace compattatore
