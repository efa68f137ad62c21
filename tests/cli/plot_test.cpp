// compattatore-cli plot: the SVG is well-formed XML, self-contained, carries
// the map, the profiles and one marker per station and signal, and stays
// small for a long line.
#include "cli/plot.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/significato.hpp"
#include "tests/cli/scenario_piccolo.hpp"
#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/processo.hpp"
#include "tests/support/xml.hpp"

namespace compattatore {
namespace {

using prova::CartellaTemporanea;
using prova::EsitoXml;

std::size_t comandi_di(const std::string& d) {
    std::size_t n = 0;
    for (const char c : d) n += c == 'M' || c == 'L';
    return n;
}

std::string attributo(const EsitoXml& x, const char* id, const char* nome) {
    const prova::ElementoXml* e = x.trova("id", id);
    if (e == nullptr) return "";
    const auto it = e->attributi.find(nome);
    return it == e->attributi.end() ? "" : it->second;
}

TEST(Disegno, CarriesMapProfilesAndOneMarkerPerStationAndSignal) {
    const Scenario s = prova::scenario_piccolo();
    const std::string svg = cli::disegna_scenario(&s.planimetria, s.voci, s.percorso);
    const EsitoXml x = prova::analizza_xml(svg);
    ASSERT_EQ(x.errore, "");
    ASSERT_FALSE(x.elementi.empty());
    EXPECT_EQ(x.elementi.front().nome, "svg");
    EXPECT_EQ(x.elementi.front().attributi.at("xmlns"), "http://www.w3.org/2000/svg");
    for (const char* id : {"map-line", "elevation", "speed-limit"}) {
        EXPECT_GE(comandi_di(attributo(x, id, "d")), 2u) << id;
    }
    EXPECT_EQ(x.conta("g", "class", "station-marker"), 2u);
    EXPECT_EQ(x.conta("g", "class", "signal-marker"), 2u);
    EXPECT_EQ(x.conta("g", "class", "code-point-marker"), 2u);
    EXPECT_EQ(x.conta("g", "class", "slowdown"), 1u);
    EXPECT_EQ(x.conta("g", "class", "map-station"), 2u);
    EXPECT_EQ(x.conta("g", "class", "map-signal"), 2u);
    EXPECT_EQ(x.conta("g", "class", "map-text-board"), 1u);
    EXPECT_EQ(x.conta("g", "class", "map-speed-board"), 1u);
    EXPECT_NE(x.trova("id", "legend"), nullptr);
    // Self-contained: no scripts, no links, no external images or fonts.
    for (const char* vietato : {"<script", "href", "url(", "@import", "<image", "<foreignObject"}) {
        EXPECT_EQ(svg.find(vietato), std::string::npos) << vietato;
    }
    // The axes carry their units.
    for (const char* unita : {"(km)", "(m)", "(km/h)"}) EXPECT_NE(svg.find(unita), std::string::npos) << unita;
}

TEST(Disegno, MarkupInNamesIsEscapedAndWindows1252BecomesUtf8) {
    Scenario s = prova::scenario_piccolo();
    s.voci[1].nome = "A&B <1> \"x\" \x96 caf\xE9";
    s.voci[80].nome = "]]> &amp;";
    const std::string svg = cli::disegna_scenario(&s.planimetria, s.voci, s.percorso);
    const EsitoXml x = prova::analizza_xml(svg);
    ASSERT_EQ(x.errore, "");
    EXPECT_NE(svg.find("A&amp;B &lt;1&gt; &quot;x&quot; \u2013 caf\u00e9"), std::string::npos);
    EXPECT_NE(svg.find("]]&gt; &amp;amp;"), std::string::npos);
}

TEST(Disegno, WithoutAPlanTheMapSaysSo) {
    const Scenario s = prova::scenario_piccolo();
    Planimetria vuota;
    vuota.dimensiona(s.lunghezza_estesa);
    for (const Planimetria* p : {static_cast<const Planimetria*>(nullptr), static_cast<const Planimetria*>(&vuota)}) {
        const std::string svg = cli::disegna_scenario(p, s.voci, s.percorso);
        const EsitoXml x = prova::analizza_xml(svg);
        ASSERT_EQ(x.errore, "");
        EXPECT_EQ(x.trova("id", "map-line"), nullptr);
        EXPECT_NE(svg.find("no plan"), std::string::npos);
        EXPECT_NE(x.trova("id", "elevation"), nullptr);
        EXPECT_EQ(x.conta("g", "class", "station-marker"), 2u);
    }
}

TEST(Disegno, LongLineIsDecimated) {
    // 300 km of plan with a gentle curve every 10 km and 6000 cells.
    Scenario s = prova::scenario_piccolo();
    const std::int32_t ultimo = 307000;
    s.planimetria.dimensiona(ultimo);
    s.planimetria.semina();
    for (std::int32_t i = 2; i <= ultimo - 2; ++i) {
        const double k = (i % 10000 < 500) ? ((i / 10000) % 2 ? 0.0004 : -0.0004) : 0.0;
        if (k != 0) {
            s.planimetria.curva_fino(i, k);
        } else {
            s.planimetria.dritto_fino(i);
        }
    }
    s.percorso.resize(6141, s.percorso[100]);
    s.voci[84].fine = 300000;
    const std::string svg = cli::disegna_scenario(&s.planimetria, s.voci, s.percorso);
    const EsitoXml x = prova::analizza_xml(svg);
    ASSERT_EQ(x.errore, "");
    const std::size_t mappa = comandi_di(attributo(x, "map-line", "d"));
    EXPECT_GE(mappa, 30u);  // the curves are still drawn
    EXPECT_LE(mappa, 4000u);
    EXPECT_LE(comandi_di(attributo(x, "elevation", "d")), 2000u);
    EXPECT_LT(svg.size(), 400000u);
}

TEST(Significato, ElevationIntegratesTheGradients) {
    const Scenario s = prova::scenario_piccolo();
    const std::vector<double> e = cli::quote(s.percorso);
    ASSERT_EQ(e.size(), 342u);
    EXPECT_DOUBLE_EQ(e[40], 0.0);     // level to 2000 m
    EXPECT_DOUBLE_EQ(e[80], 20.0);    // +10 per mille over 2000 m
    EXPECT_DOUBLE_EQ(e[338], 20.0 - 5 * 12.9);  // -5 per mille over 12900 m
    EXPECT_DOUBLE_EQ(e[341], e[338]);  // unset cells count as level
}

TEST(Significato, SpeedBoardSides) {
    struct Caso {
        std::int16_t valore;
        int s, d;
    };
    // 20 x side s + side d / 5: equal sides are preferred where the packing
    // allows them (2121 is also 106 and 5), side d below 100 km/h otherwise.
    const Caso casi[] = {{1212, 60, 60}, {2121, 105, 105}, {1600, 80, 0}, {1719, 85, 95}, {0, 0, 0}, {-1, -1, 95}};
    for (const Caso& c : casi) {
        const cli::LatiIndicatore l = cli::lati_indicatore(c.valore);
        EXPECT_EQ(l.lato_s, c.s) << c.valore;
        EXPECT_EQ(l.lato_d, c.d) << c.valore;
    }
}

TEST(Significato, EntriesAreToldApart) {
    Voci v{};
    v[1].posizione = 100;
    v[1].nome = "A";
    v[2].posizione = 900;  // a station without a name is still a station
    v[80].nome = "primo";
    v[79].nome = "secondo";
    v[40].tipo = 3;  // stray content between the two groups
    const cli::Classi c = cli::classifica(v);
    EXPECT_EQ(c.stazioni, (std::vector<int>{1, 2}));
    EXPECT_EQ(c.cartelli, (std::vector<int>{80, 79}));
    EXPECT_EQ(c.altre, (std::vector<int>{40}));
}

TEST(Significato, SlowdownsPairStartAndEnd) {
    std::vector<Cella> p(30);
    p[3].tipo = tipo_cella::inizio_rallentamento;
    p[3].valore_1 = 30;
    p[8].tipo = tipo_cella::fine_rallentamento;
    p[12].tipo = tipo_cella::inizio_rallentamento;  // start and end in one cell
    p[12].valore_1 = 60;
    p[20].tipo = tipo_cella::fine_rallentamento;  // an end without a start is ignored
    const std::vector<cli::Rallentamento> r = cli::rallentamenti(p);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].inizio, 3);
    EXPECT_EQ(r[0].fine, 8);
    EXPECT_EQ(r[0].velocita, 30);
    EXPECT_EQ(r[1].inizio, 12);
    EXPECT_EQ(r[1].velocita, 60);
}

// The command itself, in process.
struct Uscite {
    int stato = -1;
    std::string out, err;
};

Uscite esegui(const std::vector<std::string>& a) {
    std::ostringstream out, err;
    Uscite u;
    u.stato = cli::esegui(a, out, err);
    u.out = out.str();
    u.err = err.str();
    return u;
}

TEST(Plot, FromCompiledFilesWritesOnlyTheSvg) {
    CartellaTemporanea d;
    const Scenario s = prova::scenario_piccolo();
    prova::scrivi_file_scenario(s, d.percorso());
    const Uscite u = esegui({"plot", "--from-files", (d / "Prova_linea.dat").string(), (d / "Prova_42.sim").string(),
                             (d / "Prova_42.dat").string(), "-o", (d / "x.svg").string()});
    ASSERT_EQ(u.stato, 0) << u.err;
    EXPECT_EQ(u.err, "");
    const std::string svg = prova::leggi_tutto(d / "x.svg");
    EXPECT_EQ(svg, cli::disegna_scenario(&s.planimetria, s.voci, s.percorso));
    std::size_t file = 0;
    for (const auto& e : std::filesystem::directory_iterator(d.percorso())) file += e.is_regular_file();
    EXPECT_EQ(file, 4u);
}

TEST(Plot, ErrorsExitTwo) {
    CartellaTemporanea d;
    prova::scrivi_file_scenario(prova::scenario_piccolo(), d.percorso());
    std::string b = prova::leggi_tutto(d / "Prova_42.dat");
    b.pop_back();
    prova::scrivi_tutto(d / "Rotto_42.dat", b);
    const std::string plan = (d / "Prova_linea.dat").string(), sim = (d / "Prova_42.sim").string();
    struct Caso {
        std::vector<std::string> argomenti;
        const char* atteso;
    };
    const Caso casi[] = {
        {{"plot", "a_linea.txt", "a_1-.txt"}, "plot needs -o FILE.svg"},
        {{"plot", "a_linea.txt", "-o", "x.svg"}, "plot needs LINE and TRAIN"},
        {{"plot", "--from-files", plan, sim, "-o", "x.svg"}, "needs PLAN, ENTRY and TRACK"},
        {{"plot", "--from-files", plan, sim, (d / "Rotto_42.dat").string(), "-o", (d / "y.svg").string()},
         "track file: 5114 bytes is not a multiple of 15"},
        {{"plot", (d / "manca_linea.txt").string(), (d / "manca_1-.txt").string(), "-o", (d / "y.svg").string()},
         "no such file"},
    };
    for (const Caso& c : casi) {
        const Uscite u = esegui(c.argomenti);
        EXPECT_EQ(u.stato, 2) << c.atteso;
        EXPECT_NE(u.err.find(c.atteso), std::string::npos) << u.err;
    }
    EXPECT_FALSE(std::filesystem::exists(d / "y.svg"));
}

}  // namespace
}  // namespace compattatore

namespace compattatore {
namespace {

// The embedded scenario drawn from its exported descriptions (compiled in
// memory) and from the program's own files: the same drawing, and nothing
// written but the SVG.
TEST(PlotProgramma, EmbeddedScenarioFromDescriptionsAndFromFilesAgree) {
    CartellaTemporanea d;
    const std::string cli_exe = COMPATTATORE_CLI_EXE;
    ASSERT_EQ(prova::esegui(cli_exe, {"export", "testi"}, d.percorso()).stato, 0);
    const auto prima = std::distance(std::filesystem::directory_iterator(d / "testi"), {});
    const prova::Esecuzione e = prova::esegui(
        cli_exe,
        {"plot", "testi/Valmora PR_Valmora PF_linea.txt", "testi/Valmora PR_Valmora PF_5286-.txt", "-o", "testi/v.svg"},
        d.percorso());
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.err, "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(d / "testi"), {}), prima + 1);
    const std::string svg = prova::leggi_tutto(d / "testi" / "v.svg");
    const EsitoXml x = prova::analizza_xml(svg);
    ASSERT_EQ(x.errore, "");
    EXPECT_EQ(x.conta("g", "class", "station-marker"), 2u);
    EXPECT_EQ(x.conta("g", "class", "signal-marker"), 1u);
    EXPECT_EQ(x.conta("g", "class", "map-text-board"), 6u);
    EXPECT_NE(svg.find("VALMORA P.R. 13:41:00"), std::string::npos);

    std::filesystem::create_directory(d / "prog");
    std::filesystem::copy_file(COMPATTATORE_EXE, d / "prog" / "compattatore");
    ASSERT_EQ(prova::esegui((d / "prog" / "compattatore").string(), {}, d / "prog").stato, 0);
    const prova::Esecuzione f = prova::esegui(
        cli_exe,
        {"plot", "--from-files", "Valmora PR_Valmora PF_linea.dat", "Valmora PR_Valmora PF_5286.sim",
         "Valmora PR_Valmora PF_5286.dat", "-o", "w.svg"},
        d / "prog");
    ASSERT_EQ(f.stato, 0) << f.err;
    EXPECT_EQ(prova::leggi_tutto(d / "prog" / "w.svg"), svg);
}

}  // namespace
}  // namespace compattatore
