// view and the new parts of plot: every stretch and both sides of a board
// drawn, the banner, the window of --from/--to, the lines of the entries,
// and a page that is self-contained.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/plot.hpp"
#include "cli/vista_righe.hpp"
#include "tests/cli/scenario_piccolo.hpp"
#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/processo.hpp"
#include "tests/support/xml.hpp"

namespace compattatore {
namespace {

using prova::CartellaTemporanea;
using prova::EsitoXml;

// The tooltip of the first group of the class.
std::string titolo_di(const std::string& svg, const std::string& classe) {
    const std::size_t g = svg.find("class=\"" + classe + "\"");
    if (g == std::string::npos) return "";
    const std::size_t t = svg.find("<title>", g);
    return t == std::string::npos ? "" : svg.substr(t + 7, svg.find("</title>", t) - t - 7);
}

TEST(DisegnoCompleto, EveryStretchAndBothSidesOfABoard) {
    Scenario s = prova::scenario_piccolo();
    s.percorso[21].valore_1 = 20 * 60 + 70 / 5;  // side s 60, side d 70 km/h
    s.voci[81].inizio = 5000;
    s.voci[81].fine = 5000;
    s.voci[81].posizione = 1;
    const std::string svg = cli::disegna_scenario(&s.planimetria, s.voci, s.percorso);
    const EsitoXml x = prova::analizza_xml(svg);
    ASSERT_EQ(x.errore, "");
    EXPECT_EQ(x.conta("g", "class", "mountain-zone"), 1u);
    EXPECT_NE(titolo_di(svg, "mountain-zone").find("type 3 from 12.5 km to 13.1 km"), std::string::npos);
    EXPECT_EQ(x.conta("g", "class", "cab-signal-section"), 1u);
    EXPECT_NE(titolo_di(svg, "cab-signal-section").find("1.3 km to 6.2 km, 4 codes"), std::string::npos);
    EXPECT_EQ(x.conta("g", "class", "progressive"), 1u);
    EXPECT_EQ(x.conta("g", "class", "slowdown-warning"), 1u);
    EXPECT_NE(titolo_di(svg, "slowdown-warning").find("30 km/h"), std::string::npos);
    EXPECT_EQ(x.conta("g", "class", "speed-board-marker"), 1u);
    EXPECT_NE(svg.find(">60 | 70 km/h<"), std::string::npos);
    EXPECT_EQ(x.trova("id", "banner"), nullptr);
    for (const char* voce : {"mountain zone", "cab-signal repetition", "kilometric progressive", "slowdown warning board",
                             "speed board, side s | side d (km/h)", "code point", "signal", "station", "text board"}) {
        EXPECT_NE(svg.find(voce), std::string::npos) << voce;
    }
}

TEST(DisegnoCompleto, BannerAndWindow) {
    const Scenario s = prova::scenario_piccolo();
    cli::OpzioniDisegno o;
    o.avviso = "Refused: LINE.txt:3:1: error 15";
    o.da = 2500;
    o.a = 5000;
    const std::string svg = cli::disegna_scenario(&s.planimetria, s.voci, s.percorso, o);
    const EsitoXml x = prova::analizza_xml(svg);
    ASSERT_EQ(x.errore, "");
    ASSERT_NE(x.trova("id", "banner"), nullptr);
    EXPECT_NE(svg.find("Refused: LINE.txt:3:1: error 15"), std::string::npos);
    EXPECT_NE(svg.find("km 2.5 to 5.0 of 10.0 km of line"), std::string::npos);
    EXPECT_EQ(x.conta("g", "class", "station-marker"), 1u);  // 3000 m in, 8000 m out
    EXPECT_EQ(x.conta("g", "class", "signal-marker"), 1u);   // 5000 m in, 9000 m out
    EXPECT_EQ(x.conta("g", "class", "slowdown"), 0u);        // 7000 to 7500 m
}

TEST(RigheVoci, FindsTheLineOfAnEntry) {
    const cli::RigheVoci r("T.txt",
                           "[generale]\r\nSegnale,   86600, 2\r\nsegnale,  1000, 2\r\nstazione, 500, 12\r\n"
                           "stazione, 900, 4\r\nrallentamento,   9000,   60\n");
    struct Caso {
        const char* parola;
        double metro, tolleranza;
        const char* atteso;
    };
    const Caso casi[] = {
        {"segnale", 86650, 100, "T.txt:2"},  // keywords in any case
        {"segnale", 1040, 100, "T.txt:3"},   // the nearest
        {"segnale", 5000, 100, ""},          // none within reach
        {"rallentamento", 9000, 1, "T.txt:6"},
        {"curva", 0, 1e9, ""},
    };
    for (const Caso& c : casi) EXPECT_EQ(r.dove(c.parola, c.metro, c.tolleranza), c.atteso) << c.parola << " " << c.metro;
    EXPECT_EQ(r.ennesima("stazione", 2), "T.txt:5");
    EXPECT_EQ(r.ennesima("stazione", 3), "");
}

struct Uscite {
    int stato = 0;
    std::string err;
};
Uscite esegui(const std::vector<std::string>& a) {
    std::ostringstream out, err;
    const int stato = cli::esegui(a, out, err);
    return {stato, err.str()};
}

TEST(View, FromCompiledFilesIsSelfContainedAndSaysThereIsNoLine) {
    CartellaTemporanea d;
    prova::scrivi_file_scenario(prova::scenario_piccolo(), d.percorso());
    const Uscite u = esegui({"view", "--from-files", (d / "Prova_linea.dat").string(), (d / "Prova_42.sim").string(),
                             (d / "Prova_42.dat").string(), "-o", (d / "v.html").string()});
    ASSERT_EQ(u.stato, 0) << u.err;
    const std::string p = prova::leggi_tutto(d / "v.html");
    EXPECT_NE(p.find("Content-Security-Policy\" content=\"default-src 'none'"), std::string::npos);
    for (const char* vietato : {"<link", " src=", "@import", "<iframe", "<img", "fetch(", "XMLHttpRequest"}) {
        EXPECT_EQ(p.find(vietato), std::string::npos) << vietato;
    }
    EXPECT_NE(p.find("read from the compiled files: no description line"), std::string::npos);
    EXPECT_NE(p.find("STAZIONE UNO"), std::string::npos);
    // The data cannot end its script element early.
    const std::size_t dati = p.find("<script id=\"data\"");
    ASSERT_NE(dati, std::string::npos);
    EXPECT_EQ(p.find('<', dati + 1), p.find("</script>", dati));
}

TEST(View, UsageErrorsExitTwo) {
    struct Caso {
        std::vector<std::string> argomenti;
        const char* atteso;
    };
    const Caso casi[] = {
        {{"view", "a_linea.txt", "a_1-.txt"}, "view needs -o FILE.html"},
        {{"view", "a_linea.txt", "-o", "x.html"}, "view needs LINE and TRAIN"},
        {{"view", "a_linea.txt", "a_1-.txt", "-o", "x.html", "--from", "abc"}, "--from needs a kilometre"},
        {{"plot", "a_linea.txt", "a_1-.txt", "-o", "x.svg", "--to", "-3"}, "--to needs a kilometre"},
        {{"plot", "a_linea.txt", "a_1-.txt", "-o", "x.svg", "--from", "9", "--to", "3"}, "--to must lie after --from"},
    };
    for (const Caso& c : casi) {
        const Uscite u = esegui(c.argomenti);
        EXPECT_EQ(u.stato, 2) << c.atteso;
        EXPECT_NE(u.err.find(c.atteso), std::string::npos) << u.err;
    }
}

// The embedded scenario from its descriptions: each feature names its line;
// a refused copy gets its first error in a banner and exit status 1.
TEST(ViewProgramma, FeaturesNameTheirLinesAndARefusalIsBannered) {
    CartellaTemporanea d;
    const std::string cli_exe = COMPATTATORE_CLI_EXE;
    ASSERT_EQ(prova::esegui(cli_exe, {"export", "t"}, d.percorso()).stato, 0);
    const std::string linea = "t/Valmora PR_Valmora PF_linea.txt", treno = "t/Valmora PR_Valmora PF_5286-.txt";
    const prova::Esecuzione e = prova::esegui(cli_exe, {"view", linea, treno, "-o", "v.html"}, d.percorso());
    ASSERT_EQ(e.stato, 0) << e.err;
    const std::string p = prova::leggi_tutto(d / "v.html");
    EXPECT_NE(p.find("\"s\":\"" + treno + ":12\""), std::string::npos);   // first station
    EXPECT_NE(p.find("\"s\":\"" + treno + ":16\""), std::string::npos);   // the signal
    EXPECT_NE(p.find("\"s\":\"" + linea + ":176\""), std::string::npos);  // the first text board
    EXPECT_NE(p.find("\"banner\":\"\""), std::string::npos);

    std::string testo = prova::leggi_tutto(d / treno);
    const std::size_t i = testo.find("stazione,   85950,");
    ASSERT_NE(i, std::string::npos);
    testo.replace(i, 18, "stazione,   85955,");
    prova::scrivi_tutto(d / treno, testo);
    const prova::Esecuzione r = prova::esegui(cli_exe, {"plot", linea, treno, "-o", "r.svg"}, d.percorso());
    EXPECT_EQ(r.stato, 1);
    const std::string svg = prova::leggi_tutto(d / "r.svg");
    EXPECT_NE(svg.find("id=\"banner\""), std::string::npos);
    EXPECT_NE(svg.find(treno + ":12:13: error 8"), std::string::npos);
}

}  // namespace
}  // namespace compattatore
