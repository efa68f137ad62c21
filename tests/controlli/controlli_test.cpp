#include "controlli/controlli.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/genera_scenario.hpp"
#include "controlli/codifica.hpp"
#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "output/compila.hpp"
#include "tests/controlli/testi_controllati.hpp"
#include "tests/support/processo.hpp"

namespace compattatore {
namespace {

using prova::controlla_testi;
using prova::linea_di;
using prova::treno_di;
using Esito_ = prova::TestiControllati;

struct Caso {
    const char* nome;
    Stato classe;
    Sorgente sorgente;
    std::string prima, generale, elementi, treno;  // the description that warns
    std::int32_t riga, colonna;
    std::string vicino_generale, vicino_elementi, vicino_treno;  // a near one that does not
};

const std::string stazione_senza_nome = "stazione, 2000, 1, 300, 0, 0, 0, 1,1,0, 3,1,1, 1, 13,41, 0\n[segnali]\n";
const std::string stazione_con_nome = "stazione, 2000, 1, 300, 0, 0, 0, 1,1,0, 3,1,1, 1, 13,41, 0, UNO\n[segnali]\n";

const Caso casi[] = {
    {"Typo", Stato::avviso_voce_sconosciuta, Sorgente::linea, "", "", "pendnza, 1500, 8\n", "", 4, 1, "", "pendenza, 1500, 8\n", ""},
    {"TypoTrain", Stato::avviso_voce_sconosciuta, Sorgente::treno, "", "", "", "velocta, 500, 80\n", 3, 1, "", "", "velocita, 500, 80\n"},
    {"NearRoot", Stato::avviso_voce_sconosciuta, Sorgente::linea, "", "", "indicatori_vmx, 1000, 60, 70, 75, 0, 0, 0, 0, 0\n", "", 4, 1,
     "", "indicatori_vmax, 1000, 60, 70, 75, 0, 0, 0, 0, 0\n", ""},
    {"Header", Stato::avviso_voce_sconosciuta, Sorgente::linea, "", "", "[curvee]\n", "", 4, 1, "", "[pendenze]\n", ""},
    {"Case", Stato::avviso_maiuscole, Sorgente::linea, "", "Ripetizione segnali 4 codici, 1000, 2000\n", "", "", 3, 1,
     "ripetizione segnali 4 codici, 1000, 2000\n", "", ""},
    {"HyphenKeyword", Stato::avviso_commento, Sorgente::linea, "", "", "curva-s3, 500, 300\n", "", 4, 1, "", "- nota -, curvas3, 500, 300\n", ""},
    {"OtherConvention", Stato::avviso_commento, Sorgente::treno, "", "", "", "# nota\n", 3, 1, "", "", "- nota\n"},
    {"CommentLimit", Stato::avviso_commento, Sorgente::linea, "", "", "- a, - b, - c\n", "", 4, 11, "", "- a, - b\n", ""},
    // (A text value from the next line, such as a station's name, is reported by the reader itself.)
    {"ValuesFromNextLine", Stato::avviso_campi, Sorgente::treno, "", "", "", "segnale, 2000, 2, 2, 3\n0, 0, 0, 0,0,0, 238\n", 4,
     1, "", "", "segnale, 2000, 2, 2, 3, 0, 0, 0, 0,0,0, 238\n"},
    {"ExtraField", Stato::avviso_campi, Sorgente::linea, "", "", "pendenza, 1500, 8, 9\n", "", 4, 20, "", "pendenza, 1500, 8\n", ""},
    {"TwoKeywords", Stato::avviso_campi, Sorgente::linea, "", "", "pendenza montagna, 1500, 8, 2000, 11\n", "", 4, 1, "",
     "montagna, 1500, 2000, 11\n", ""},
    {"FeatureInGeneral", Stato::avviso_posto, Sorgente::linea, "", "pendenza, 1500, 8\n", "", "", 3, 1, "", "pendenza, 1500, 8\n", ""},
    {"GeneralInFeatures", Stato::avviso_posto, Sorgente::linea, "", "", "sfondo uno, 1\n", "", 4, 1, "sfondo uno, 1\n", "", ""},
    {"BeforeGenerale", Stato::avviso_posto, Sorgente::linea, "titolo\n", "", "", "", 1, 1, "", "", ""},
    {"GradientOrder", Stato::avviso_ordine, Sorgente::linea, "", "", "pendenza, 3000, 8\npendenza, 2000, 5\n", "", 5, 11, "",
     "pendenza, 2000, 8\npendenza, 3000, 5\n", ""},
    {"CurveOrder", Stato::avviso_ordine, Sorgente::linea, "", "", "curvas3, 3000, 300\ncurvad3, 1000, 300\n", "", 5, 10, "",
     "curvad3, 1000, 300\ncurvas3, 3000, 300\n", ""},
    {"Grid", Stato::avviso_griglia, Sorgente::linea, "", "", "indicatori_vmax, 1020, 60, 70, 75, 0, 0, 0, 0, 0\n", "", 4, 18, "",
     "indicatori_vmax, 1000, 60, 70, 75, 0, 0, 0, 0, 0\n", ""},
    {"BeyondLine", Stato::avviso_oltre_linea, Sorgente::treno, "", "", "", "segnale, 10500, 1, 1, 2, 0, 0, 0, 0, 0, 0, 0\n", 3, 10, "",
     "", "segnale, 9500, 1, 1, 2, 0, 0, 0, 0, 0, 0, 0\n"},
    {"MountainZones", Stato::avviso_sovrapposizione, Sorgente::linea, "", "", "montagna, 1000, 3000, 11\nmontagna, 2000, 4000, 11\n", "",
     5, 11, "", "montagna, 1000, 3000, 11\nmontagna, 3000, 4000, 11\n", ""},
    {"SameCell", Stato::avviso_sovrapposizione, Sorgente::linea, "", "", "pendenza, 1500, 8\npendenza, 1510, 5\n", "", 5, 11, "",
     "pendenza, 1500, 8\npendenza, 1550, 5\n", ""},
    {"CurveOverlap", Stato::avviso_sovrapposizione, Sorgente::linea, "", "", "curvas3, 1000, 300\ncurvad3, 1200, 300\n", "", 5, 10, "",
     "curvas3, 1000, 300\ncurvad3, 1300, 300\n", ""},
    {"Twice", Stato::avviso_due_volte, Sorgente::linea, "", "sfondo uno, 1\nsfondo uno, 2\n", "", "", 4, 1,
     "sfondo uno, 1\nsfondo due, 2\n", "", ""},
    {"SpeedNotMultiple", Stato::avviso_valori, Sorgente::treno, "", "", "", "velocita, 500, 82\n", 3, 16, "", "", "velocita, 500, 80\n"},
    {"Clock", Stato::avviso_valori, Sorgente::treno, "", "", "", "orologio, 25 0 0\n", 3, 11, "", "", "orologio, 23 59 59\n"},
    {"Utf8", Stato::avviso_codifica, Sorgente::linea, "", "", "cartello_indicatore, 1000, Caff\xC3\xA8\n", "", 4, 32, "",
     "cartello_indicatore, 1000, Caff\xE8\n", ""},
};

class Avvisi : public ::testing::TestWithParam<Caso> {};

TEST_P(Avvisi, WarnsAtTheFieldAndNotOnTheNearOne) {
    const Caso& c = GetParam();
    const Esito_ e = controlla_testi(linea_di(c.generale, c.elementi, c.prima), treno_di(c.treno));
    bool trovato = false;
    for (const Diagnostica& d : e.avvisi) {
        if (d.stato != c.classe) continue;
        EXPECT_EQ(d.sorgente, c.sorgente) << d.messaggio;
        EXPECT_EQ(d.luogo(), (Luogo{c.riga, c.colonna})) << d.messaggio;
        EXPECT_GT(d.colonna_fine, d.colonna);
        EXPECT_TRUE(d.avviso());
        trovato = true;
    }
    EXPECT_TRUE(trovato) << nome(c.classe);

    const Esito_ vicino = controlla_testi(linea_di(c.vicino_generale, c.vicino_elementi), treno_di(c.vicino_treno));
    for (const Diagnostica& d : vicino.avvisi) ADD_FAILURE() << nome(d.stato) << " " << d.riga << ":" << d.colonna << " " << d.messaggio;
}

INSTANTIATE_TEST_SUITE_P(Classi, Avvisi, ::testing::ValuesIn(casi),
                         [](const auto& i) { return std::string(i.param.nome); });

TEST(Avvisi, SuggestsTheKeywordASmallEditAway) {
    const struct {
        const char* campo;
        Sorgente sorgente;
        const char* parola;
    } casi_vicini[] = {{"pendnza", Sorgente::linea, "pendenza"},      {"indicatori_vmx", Sorgente::linea, "indicatori_vmax"},
                       {"velocta", Sorgente::treno, "velocita"},      {"stazoine", Sorgente::treno, "stazione"},
                       {"rallentamneto", Sorgente::treno, "rallentamento"}};
    for (const auto& c : casi_vicini) EXPECT_EQ(parola_vicina(c.campo, c.sorgente), std::optional<std::string_view>(c.parola)) << c.campo;
    EXPECT_EQ(parola_vicina("treno", Sorgente::treno), std::nullopt);
    EXPECT_EQ(parola_vicina("xyz", Sorgente::linea), std::nullopt);
}

// A recorded reading gives the same tables and status as a plain one.
TEST(Avvisi, TheRecordChangesNothing) {
    const std::string linea = testo_linea(), treno = testo_treno();
    Scenario a, b;
    Registro r;
    compila(a, 1, Descrizioni{linea, treno});
    compila(b, 1, Descrizioni{linea, treno}, &r);
    EXPECT_FALSE(r.campi.empty());
    EXPECT_EQ(a.percorso, b.percorso);
    EXPECT_EQ(a.voci, b.voci);
    EXPECT_EQ(a.codice_errore, b.codice_errore);
    EXPECT_EQ(a.diagnostiche, b.diagnostiche);
}

// Each recorded field's bytes, read back through their offset, stand at its
// line and column in its own text.
TEST(Avvisi, TheRecordPointsEachFieldAtItsBytes) {
    const std::string linea = testo_linea(), treno = testo_treno();
    Scenario s;
    Registro r;
    compila(s, 1, Descrizioni{linea, treno}, &r);
    const auto inizi_righe = [](std::string_view t) {
        std::vector<std::size_t> inizi{0};
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i] == '\n' || (t[i] == '\r' && (i + 1 >= t.size() || t[i + 1] != '\n'))) inizi.push_back(i + 1);
        }
        return inizi;
    };
    const std::vector<std::size_t> righe[2] = {inizi_righe(linea), inizi_righe(treno)};
    const std::string_view testi[2] = {linea, treno};
    std::size_t visti[2] = {0, 0};
    for (const CampoLetto& c : r.campi) {
        const auto t = static_cast<std::size_t>(c.sorgente);
        ASSERT_LT(t, 2u);
        ASSERT_GE(c.riga, 1);
        ASSERT_LE(static_cast<std::size_t>(c.riga), righe[t].size());
        const std::size_t da = righe[t][static_cast<std::size_t>(c.riga - 1)] + static_cast<std::size_t>(c.colonna - 1);
        EXPECT_EQ(testi[t].substr(da, c.lunghezza), r.testo(c)) << "line " << c.riga << " column " << c.colonna;
        EXPECT_EQ(c.colonna_fine() - c.colonna, static_cast<std::int32_t>(r.testo(c).size()));
        ++visti[t];
    }
    EXPECT_GT(visti[0], 100u);  // both texts recorded
    EXPECT_GT(visti[1], 50u);
    CampoLetto fuori;
    fuori.inizio = static_cast<std::uint32_t>(linea.size() + 1);
    EXPECT_EQ(r.testo(fuori), "");  // an offset past its text gives no bytes
}

TEST(Avvisi, NoFalseAlarmOnTheEmbeddedAndGeneratedScenarios) {
    for (const int piano : {1, 0}) {
        for (const Diagnostica& d : controlla_testi(testo_linea(), testo_treno(), piano).avvisi) {
            ADD_FAILURE() << "embedded: " << nome(d.stato) << " " << d.riga << ":" << d.colonna << " " << d.messaggio;
        }
    }
    for (const std::int32_t l : {1000, 1999, 5000, 10000, 33333, 93000, 123457, 250000, 500001, 777777, 1000000}) {
        const banco::ScenarioGenerato g = banco::genera_scenario(l);
        for (const Diagnostica& d : controlla_testi(g.linea, g.treno).avvisi) {
            ADD_FAILURE() << l << ": " << nome(d.stato) << " " << d.riga << ":" << d.colonna << " " << d.messaggio;
        }
    }
}

std::string sostituisci(std::string t, const std::string& da, const std::string& a) {
    const std::size_t i = t.find(da);
    EXPECT_NE(i, std::string::npos) << da;
    if (i != std::string::npos) t.replace(i, da.size(), a);
    return t;
}

// The slips a new author makes, in the embedded scenario: each is warned at
// its line; -Werror refuses and writes nothing, -w is silent.
TEST(AvvisiCli, TyposOfTheEmbeddedScenario) {
    std::string linea = testo_linea(), treno = testo_treno();
    linea = sostituisci(linea, "pendenza,  1500", "pendnza,  1500");
    linea = sostituisci(linea, "indicatori_vmax,  500,", "indicatori_vmx,  500,");
    linea = sostituisci(linea, "ripetizione segnali", "Ripetizione segnali");
    linea = sostituisci(linea, "curvas3,  500", "curva-s3,  500");
    linea = sostituisci(linea, "curvad3,  1850,  300\r\n", "");
    linea = sostituisci(linea, "curvas4,  4600,  300\r\n", "curvas4,  4600,  300\r\ncurvad3,  1850,  300\r\n");
    treno = sostituisci(treno, "velocita,   86300", "velocta,   86300");
    treno = sostituisci(treno, "stazione,   85950", "stazoine,   85950");
    treno = sostituisci(treno, "13,46, 0, VALMORA P.F.", "13,46, 0");
    prova::CartellaTemporanea c;
    prova::scrivi_tutto(c / "P_linea.txt", linea);
    prova::scrivi_tutto(c / "P_1-.txt", treno);

    const prova::Esecuzione e = prova::esegui(COMPATTATORE_CLI_EXE, {"check", "P_linea.txt", "P_1-.txt"}, c.percorso());
    EXPECT_EQ(e.stato, 0) << e.err;
    for (const char* atteso : {"P_linea.txt:9:1: ", "P_linea.txt:11:1: ", "P_linea.txt:18:11: ", "P_linea.txt:90:1: ",
                               "P_linea.txt:156:1: ", "P_1-.txt:10:1: ", "P_1-.txt:12:1: ", "P_1-.txt:13:1: "}) {
        EXPECT_NE(e.err.find(atteso), std::string::npos) << atteso << "\n" << e.err;
    }

    const prova::Esecuzione w = prova::esegui(COMPATTATORE_CLI_EXE, {"compile", "-Werror", "-o", "fuori", "P_linea.txt", "P_1-.txt"},
                                              c.percorso());
    EXPECT_EQ(w.stato, 1) << w.err;
    EXPECT_FALSE(std::filesystem::exists(c / "fuori") && !std::filesystem::is_empty(c / "fuori"));

    const prova::Esecuzione q = prova::esegui(COMPATTATORE_CLI_EXE, {"check", "-w", "P_linea.txt", "P_1-.txt"}, c.percorso());
    EXPECT_EQ(q.stato, 0);
    EXPECT_EQ(q.err, "");
    const prova::Esecuzione u = prova::esegui(COMPATTATORE_CLI_EXE, {"check", "-Wno-sense", "P_linea.txt", "P_1-.txt"}, c.percorso());
    EXPECT_EQ(u.stato, 2) << u.err;
}

TEST(AvvisiCli, Utf8InputIsReadAsWindows1252) {
    prova::CartellaTemporanea c;
    std::string linea = testo_linea();
    linea = sostituisci(linea, "(DEV. U.)", "(DEV. \xC3\x9C.)");
    prova::scrivi_tutto(c / "P_linea.txt", linea);
    prova::scrivi_tutto(c / "P_1-.txt", testo_treno());
    const prova::Esecuzione a = prova::esegui(COMPATTATORE_CLI_EXE, {"check", "P_linea.txt", "P_1-.txt"}, c.percorso());
    EXPECT_NE(a.err.find("warning"), std::string::npos) << a.err;
    const prova::Esecuzione b =
        prova::esegui(COMPATTATORE_CLI_EXE, {"check", "--input-encoding", "utf-8", "P_linea.txt", "P_1-.txt"}, c.percorso());
    EXPECT_EQ(b.stato, 0) << b.err;
    EXPECT_EQ(b.err, "");
    prova::scrivi_tutto(c / "P_linea.txt", sostituisci(testo_linea(), "(DEV. U.)", "(DEV. \xE2\x86\x92)"));
    const prova::Esecuzione e =
        prova::esegui(COMPATTATORE_CLI_EXE, {"compile", "--input-encoding", "utf-8", "-o", "fuori", "P_linea.txt", "P_1-.txt"},
                      c.percorso());
    EXPECT_EQ(e.stato, 1) << e.err;
    EXPECT_FALSE(std::filesystem::exists(c / "fuori") && !std::filesystem::is_empty(c / "fuori"));
}

TEST(Codifica, Utf8InputBecomesWindows1252) {
    const Conversione c = da_utf8_a_1252("\xEF\xBB\xBF" "caff\xC3\xA8 \xE2\x82\xAC\r\n", Sorgente::linea);
    EXPECT_EQ(c.testo, "caff\xE8 \x80\r\n");
    EXPECT_TRUE(c.errori.empty());

    const Conversione e = da_utf8_a_1252("ok\r\nab \xE2\x86\x92 c\r\n", Sorgente::treno);  // an arrow has no byte
    ASSERT_EQ(e.errori.size(), 1u);
    EXPECT_EQ(e.errori[0].luogo(), (Luogo{2, 4}));
    EXPECT_EQ(e.errori[0].colonna_fine, 7);
    EXPECT_EQ(e.errori[0].gravita(), Gravita::errore);
}

}  // namespace
}  // namespace compattatore
