#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "treno_comune.hpp"

namespace compattatore {
namespace {

using prova::leggi;
using prova::percorso_vuoto;
using prova::treno;

// A "stazione" line: position, kind, length, fields 4 to 6, the rest fixed.
std::string stazione(int p, int tipo, int l, int f4 = 0, int f5 = 0, int f6 = 0, const char* nome = "X") {
    return "stazione, " + std::to_string(p) + ", " + std::to_string(tipo) + ", " + std::to_string(l) + ", " +
           std::to_string(f4) + ", " + std::to_string(f5) + ", " + std::to_string(f6) +
           ", 7,8,9, 10,11,12, 13, 1,2,3, " + nome;
}

void segni_su(const Scenario& s, std::int64_t fermata, bool attesi) {
    for (int j = 1; j <= 4; ++j) {
        EXPECT_EQ(s.cella(fermata - j).preavviso, attesi ? 80 + j : 0) << "cell " << fermata - j;
    }
}

int celle_di_tipo(const Scenario& s, std::uint8_t tipo) {
    int n = 0;
    for (const Cella& c : s.percorso) n += c.tipo == tipo;
    return n;
}

struct CasoStazione {
    const char* nome;
    std::string testo;
    Stato codice;
    std::int32_t posizione;  // posizione_errore afterwards (0 when not set)
    std::function<void(const Scenario&)> verifica;
};

TEST(Stazioni, ZonesMarksAndChecks) {
    const CasoStazione casi[] = {
        {"position not a multiple of 50", treno({stazione(85975, 4, 400)}), Stato::stazione_non_multipla, 85975,
         [](const Scenario& s) {
             EXPECT_EQ(s.voce(1).posizione, 85975);
             EXPECT_EQ(s.voce(1).tipo, 0);  // nothing after the position is read
         }},
        {"length not a multiple of 100", treno({stazione(85950, 4, 350)}), Stato::lunghezza_stazione_non_multipla, 85950,
         [](const Scenario& s) {
             EXPECT_EQ(s.voce(1).tipo, 4);
             EXPECT_EQ(s.voce(1).fine, 0);
             EXPECT_EQ(celle_di_tipo(s, tipo_cella::fermata), 0);
         }},
        {"zones 300 m apart", treno({stazione(20000, 4, 400), stazione(20700, 4, 400)}), Stato::stazioni_troppo_vicine, 20700,
         [](const Scenario& s) {
             EXPECT_EQ(s.voce(2).inizio, 20500);
             // The second stop is placed before the spacing check refuses it.
             EXPECT_EQ(s.cella(417).tipo, tipo_cella::fermata);
             EXPECT_EQ(s.cella(417).valore_1, 2);
         }},
        {"zones exactly 350 m apart", treno({stazione(20000, 4, 400), stazione(20750, 4, 400)}), Stato::nessuno, 0,
         [](const Scenario& s) { EXPECT_EQ(s.voce(2).inizio, 20550); }},
        {"first station with field 6 = 1 keeps the 50 m", treno({stazione(20000, 4, 400, 0, 1, 1)}), Stato::nessuno, 0,
         [](const Scenario& s) {
             const Voce& v = s.voce(1);
             EXPECT_EQ(v.inizio, 19800);
             EXPECT_EQ(v.fine, 20250);
             EXPECT_EQ(v.opzione_c, 0);
             EXPECT_EQ(v.opzione_d, 0);
             EXPECT_EQ(s.cella(404).tipo, tipo_cella::fermata);
             segni_su(s, 404, true);
         }},
        {"later station keeps its options from 600 m",
         treno({stazione(20000, 4, 400), stazione(30000, 4, 600, 3, 1, 1)}), Stato::nessuno, 0,
         [](const Scenario& s) {
             const Voce& v = s.voce(2);
             EXPECT_EQ(v.prolunga, 3);
             EXPECT_EQ(v.inizio, 29700);
             EXPECT_EQ(v.fine, 30350);
             EXPECT_EQ(v.opzione_c, 1);
             EXPECT_EQ(v.opzione_d, 1);
             EXPECT_EQ(v.dato_a, 7);
             EXPECT_EQ(v.dato_b, 8);
             EXPECT_EQ(v.opzione_a, 9);
             EXPECT_EQ(v.dato_c, 10);
             EXPECT_EQ(v.dato_d, 11);
             EXPECT_EQ(v.dato_e, 12);
             EXPECT_EQ(v.opzione_b, 13);
             EXPECT_EQ(v.orario, 3723);
         }},
        {"option d cleared below 600 m", treno({stazione(20000, 4, 400), stazione(30000, 4, 500, 0, 1, 0)}), Stato::nessuno, 0,
         [](const Scenario& s) { EXPECT_EQ(s.voce(2).opzione_d, 0); }},
        {"kind 5: zone behind the position, no marks",
         treno({stazione(20000, 4, 400), stazione(30000, 5, 400, 0, 0, 1)}), Stato::nessuno, 0,
         [](const Scenario& s) {
             const Voce& v = s.voce(2);
             EXPECT_EQ(v.inizio, 29600);
             EXPECT_EQ(v.fine, 30150);
             EXPECT_EQ(v.opzione_c, 0);
             EXPECT_EQ(s.cella(602).tipo, tipo_cella::fermata);
             segni_su(s, 602, false);
         }},
        {"kind 7: zone on both sides", treno({stazione(20000, 4, 400), stazione(30000, 7, 400, 0, 0, 1)}), Stato::nessuno, 0,
         [](const Scenario& s) {
             const Voce& v = s.voce(2);
             EXPECT_EQ(v.inizio, 29600);
             EXPECT_EQ(v.fine, 30400);
             EXPECT_EQ(v.opzione_c, 0);
             segni_su(s, 607, true);
         }},
        {"kind 24 marks its cells", treno({stazione(20000, 24, 400)}), Stato::nessuno, 0,
         [](const Scenario& s) {
             EXPECT_EQ(s.cella(403).tipo, tipo_cella::fermata);
             segni_su(s, 403, true);
         }},
        {"kind 25 and above mark nothing but are counted and spaced",
         treno({stazione(20000, 25, 400), stazione(20500, 200, 400)}), Stato::stazioni_troppo_vicine, 20500,
         [](const Scenario& s) {
             EXPECT_EQ(s.voce(1).fine, 20200);
             EXPECT_EQ(s.voce(2).tipo, 200);
             EXPECT_EQ(celle_di_tipo(s, tipo_cella::fermata), 0);
             segni_su(s, 403, false);
         }},
        {"the stopping cell is written over whatever the cell holds",
         treno({"segnale, 20100, 1,1,1,1,1,1,1,1,1,0", stazione(20000, 4, 400)}), Stato::nessuno, 0,
         [](const Scenario& s) {
             EXPECT_EQ(s.cella(403).tipo, tipo_cella::fermata);
             EXPECT_EQ(s.cella(403).valore_1, 1);
         }},
        {"stop on cell 2 leaves no marks on cells 1 and 0", treno({stazione(150, 4, 0)}), Stato::nessuno, 0,
         [](const Scenario& s) {
             EXPECT_EQ(s.cella(2).tipo, tipo_cella::fermata);
             EXPECT_EQ(s.cella(1).preavviso, 0);
             EXPECT_EQ(s.cella(0).preavviso, 0);
         }},
        {"stop on cell 1 is refused", treno({stazione(100, 4, 0)}), Stato::stazione_senza_fermata, 0,
         [](const Scenario& s) { EXPECT_EQ(s.cella(1).tipo, 0); }},
        {"stopping cell beyond the track", treno({"velocita, 0, 100", stazione(99200, 4, 20000)}), Stato::oltre_il_percorso, 99200,
         [](const Scenario& s) {
             EXPECT_EQ(celle_di_tipo(s, tipo_cella::fermata), 0);
             EXPECT_EQ(s.cella(1997).velocita_limite, 20);  // the completion ran
         }},
        {"position beyond the track with the 800 m margin", treno({stazione(99250, 4, 400)}), Stato::oltre_il_percorso, 99250,
         [](const Scenario& s) { EXPECT_EQ(s.voce(1).posizione, 99250); }},
        {"last position within the 800 m margin", treno({stazione(99200, 4, 400)}), Stato::nessuno, 0,
         [](const Scenario& s) { EXPECT_EQ(s.cella(1987).tipo, tipo_cella::fermata); }},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Scenario s = percorso_vuoto();
        leggi(s, c.testo);
        EXPECT_EQ(s.codice_errore, c.codice);
        EXPECT_EQ(s.posizione_errore, c.posizione);
        c.verifica(s);
    }
}

// Stations and board texts share the entries 1 to 80: with the next board
// slot at b the stations fill 1 to b - 2, the one in b - 1 is stored and the
// reading stops with stazioni_sui_cartelli.
TEST(Stazioni, StationsStopBeforeTheBoardTexts) {
    const struct {
        std::int32_t slot;
        int stazioni;
        Stato codice;
        int registrate;
    } casi[] = {
        {4, 2, Stato::nessuno, 2},
        {4, 3, Stato::stazioni_sui_cartelli, 3},
        {4, 4, Stato::stazioni_sui_cartelli, 3},
        {2, 1, Stato::stazioni_sui_cartelli, 1},
        {1, 1, Stato::stazioni_sui_cartelli, 1},
        {0, 1, Stato::stazioni_sui_cartelli, 0},  // entry 1 holds a board text: nothing is stored over it
        {-1, 1, Stato::stazioni_sui_cartelli, 0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE("slot " + std::to_string(c.slot) + ", stations " + std::to_string(c.stazioni));
        std::string testo = "[generale]\r\n";
        for (int i = 0; i < c.stazioni; ++i) testo += stazione(10000 + 1000 * i, 4, 400) + "\r\n";
        testo += "[fine]\r\n";
        Scenario s = percorso_vuoto();
        for (int i = c.slot + 1; i <= 80; ++i) {
            if (i >= 0) s.voce(i).nome = "board";
        }
        leggi(s, testo, c.slot);
        EXPECT_EQ(s.codice_errore, c.codice);
        EXPECT_EQ(celle_di_tipo(s, tipo_cella::fermata), c.registrate);
        for (int i = std::max(c.slot + 1, 0); i <= 80; ++i) EXPECT_EQ(s.voce(i).nome, "board") << "entry " << i;
    }
}

}  // namespace
}  // namespace compattatore
