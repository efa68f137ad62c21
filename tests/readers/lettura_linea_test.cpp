// The line reader on small descriptions: its statuses and the cases where the
// format is easy to get wrong.
#include <gtest/gtest.h>

#include <optional>
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
    std::int32_t codice;                    // the status the line half records
    std::optional<std::int32_t> posizione;  // posizione_errore, when the status sets one
    Luogo luogo;                            // the entry's keyword field
    bool treno_letto;                       // the train half runs after it
};

TEST(LetturaLinea, EveryStatusWithItsPositionAndCleanup) {
    const CasoStato casi[] = {
        {"missing text", std::nullopt, 101, std::nullopt, {0, 0}, false},
        {"no heading", std::string("lunghezza percorso, 1000\r\n[fine]\r\n"), 102, std::nullopt, {2, 1}, false},
        {"heading is the last field", std::string("x\r\n[generale]\r\n"), 102, std::nullopt, {2, 1}, false},
        {"empty text", std::string(""), 102, std::nullopt, {0, 0}, false},
        {"length too great", descrizione("", "lunghezza percorso, 1000001\r\n"), 1, std::nullopt, {2, 1}, false},
        {"negative length", descrizione("", "lunghezza percorso, -50\r\n"), 1, std::nullopt, {2, 1}, false},
        {"cab start", descrizione("", "lunghezza percorso, 1000\r\nripetizione segnali 4 codici, 1325, 26200\r\n"), 3,
         std::nullopt, {3, 1}, false},
        {"cab end", descrizione("", "lunghezza percorso, 1000\r\nripetizione segnali 4 codici, 1300, 26210\r\n"), 4,
         std::nullopt, {3, 1}, false},
        {"cab system", descrizione("", "lunghezza percorso, 1000\r\nripetizione segnali codici, 1300, 26200\r\n"), 5,
         std::nullopt, {3, 1}, false},
        {"gradient beyond the track", descrizione("pendenza, 7900, 5\r\n  pendenza, 7901, 5\r\ncurvas3, 100, 8000\r\n"),
         15, 7901, {5, 3}, true},
        {"board beyond the track", descrizione("cartello_indicatore, 7926, (X)\r\n"), 15, 7926, {4, 1}, true},
        {"curve without class", descrizione("curvas, 100, 50\r\n"), 103, std::nullopt, {4, 1}, false},
        {"curve past the plan", descrizione("curvad3, 7000, 999\r\n"), 103, std::nullopt, {4, 1}, false},
        {"board on a board", descrizione("cartello_indicatore, 500, (A)\r\ncartello_indicatore, 510, (B)\r\n"), 6, 510,
         {5, 1}, false},
        {"board on a speed board", descrizione("indicatori_vmax, 500, 60,70,75,0,60,70,75,0\r\ncartello_indicatore, 500, (B)\r\n"),
         6, 500, {5, 1}, false},
        {"speed board on a board", descrizione("cartello_indicatore, 500, (A)\r\nindicatori_vmax, 510, 60,70,75,0,60,70,75,0\r\n"),
         21, 510, {5, 1}, false},
        {"malformed number", descrizione("pendenza, 12abc, 0\r\n"), 25, std::nullopt, {4, 11}, false},
        {"number above 32 bits", descrizione("pendenza, 100, 4294967296\r\n"), 25, std::nullopt, {4, 16}, false},
        {"general comments run past the end", std::string("[generale]\r\nlunghezza percorso, 1000\r\n-a\r\n-b\r\n"), 25,
         std::nullopt, {5, 1}, false},
        {"entry cut by the end of the text", descrizione("") + "cartello_indicatore, 500", 25, std::nullopt, {5, 25},
         false},
    };
    for (const CasoStato& c : casi) {
        SCOPED_TRACE(c.nome);
        const Passo p = leggi_passo(c.testo);
        ASSERT_FALSE(p.s.diagnostiche.empty());
        const Diagnostica& d = p.s.diagnostiche.front();
        EXPECT_EQ(d.codice, c.codice);
        EXPECT_EQ(d.posizione, c.posizione);
        EXPECT_EQ(p.s.posizione_errore, c.posizione.value_or(0));
        EXPECT_EQ((Luogo{d.riga, d.colonna}), c.luogo);
        EXPECT_FALSE(d.messaggio.empty());
        // The line text is given up whenever it exists; the train text only
        // when the train half ran (or the step failed with 25).
        EXPECT_EQ(p.esito.elimina_linea, c.testo.has_value());
        EXPECT_FALSE(p.esito.elimina_treno);
        if (c.treno_letto) {
            ASSERT_EQ(p.s.diagnostiche.size(), 2u);
            EXPECT_EQ(p.s.codice_errore, 25);  // the missing train description
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
        {"no length", descrizione("pendenza, 100, 5\r\n", "sfondo uno, 1\r\n"), 25, std::nullopt, {3, 1}, false},
        {"gradient above 155", descrizione("pendenza, 100, 156\r\n"), 25, std::nullopt, {4, 1}, false},
        {"gradient below -100", descrizione("pendenza, 100, -101\r\n"), 25, std::nullopt, {4, 1}, false},
        {"82nd indication board", descrizione(ottantadue_cartelli), 25, std::nullopt, {4 + 81, 1}, false},
        {"81st mountain zone", descrizione(ottantuno_zone), 25, std::nullopt, {4 + 80, 1}, false},
        {"zone ending beyond the track", descrizione("montagna, 7000, 8100, 1\r\npendenza, 500, 3\r\n"), 15, 8100,
         {4, 1}, true},
        {"zone starting before the line", descrizione("montagna, -500, 100, 1\r\n"), 25, std::nullopt, {4, 1}, false},
        {"board before the line", descrizione("cartello_indicatore, -100, (A)\r\n"), 25, std::nullopt, {4, 1}, false},
        {"speed above 16 bits", descrizione("indicatori_vmax, 500, 1639,0,0,0,0,0,0,0\r\n"), 25, std::nullopt, {4, 1},
         false},
        {"stripes above 16 bits", descrizione("indicatori_vmax, 500, 60,70,75,3277,0,0,0,0\r\n"), 25, std::nullopt,
         {4, 1}, false},
        {"gradient fill past the track", descrizione(stessa_cella), 25, std::nullopt, {4 + 160, 1}, false},
    };
    for (const CasoStato& c : casi) {
        SCOPED_TRACE(c.nome);
        const Passo p = leggi_passo(c.testo);
        ASSERT_FALSE(p.s.diagnostiche.empty());
        const Diagnostica& d = p.s.diagnostiche.front();
        EXPECT_EQ(d.codice, c.codice);
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
        EXPECT_EQ(l.s.codice_errore, 0);
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
