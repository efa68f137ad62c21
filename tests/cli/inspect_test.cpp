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
        {"Prova_42.dat", 0, "(names assumed from the file name)"},
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
// file and what is wrong; the good file given with it is still reported.
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
        const std::string buono = (d / "Prova_42.sim").string() == danneggiato ? (d / "Prova_linea.dat").string()
                                                                               : (d / "Prova_42.sim").string();
        const Uscite u = ispeziona({buono, danneggiato});
        EXPECT_EQ(u.stato, 2) << c.nome;
        EXPECT_EQ(u.out.rfind(buono + ": ", 0), 0u) << c.nome << ": " << u.out;
        EXPECT_FALSE(contiene(u.out, danneggiato + ":")) << c.nome << ": " << u.out;
        EXPECT_EQ(u.err.rfind("compattatore-cli: " + danneggiato + ": ", 0), 0u) << c.nome << ": " << u.err;
        EXPECT_TRUE(contiene(u.err, c.atteso)) << c.nome << ": " << u.err;
        EXPECT_EQ(std::count(u.err.begin(), u.err.end(), '\n'), 1) << c.nome << ": " << u.err;
    }
}

// The files checked against each other: a track file cut at a cell
// boundary decodes, and only the line length stored in the entry file shows
// it; the error names both files. The entry file is found beside the track
// file or, under another name, as the only entry file given.
TEST_F(Ispeziona, TrackCellsAreCheckedAgainstTheEntryFile) {
    std::string b = prova::leggi_tutto(dir / "Prova_42.dat");
    b.resize(b.size() - 15);
    prova::scrivi_tutto(dir / "Prova_42.dat", b);
    const Uscite u = ispeziona({p("Prova_42.dat"), p("Prova_linea.dat")});
    EXPECT_EQ(u.stato, 2);
    EXPECT_EQ(u.err, "compattatore-cli: " + p("Prova_42.dat") + ": track file: 340 cells (0 to 339), but the line "
                     "length of 10000 m stored in " + p("Prova_42.sim") +
                     " needs 341: one of the two is truncated, or they are not of the same scenario\n");
    EXPECT_EQ(u.out.rfind(p("Prova_linea.dat") + ": plan file", 0), 0u) << u.out;

    CartellaTemporanea altrove;
    prova::scrivi_tutto(altrove / "Prova_42.dat", b);
    fs::copy_file(dir / "Prova_42.sim", altrove / "entrate.sim");
    const Uscite v = ispeziona({(altrove / "Prova_42.dat").string(), (altrove / "entrate.sim").string()});
    EXPECT_EQ(v.stato, 2);
    EXPECT_TRUE(contiene(v.err, "stored in " + (altrove / "entrate.sim").string())) << v.err;
}

// The names of the code check: from the entry file when one is given,
// assumed from the track file's name when none is.
TEST_F(Ispeziona, CompetitionCodeNamesComeFromTheEntryFileGiven) {
    CartellaTemporanea altrove;
    fs::copy_file(dir / "Prova_42.dat", altrove / "Altro_7.dat");
    fs::copy_file(dir / "Prova_42.sim", altrove / "entrate.sim");
    const Uscite con = ispeziona({(altrove / "Altro_7.dat").string(), (altrove / "entrate.sim").string()});
    EXPECT_EQ(con.stato, 0) << con.err;
    EXPECT_TRUE(contiene(con.out, "matches train \"42\" on route \"Prova\" (names from entrate.sim)")) << con.out;
    const Uscite senza = ispeziona({(altrove / "Altro_7.dat").string()});
    EXPECT_EQ(senza.stato, 2);
    EXPECT_TRUE(contiene(senza.err, "plain competition code at byte 18 (cell 1) is")) << senza.err;
}

// The kinds told by content: under names that say nothing, inspect and plot
// still tell the plan, entry and track files apart, in any order.
TEST_F(Ispeziona, KindsAreToldByContent) {
    CartellaTemporanea altrove;
    fs::copy_file(dir / "Prova_linea.dat", altrove / "uno.bin");
    fs::copy_file(dir / "Prova_42.sim", altrove / "due.bin");
    fs::copy_file(dir / "Prova_42.dat", altrove / "tre.bin");
    const std::string uno = (altrove / "uno.bin").string(), due = (altrove / "due.bin").string(),
                      tre = (altrove / "tre.bin").string();
    const Uscite u = ispeziona({tre, uno, due});
    EXPECT_EQ(u.stato, 0) << u.err;
    for (const std::string& a : {uno + ": plan file", due + ": entry file", tre + ": track file, 341 cells"}) {
        EXPECT_TRUE(contiene(u.out, a)) << a << "\n" << u.out;
    }
    std::ostringstream out, err;
    EXPECT_EQ(cli::esegui({"plot", "--from-files", tre, due, uno, "-o", (altrove / "x.svg").string()}, out, err), 0)
        << err.str();
    EXPECT_TRUE(fs::is_regular_file(altrove / "x.svg"));
    std::ostringstream out2, err2;
    EXPECT_EQ(cli::esegui({"plot", "--from-files", tre, due, tre, "-o", (altrove / "y.svg").string()}, out2, err2), 2);
    EXPECT_TRUE(contiene(err2.str(), "a second track file")) << err2.str();
}

// A file larger than the largest valid one of its kind is refused before
// it is read: sparse files of 2 GB take no time.
TEST(IspezionaLimiti, EachKindHasItsOwnSizeLimit) {
    struct Caso {
        const char* nome;
        long long dimensione;
        const char* atteso;
    };
    const Caso casi[] = {
        {"R_linea.dat", 20139997, "it is larger than 20139996 bytes, the largest plan file"},
        {"R_1.sim", 87LL * (34 + 32767) + 1, "it is larger than 2853687 bytes, the largest entry file"},
        {"R_1.dat", 302116, "it is larger than 302115 bytes, the largest track file"},
        {"R_2.dat", 2LL * 1024 * 1024 * 1024, "it is larger than 302115 bytes, the largest track file"},
        {"S_linea.dat", 2LL * 1024 * 1024 * 1024, "it is larger than 20139996 bytes, the largest plan file"},
    };
    for (const Caso& c : casi) {
        CartellaTemporanea d;
        fs::resize_file((prova::scrivi_tutto(d / c.nome, ""), d / c.nome), static_cast<std::uintmax_t>(c.dimensione));
        const Uscite u = ispeziona({(d / c.nome).string()});
        EXPECT_EQ(u.stato, 2) << c.nome;
        EXPECT_EQ(u.err, "compattatore-cli: cannot read " + (d / c.nome).string() + ": " + c.atteso + "\n") << c.nome;
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
        {{(d / "note.txt").string()}, "cannot tell the file kind from its content or its name"},
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
