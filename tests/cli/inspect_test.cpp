// compattatore-cli inspect: the report of compiled files, in words and as
// JSON, and one clear error for each kind of damaged file.
#include "cli/inspect.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "tests/cli/scenario_piccolo.hpp"
#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/json.hpp"
#include "tests/support/processo.hpp"

namespace compattatore {
namespace {

namespace fs = std::filesystem;
using prova::CartellaTemporanea;

struct Uscite {
    int stato = -1;
    std::string out;
    std::string err;
};

Uscite ispeziona(std::vector<std::string> argomenti) {
    argomenti.insert(argomenti.begin(), "inspect");
    std::ostringstream out, err;
    Uscite u;
    u.stato = cli::esegui(argomenti, out, err);
    u.out = out.str();
    u.err = err.str();
    return u;
}

bool contiene(const std::string& testo, const std::string& parte) { return testo.find(parte) != std::string::npos; }

class Ispeziona : public ::testing::Test {
protected:
    void SetUp() override { prova::scrivi_file_scenario(s, dir.percorso()); }
    std::string p(const std::string& nome) const { return (dir / nome).string(); }
    Scenario s = prova::scenario_piccolo();
    CartellaTemporanea dir;
};

TEST_F(Ispeziona, TrackReportNamesFeaturesFromTheEntryFileBesideIt) {
    const Uscite u = ispeziona({p("Prova_42.dat")});
    ASSERT_EQ(u.stato, 0) << u.err;
    EXPECT_EQ(u.err, "");
    const std::string attesi[] = {
        "track file, 341 cells (0 to 340), 5115 bytes",
        "line length: 10000 m (from Prova_42.sim)",
        "file mark: 5121 in cell 1",
        "matches train \"42\" on route \"Prova\" (names from the entry file beside it)",
        "cell 11 (500 m): text board \"(Cippo Km.)( 0+500 )\" (entry 80)",
        "cell 21 (1000 m): speed board, side s 60/70/75 km/h, side d 60/70/75 km/h",
        "cell 62 (3100 m): station stop of station 1 \"STAZIONE UNO\"",
        "cell 99 (4950 m): approach mark 61",
        "cell 101 (5000 m): signal, aspects 2/0, 3/0, 0/0, sx 2 dx 0 rapp 0, time 238",
        "cell 117 (5800 m): slowdown warning board, 30 km/h",
        "cell 120 (6000 m): code point 180",
        "cell 130 (6500 m): code point without value",
        "cell 141 (7000 m): slowdown start, 30 km/h, f_tt 1",
        "cell 151 (7500 m): slowdown end, 30 km/h",
        "cell 181 (9000 m): signal, aspects 1/0, 0/0, 0/0, sx 1 dx 0 rapp 0, time 0",
        "2000 m to 4000 m (cells 40 to 79): 10 \u2030",
        "4000 m to 16900 m (cells 80 to 337): -5 \u2030",
        "16900 m to 17050 m (cells 338 to 340): not set",
        "0 m to 10000 m (cells 0 to 199): 130 km/h",
        "10000 m to 16900 m (cells 200 to 337): 80 km/h",
        "12500 m to 13050 m (cells 250 to 260): type 3",
    };
    for (const std::string& a : attesi) EXPECT_TRUE(contiene(u.out, a)) << a << "\n---\n" << u.out;
    // Empty cells are not listed.
    EXPECT_FALSE(contiene(u.out, "cell 0 (")) << u.out;
    EXPECT_FALSE(contiene(u.out, "cell 100 (")) << u.out;
}

TEST_F(Ispeziona, EntryAndPlanReports) {
    const Uscite u = ispeziona({p("Prova_42.sim"), p("Prova_linea.dat")});
    ASSERT_EQ(u.stato, 0) << u.err;
    const std::string attesi[] = {
        "route \"Prova\" (entry 85), train \"42\" (entry 86)",
        "file mark: 610 in entry 85",
        ", matches the names",
        "1 \"STAZIONE UNO\": kind 12, zone 2850 m to 3150 m, position 3000 m, time 13:41:00",
        "2 \"STAZIONE DUE\": kind 4, zone 7800 m to 8200 m, position 8000 m, time 13:46:00",
        "entry 80: \"(Cippo Km.)( 0+500 )\"",
        "cars: 2",
        "braked mass: 135 %",
        "line length: 10000 m",
        "clock: 13:40:45",
        "cab-signal repetition: 1300 m to 6200 m, 4 codes",
        "backgrounds: one 1, two 0, three 0",
        // The plan: 17001 points, 16999 computed, one curve of 1 rad to the right.
        "plan file, 17001 points per column (metres 0 to 17000)",
        "computed: 16999 points (0 to 16998), 2 Empty after them",
        "heading change: 57.29",
        "degrees to the right",
    };
    for (const std::string& a : attesi) EXPECT_TRUE(contiene(u.out, a)) << a << "\n---\n" << u.out;
    EXPECT_FALSE(contiene(u.out, "other entries")) << u.out;
}

TEST_F(Ispeziona, TrackAloneTakesTheNamesFromItsFileName) {
    struct Caso {
        const char* nome;
        int stato;
        const char* atteso;
    };
    const Caso casi[] = {
        {"Prova_42.dat", 0, "(names from the file name)"},
        {"traccia.dat", 0, "not checked (no names"},
        {"Prova_43.dat", 2, "plain competition code at byte 18 (cell 1) is"},
    };
    CartellaTemporanea altrove;
    const std::string byte = prova::leggi_tutto(dir / "Prova_42.dat");
    for (const Caso& c : casi) {
        prova::scrivi_tutto(altrove / c.nome, byte);
        const Uscite u = ispeziona({(altrove / c.nome).string()});
        EXPECT_EQ(u.stato, c.stato) << c.nome << u.err;
        EXPECT_TRUE(contiene(u.out + u.err, c.atteso)) << c.nome << "\n" << u.out << u.err;
    }
}

TEST_F(Ispeziona, JsonIsOneValidDocumentWithTheSameFacts) {
    const Uscite u = ispeziona({p("Prova_42.dat"), p("Prova_42.sim"), p("Prova_linea.dat"), "--json"});
    ASSERT_EQ(u.stato, 0) << u.err;
    EXPECT_EQ(prova::errore_json(u.out), "") << u.out;
    const std::string attesi[] = {
        "\"kind\":\"track\"", "\"kind\":\"entry\"", "\"kind\":\"plan\"", "\"mark\":5121", "\"mark\":610",
        "{\"cell\":101,\"metre\":5000,\"kind\":\"signal\"", "\"time\":\"13:41:00\"", "\"time\":\"13:46:00\"",
        "{\"from\":2000,\"to\":4000,\"first_cell\":40,\"last_cell\":79,\"value\":10}",
        "{\"from\":16900,\"to\":17050,\"first_cell\":338,\"last_cell\":340,\"value\":null}",
        "\"computed\":16999", "\"line_length\":10000",
    };
    for (const std::string& a : attesi) EXPECT_TRUE(contiene(u.out, a)) << a;
}

TEST_F(Ispeziona, NamesOutsideAsciiAreWrittenAsUtf8AndEscapedInJson) {
    s.voci[80].nome = "\"Caff\xE8\"\x96 1";  // quotes, e grave and an en dash in Windows-1252
    prova::scrivi_file_scenario(s, dir.percorso());
    const Uscite t = ispeziona({p("Prova_42.sim")});
    EXPECT_TRUE(contiene(t.out, "entry 80: \"\"Caff\u00e8\"\u2013 1\"")) << t.out;
    const Uscite j = ispeziona({p("Prova_42.sim"), "--json"});
    EXPECT_EQ(prova::errore_json(j.out), "") << j.out;
    EXPECT_TRUE(contiene(j.out, "\"text\":\"\\\"Caff\u00e8\\\"\u2013 1\"")) << j.out;
}

// Every damaged file: exit status 2, one line on standard error naming the
// file and what is wrong, nothing on standard output (not even for the good
// files given with it).
TEST_F(Ispeziona, DamagedFilesGiveOneErrorLineAndStatusTwo) {
    struct Caso {
        const char* nome;
        const char* file;
        std::function<void(std::string&)> danno;
        const char* atteso;
    };
    const Caso casi[] = {
        {"track truncated", "Prova_42.dat", [](std::string& b) { b.resize(b.size() - 7); }, "track file: 5108 bytes is not a multiple of 15"},
        {"track padded", "Prova_42.dat", [](std::string& b) { b += "x"; }, "track file: 5116 bytes is not a multiple of 15"},
        {"track without mark", "Prova_42.dat", [](std::string& b) { b[16] = 0; }, "track file: the file mark at byte 16"},
        {"entry truncated", "Prova_42.sim", [](std::string& b) { b.resize(b.size() - 1); }, "entry file: the name length 2 of entry 86"},
        {"entry padded", "Prova_42.sim", [](std::string& b) { b += "x"; }, "entry file: 1 extra byte after the last entry (86)"},
        {"entry length past the end", "Prova_42.sim", [](std::string& b) { b[49] = '\x7f'; }, "runs past the end of the file"},
        {"plan with a wrong tag", "Prova_linea.dat", [](std::string& b) { b[0] = 3; }, "plan file: unknown tag 3 at byte 0"},
        {"plan truncated", "Prova_linea.dat", [](std::string& b) { b.resize(b.size() / 2 + 1); }, "plan file:"},
        {"empty entry file", "Prova_42.sim", [](std::string& b) { b.clear(); }, "entry file: 0 bytes left for entry 0"},
    };
    for (const Caso& c : casi) {
        CartellaTemporanea d;
        prova::scrivi_file_scenario(s, d.percorso());
        std::string b = prova::leggi_tutto(d / c.file);
        c.danno(b);
        prova::scrivi_tutto(d / c.file, b);
        const std::string danneggiato = (d / c.file).string();
        const Uscite u = ispeziona({(d / "Prova_42.sim").string() == danneggiato ? (d / "Prova_linea.dat").string()
                                                                                : (d / "Prova_42.sim").string(),
                                    danneggiato});
        EXPECT_EQ(u.stato, 2) << c.nome;
        EXPECT_EQ(u.out, "") << c.nome;
        EXPECT_EQ(u.err.rfind("compattatore-cli: " + danneggiato + ": ", 0), 0u) << c.nome << ": " << u.err;
        EXPECT_TRUE(contiene(u.err, c.atteso)) << c.nome << ": " << u.err;
        EXPECT_EQ(std::count(u.err.begin(), u.err.end(), '\n'), 1) << c.nome << ": " << u.err;
    }
}

TEST(IspezionaUso, UsageErrors) {
    CartellaTemporanea d;
    prova::scrivi_tutto(d / "note.txt", "x");
    struct Caso {
        std::vector<std::string> argomenti;
        const char* atteso;
    };
    const Caso casi[] = {
        {{}, "inspect needs at least one FILE"},
        {{"--bad"}, "unknown option --bad"},
        {{(d / "note.txt").string()}, "cannot tell the file kind from the name"},
        {{(d / "manca_1.dat").string()}, "manca_1.dat: no such file"},
    };
    for (const Caso& c : casi) {
        const Uscite u = ispeziona(c.argomenti);
        EXPECT_EQ(u.stato, 2) << c.atteso;
        EXPECT_TRUE(contiene(u.err, c.atteso)) << u.err;
    }
}

}  // namespace
}  // namespace compattatore

namespace compattatore {
namespace {

// The program's own files, as the program writes them in its folder.
TEST(IspezionaProgramma, MainProgramsFilesShowTheEmbeddedScenario) {
    CartellaTemporanea d;
    fs::copy_file(COMPATTATORE_EXE, d / "compattatore");
    ASSERT_EQ(prova::esegui((d / "compattatore").string(), {}, d.percorso()).stato, 0);
    const prova::Esecuzione e =
        prova::esegui(COMPATTATORE_CLI_EXE,
                      {"inspect", "Valmora PR_Valmora PF_5286.dat", "Valmora PR_Valmora PF_5286.sim",
                       "Valmora PR_Valmora PF_linea.dat"},
                      d.percorso());
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.err, "");
    const std::string attesi[] = {
        "track file, 2001 cells (0 to 2000), 30015 bytes",
        "line length: 93000 m",
        "file mark: 5121 in cell 1",
        "plain competition code: 2320, matches train \"5286\" on route \"Valmora PR_Valmora PF\"",
        "cell 1733 (86600 m): signal, aspects 2/0, 3/0, 0/0, sx 2 dx 0 rapp 0, time 238",
        "cell 1721 (86050 m): station stop of station 1 \"VALMORA P.R.\"",
        "1 \"VALMORA P.R.\": kind 12, zone 85800 m to 86100 m, position 85950 m, time 13:41:00",
        "2 \"VALMORA P.F.\": kind 4, zone 87750 m to 88200 m, position 87950 m, time 13:46:00",
        "entry 80: \"(Cippo Km.)( 20+000  )\"",
        "entry 79: \"(Cippo Km.)( 22+000  )\"",
        "entry 78: \"(Cippo Km.)( 25+000  )\"",
        "entry 77: \"(FINE COD.)\"",
        "entry 76: \"(DEV. U.)\"",
        "entry 75: \"(Cippo Km.)( 43+000  )\"",
        "file mark: 610 in entry 85",
        "weighted competition code: 31678, matches the names",
        "clock: 13:40:45",
        "computed: 99999 points (0 to 99998), 2 Empty after them",
    };
    for (const std::string& a : attesi) EXPECT_TRUE(contiene(e.out, a)) << a;
    EXPECT_FALSE(contiene(e.out, "entry 74:"));
}

}  // namespace
}  // namespace compattatore
