// The report as an author reads it: each diagnostic at the field that caused
// it, the line quoted with the field underlined, the words; every refusal of
// a run; the JSON document and the SARIF log.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/processo.hpp"

namespace compattatore {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using prova::CartellaTemporanea;
using prova::Esecuzione;
using prova::leggi_tutto;
using prova::scrivi_tutto;

const std::string cli = COMPATTATORE_CLI_EXE;

// A line of 10000 m: the track ends at 17,000 m.
const std::string linea_minima =
    "[generale]\r\nlunghezza percorso, 10000\r\n[pendenze]\r\npendenza, 0, 0\r\n[fine]\r\n";
const std::string treno_minimo = "[generale]\r\nvelocita, 0, 100\r\naderenza, 0, 90\r\n[fine]\r\n";

class Diagnostiche : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directory(dir / "out"); }

    void scrivi(const std::string& linea, const std::string& treno) {
        scrivi_tutto(dir / "Prova_linea.txt", linea);
        scrivi_tutto(dir / "Prova_42-.txt", treno);
    }
    Esecuzione esegui(std::vector<std::string> a) {
        return prova::esegui(cli, a, dir.percorso());
    }
    Esecuzione check(std::vector<std::string> opzioni = {}) {
        std::vector<std::string> a{"check", "Prova_linea.txt", "Prova_42-.txt"};
        a.insert(a.end(), opzioni.begin(), opzioni.end());
        return esegui(a);
    }
    std::vector<std::string> file_in_uscita() const {
        std::vector<std::string> nomi;
        for (const auto& e : fs::directory_iterator(dir / "out")) nomi.push_back(e.path().filename().string());
        std::sort(nomi.begin(), nomi.end());
        return nomi;
    }
    CartellaTemporanea dir;
};

std::vector<std::string> righe(const std::string& t) {
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < t.size()) {
        const std::size_t f = t.find('\n', i);
        r.push_back(t.substr(i, f == std::string::npos ? std::string::npos : f - i));
        if (f == std::string::npos) break;
        i = f + 1;
    }
    return r;
}

// The underline printed under the quoted line of the diagnostic that starts
// with `testa`: where its caret stands in the quoted text (1-based) and what
// it is ("^~~"). Empty when the diagnostic or its quote is missing.
struct Sottolineatura {
    std::size_t colonna = 0;
    std::string segno;
    std::string citata;
};

Sottolineatura sottolineatura(const std::string& err, const std::string& testa) {
    const std::vector<std::string> r = righe(err);
    for (std::size_t i = 0; i + 2 < r.size(); ++i) {
        if (r[i].rfind(testa, 0) != 0) continue;
        const std::size_t barra = r[i + 1].find(" | ");
        const std::size_t barra_sotto = r[i + 2].find(" | ");
        if (barra == std::string::npos || barra_sotto != barra) return {};
        const std::string sotto = r[i + 2].substr(barra + 3);
        const std::size_t caret = sotto.find('^');
        if (caret == std::string::npos) return {};
        return {caret + 1, sotto.substr(caret), r[i + 1].substr(barra + 3)};
    }
    return {};
}

struct Caso {
    const char* nome;
    std::string linea;
    std::string treno;
    const char* file;   // "Prova_linea.txt" or "Prova_42-.txt"
    int riga;
    int colonna;
    const char* tipo;   // "error 6", "warning 12", "error text-too-long"
    const char* segno;  // the underline
    std::vector<std::string> parole;
    int esito = 1;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class DiagnosticheCasi : public Diagnostiche, public ::testing::WithParamInterface<Caso> {};

TEST_P(DiagnosticheCasi, AtTheFieldWithTheLineQuotedAndTheWords) {
    const Caso& c = GetParam();
    scrivi(c.linea, c.treno);
    const Esecuzione e = check();
    EXPECT_EQ(e.stato, c.esito) << e.err;
    // A diagnostic of the whole text has no line, no column and no quote.
    const std::string testa = std::string(c.file) +
                              (c.riga > 0 ? ":" + std::to_string(c.riga) + ":" + std::to_string(c.colonna) : "") +
                              ": " + c.tipo + ": ";
    ASSERT_NE(e.err.find(testa), std::string::npos) << "expected " << testa << " in:\n" << e.err;
    const Sottolineatura s = sottolineatura(e.err, testa);
    const std::string segno = c.segno;
    if (c.riga == 0) {
        EXPECT_EQ(s.segno, "") << e.err;
    } else if (!segno.empty()) {  // empty: a field too long to spell out here
        EXPECT_EQ(s.colonna, static_cast<std::size_t>(c.colonna)) << e.err;
        EXPECT_EQ(s.segno, segno) << e.err;
    }
    for (const std::string& p : c.parole) EXPECT_NE(e.err.find(p), std::string::npos) << p << " in:\n" << e.err;
    EXPECT_EQ(e.err.find('\x1b'), std::string::npos) << "no colour into a pipe";

    // The same place in the JSON document; no line is null, never 0.
    const Esecuzione j = check({"--json"});
    const Json doc = Json::parse(j.out);
    bool trovata = false;
    for (const Json& d : doc["diagnostics"]) {
        if (d["file"] != c.file) continue;
        if (c.riga == 0) {
            trovata = trovata || (d["line"].is_null() && d["column"].is_null() && d["end_column"].is_null());
        } else if (d["line"] == c.riga && d["column"] == c.colonna) {
            trovata = true;
            if (!segno.empty()) {
                EXPECT_EQ(d["end_column"].get<int>() - c.colonna, static_cast<int>(segno.size()));
            }
        }
    }
    EXPECT_TRUE(trovata) << j.out;
}

std::string segnali(int n) {
    std::string s = "segnale, 1650";
    for (int i = 1; i < n; ++i) s += ", 0";
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Casi, DiagnosticheCasi,
    ::testing::Values(
        Caso{"EntryShortOfValuesAtItsKeyword", linea_minima,
             "[generale]\r\nvelocita, 0, 100\r\n" + segnali(10) + "\r\n[codici]\r\n[fine]\r\n", "Prova_42-.txt", 3, 1,
             "error 25", "^~~~~~~",
             {"\"segnale\" on line 3 has 10 values on its line; its 11th value was read from line 4: `[codici]`",
              "the one taken from the next line is `tempo`", "note: malformed number at line 4, column 1"}},
        Caso{"MalformedValueAtItself", linea_minima, "[generale]\r\nvelocita, 0, 1OO\r\n[fine]\r\n", "Prova_42-.txt",
             2, 14, "error 25", "^~~", {"malformed number"}},
        Caso{"BeyondTheTrackInMetres", linea_minima,
             "[generale]\r\nvelocita, 0, 100\r\nsegnale, 99950, 1,1,1,0,0,0,0,0,0,0\r\n[fine]\r\n", "Prova_42-.txt", 3,
             10, "error 15", "^~~~~",
             {"signal at 99,950 m: the last position a signal may take on this line is 16,900 m: the track ends at "
              "17,000 m, 7,000 m past the line's 10,000 m, and a signal needs 100 m of it"}},
        Caso{"StationNeedsItsTrackAfterIt", linea_minima,
             "[generale]\r\nstazione, 16500, 1, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, A\r\n[fine]\r\n",
             "Prova_42-.txt", 2, 11, "error 15", "^~~~~",
             {"the last position a station may take on this line is 16,200 m", "a station needs 800 m of it"}},
        Caso{"ProgressiveAtTheEntryAsWritten",
             "[generale]\r\nlunghezza percorso, 10000\r\nprogressiva chilometrica uno, 1010, 0, 0\r\n[fine]\r\n",
             treno_minimo, "Prova_linea.txt", 3, 31, "error 2", "^~~~",
             {"kilometric progressive \"progressiva chilometrica uno\" (line 3): its start 1010 m"}},
        Caso{"BoardOnATakenCellAtItsPosition",
             "[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\ncartello_indicatore, 500, (A)\r\n"
             "cartello_indicatore, 510, (B)\r\n[fine]\r\n",
             treno_minimo, "Prova_linea.txt", 5, 22, "error 6", "^~~", {"(510 m, cell 11)"}},
        Caso{"StationLengthAtTheLength", linea_minima,
             "[generale]\r\nstazione, 5000, 1, 350, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, A\r\n[fine]\r\n",
             "Prova_42-.txt", 2, 20, "error 9", "^~~", {}},
        Caso{"StationWithoutItsNameTakesTheNextLine", linea_minima,
             "[generale]\r\nstazione, 5000, 1, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0\r\nsabbia, 1\r\n[fine]\r\n",
             "Prova_42-.txt", 2, 1, "warning text-from-next-line", "^~~~~~~~",
             {"\"stazione\" on line 2 has 16 values on its line; its 17th value was read from line 3: `sabbia`",
              "the one taken from the next line is `nome`"},
             0},
        Caso{"TrainWithoutGeneral", linea_minima, "velocita, 0, 100\r\n", "Prova_42-.txt", 0, 0,
             "error train-without-general", "", {"has no \"[generale]\" heading"}},
        Caso{"BoardTextTooLong",
             "[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\ncartello_indicatore, 500, " +
                 std::string(40000, 'x') + "\r\n[fine]\r\n",
             treno_minimo, "Prova_linea.txt", 4, 27, "error text-too-long",
             "", {"board text of 40000 bytes: the entry file holds at most 32767 bytes"}},
        Caso{"FinishingWarningAtItsSlowdown", linea_minima,
             "[generale]\r\nvelocita, 0, 100\r\nsegnale, 1650, 1,1,1,0,0,0,0,0,0,0\r\n"
             "segnale, 1700, 1,1,1,0,0,0,0,0,0,0\r\nsegnale, 1750, 1,1,1,0,0,0,0,0,0,0\r\n"
             "rallentamento, 2000, 30, 400, 1, 1, 0\r\n[fine]\r\n",
             "Prova_42-.txt", 6, 16, "warning 12", "^~~~", {"slowdown start at 2000 m (cell 41)", "(2000 m, cell 41)"},
             0}),
    [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

TEST_F(Diagnostiche, EveryRefusalOfARunInBothDescriptionsTheFilesOfTheFirst) {
    const std::string linea =
        "[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\ncartello_indicatore, 500, (A)\r\n"
        "cartello_indicatore, 510, (B)\r\ncartello_indicatore, 2000, (C)\r\ncartello_indicatore, 2010, (D)\r\n"
        "[fine]\r\n";
    const std::string treno =
        "[generale]\r\nvelocita, 0, 100\r\n"
        "stazione, 5025, 1, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, A\r\n[fine]\r\n";
    scrivi(linea, treno);

    const Esecuzione e = check();
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("Prova_linea.txt:5:22: error 6: "), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("Prova_linea.txt:7:22: error 6: "), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("Prova_42-.txt:3:11: error 8: "), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("note: found after the first refusal"), std::string::npos) << e.err;

    // The boards at 500 and 510 m also draw a warning (510 is not on the grid): -w leaves the refusals.
    const Json doc = Json::parse(check({"--json", "-w"}).out);
    ASSERT_EQ(doc["diagnostics"].size(), 3u) << doc.dump(1);
    EXPECT_FALSE(doc["diagnostics"][0]["after_first"].get<bool>());
    EXPECT_TRUE(doc["diagnostics"][1]["after_first"].get<bool>());
    EXPECT_TRUE(doc["diagnostics"][2]["after_first"].get<bool>());
    // The recorded status is the first refusal's.
    EXPECT_EQ(doc["error_code"], 6);
    EXPECT_EQ(doc["error_position"], 510);

    const Json uno = Json::parse(check({"--json", "-w", "--max-errors", "1"}).out);
    EXPECT_EQ(uno["diagnostics"].size(), 1u);
    EXPECT_TRUE(uno["more_errors_omitted"].get<bool>());
    const Json due = Json::parse(check({"--json", "-w", "--max-errors=2"}).out);
    EXPECT_EQ(due["diagnostics"].size(), 2u);

    // --keep-going writes the tables of the first refusal, whatever the
    // check found after it.
    const std::vector<std::string> k{"compile", "Prova_linea.txt", "Prova_42-.txt", "-o", "out", "--keep-going"};
    std::vector<std::string> k1 = k;
    k1.insert(k1.end(), {"--max-errors", "1"});
    EXPECT_EQ(esegui(k1).stato, 1);
    std::vector<std::string> primi;
    for (const std::string& f : file_in_uscita()) primi.push_back(leggi_tutto(dir / "out" / f));
    EXPECT_EQ(esegui(k).stato, 1);
    std::vector<std::string> tutti;
    for (const std::string& f : file_in_uscita()) tutti.push_back(leggi_tutto(dir / "out" / f));
    EXPECT_EQ(primi.size(), 3u);
    EXPECT_EQ(primi, tutti);
}

TEST_F(Diagnostiche, ToolRefusalsWriteNoFile) {
    for (const std::string& treno : {std::string(), std::string("\x01\x02 random bytes\r\n")}) {
        scrivi(linea_minima, treno);
        const Esecuzione e = esegui({"compile", "Prova_linea.txt", "Prova_42-.txt", "-o", "out"});
        EXPECT_EQ(e.stato, 1) << e.err;
        EXPECT_NE(e.err.find("error train-without-general: "), std::string::npos) << e.err;
        EXPECT_TRUE(file_in_uscita().empty());
    }
    scrivi(linea_minima, "[generale]\r\nstazione, 5000, 1, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, " +
                             std::string(33000, 'n') + "\r\n[fine]\r\n");
    const Esecuzione e = esegui({"compile", "Prova_linea.txt", "Prova_42-.txt", "-o", "out"});
    EXPECT_EQ(e.stato, 1) << e.err;
    EXPECT_NE(e.err.find("Prova_42-.txt:2:64: error text-too-long: station name of 33000 bytes"),
              std::string::npos)
        << e.err.substr(0, 400);
    EXPECT_TRUE(file_in_uscita().empty());
}

TEST_F(Diagnostiche, ColourOnlyWhenAskedOrOnATerminal) {
    scrivi(linea_minima, "[generale]\r\nvelocita, 0, 1OO\r\n[fine]\r\n");
    EXPECT_NE(check({"--color=always"}).err.find("\x1b[1;31merror 25:"), std::string::npos);
    EXPECT_EQ(check({"--color", "never"}).err.find('\x1b'), std::string::npos);
    const Esecuzione e = check({"--color=sometimes"});
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.err.find("--color takes auto, always or never"), std::string::npos) << e.err;
}

TEST_F(Diagnostiche, JsonIsOneDocumentAlsoForUsageAndFileErrors) {
    scrivi(linea_minima, treno_minimo);
    const Esecuzione pulita = check({"--json"});
    EXPECT_EQ(pulita.stato, 0);
    const Json p = Json::parse(pulita.out);
    EXPECT_EQ(p["format"], 2);
    EXPECT_EQ(p["exit_status"], 0);
    EXPECT_TRUE(p["diagnostics"].empty());
    EXPECT_TRUE(p["error_code"].is_null());
    EXPECT_TRUE(p["error_position"].is_null());
    EXPECT_TRUE(p["stop"].is_null());
    EXPECT_TRUE(p["error"].is_null());

    const struct {
        std::vector<std::string> a;
        const char* tipo;
        const char* parole;
    } errori[] = {
        {{"check", "Prova_linea.txt", "--json"}, "usage", "check needs LINE and TRAIN"},
        {{"check", "Prova_linea.txt", "Prova_42-.txt", "--json", "--max-errors", "0"}, "usage", "--max-errors takes"},
        // Missing inputs are told as missing, before any question of naming.
        {{"check", "manca.txt", "Prova_42-.txt", "--json"}, "file", "cannot read manca.txt: no such file"},
        {{"compile", "Prova_linea.txt", "manca-.txt", "--json"}, "file", "cannot read manca-.txt: no such file"},
    };
    for (const auto& c : errori) {
        const Esecuzione e = esegui(c.a);
        EXPECT_EQ(e.stato, 2) << e.err;
        const Json j = Json::parse(e.out);
        EXPECT_EQ(j["format"], 2);
        EXPECT_EQ(j["exit_status"], 2);
        EXPECT_EQ(j["error"]["kind"], c.tipo);
        EXPECT_NE(j["error"]["message"].get<std::string>().find(c.parole), std::string::npos) << e.out;
        EXPECT_TRUE(j["diagnostics"].empty());
    }
}

TEST_F(Diagnostiche, SarifLogHasWhatVersion210Requires) {
    scrivi("[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\ncartello_indicatore, 500, (A)\r\n"
           "cartello_indicatore, 510, (B)\r\n[fine]\r\n",
           "[generale]\r\nvelocita, 0, 100\r\n" + segnali(10) + "\r\n[codici]\r\n[fine]\r\n");
    const Esecuzione e = check({"--sarif", "rapporto.sarif", "-w"});
    EXPECT_EQ(e.stato, 1);
    const Json log = Json::parse(leggi_tutto(dir / "rapporto.sarif"));
    EXPECT_EQ(log["version"], "2.1.0");
    EXPECT_TRUE(log["$schema"].is_string());
    ASSERT_EQ(log["runs"].size(), 1u);
    const Json& corsa = log["runs"][0];
    EXPECT_EQ(corsa["tool"]["driver"]["name"], "compattatore-cli");
    const Json& regole = corsa["tool"]["driver"]["rules"];
    ASSERT_EQ(corsa["results"].size(), 2u);
    for (const Json& r : corsa["results"]) {
        const std::string id = r["ruleId"];
        const auto indice = r["ruleIndex"].get<std::size_t>();
        ASSERT_LT(indice, regole.size());
        EXPECT_EQ(regole[indice]["id"], id);
        EXPECT_EQ(r["level"], "error");
        EXPECT_FALSE(r["message"]["text"].get<std::string>().empty());
        const Json& fisico = r["locations"][0]["physicalLocation"];
        EXPECT_TRUE(fisico["artifactLocation"]["uri"].is_string());
        EXPECT_GE(fisico["region"]["startLine"].get<int>(), 1);
        EXPECT_GT(fisico["region"]["endColumn"].get<int>(), fisico["region"]["startColumn"].get<int>());
    }
    const Json& primo = corsa["results"][0]["locations"][0]["physicalLocation"];
    EXPECT_EQ(primo["artifactLocation"]["uri"], "Prova_linea.txt");
    EXPECT_EQ(primo["region"]["startLine"], 5);
    EXPECT_EQ(primo["region"]["startColumn"], 22);
    EXPECT_EQ(primo["region"]["endColumn"], 25);
}

TEST_F(Diagnostiche, TheEmbeddedScenarioReportsNothing) {
    ASSERT_EQ(esegui({"export", "emb"}).stato, 0);
    std::string linea, treno;
    for (const auto& f : fs::directory_iterator(dir / "emb")) {
        const std::string n = f.path().filename().string();
        if (n.ends_with("_linea.txt")) linea = f.path().string();
        if (n.ends_with("-.txt")) treno = f.path().string();
    }
    const Esecuzione e = esegui({"check", linea, treno});
    EXPECT_EQ(e.stato, 0);
    EXPECT_EQ(e.err, "");
    const Json j = Json::parse(esegui({"check", linea, treno, "--json"}).out);
    EXPECT_TRUE(j["diagnostics"].empty());
}

}  // namespace
}  // namespace compattatore
