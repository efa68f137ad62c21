// The command-line tool as a user runs it: as a process, on files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/processo.hpp"

namespace compattatore {
namespace {

namespace fs = std::filesystem;
using prova::CartellaTemporanea;
using prova::Esecuzione;
using prova::leggi_tutto;
using prova::scrivi_tutto;

const std::string cli = COMPATTATORE_CLI_EXE;

Esecuzione esegui_cli(const std::vector<std::string>& a, const fs::path& cartella) {
    return prova::esegui(cli, a, cartella);
}

// A small line of 10000 m (ultima_cella 340) and a train over it.
constexpr const char* linea_minima =
    "[generale]\r\n"
    "lunghezza percorso, 10000\r\n"
    "[pendenze]\r\n"
    "pendenza, 0, 0\r\n"
    "pendenza, 2000, 5\r\n"
    "[fine]\r\n";

constexpr const char* treno_minimo =
    "[generale]\r\n"
    "numero vetture, 3\r\n"
    "velocita, 0, 100\r\n"
    "aderenza, 0, 90\r\n"
    "[fine]\r\n";

class CliCompila : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(dir / "in");
        fs::create_directory(dir / "out");
    }
    fs::path linea(const std::string& testo) {
        const fs::path p = dir / "in" / "Prova_linea.txt";
        scrivi_tutto(p, testo);
        return p;
    }
    fs::path treno(const std::string& testo) {
        const fs::path p = dir / "in" / "Prova_42-.txt";
        scrivi_tutto(p, testo);
        return p;
    }
    std::vector<std::string> file_in_uscita() const {
        std::vector<std::string> nomi;
        for (const auto& e : fs::directory_iterator(dir / "out")) nomi.push_back(e.path().filename().string());
        std::sort(nomi.begin(), nomi.end());
        return nomi;
    }
    CartellaTemporanea dir;
};

TEST_F(CliCompila, CleanScenarioWritesTheThreeFilesNamedFromTheInputs) {
    const fs::path l = linea(linea_minima);
    const fs::path t = treno(treno_minimo);
    const Esecuzione e = esegui_cli({"compile", l.string(), t.string(), "-o", "out"}, dir.percorso());
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.err, "");
    EXPECT_EQ(file_in_uscita(), (std::vector<std::string>{"Prova_42.dat", "Prova_42.sim", "Prova_linea.dat"}));
    EXPECT_EQ(fs::file_size(dir / "out" / "Prova_42.dat"), 15u * 341u);
    // Inputs stay where they were, untouched.
    EXPECT_EQ(leggi_tutto(l), linea_minima);
    EXPECT_EQ(leggi_tutto(t), treno_minimo);
}

TEST_F(CliCompila, FinishingWarningsAreReportedEachTimeAndDoNotRefuse) {
    // A slowdown starting on cell 41 whose three candidate cells 36, 35, 34
    // for the first code point hold signals: warning 12, once per slowdown.
    const fs::path l = linea(linea_minima);
    const fs::path t = treno(
        "[generale]\r\nvelocita, 0, 100\r\n"
        "segnale, 1650, 1,1,1,0,0,0,0,0,0,0\r\nsegnale, 1700, 1,1,1,0,0,0,0,0,0,0\r\n"
        "segnale, 1750, 1,1,1,0,0,0,0,0,0,0\r\n"
        "rallentamento, 2000, 30, 400, 1, 1, 0\r\n"
        "segnale, 6650, 1,1,1,0,0,0,0,0,0,0\r\nsegnale, 6700, 1,1,1,0,0,0,0,0,0,0\r\n"
        "segnale, 6750, 1,1,1,0,0,0,0,0,0,0\r\n"
        "rallentamento, 7000, 30, 400, 1, 1, 0\r\n[fine]\r\n");
    const Esecuzione e = esegui_cli({"compile", l.string(), t.string(), "-o", "out"}, dir.percorso());
    EXPECT_EQ(e.stato, 0) << e.err;
    // At the slowdown each warning belongs to.
    EXPECT_NE(e.err.find(t.string() + ":6:16: warning 12: "), std::string::npos) << e.err;
    EXPECT_NE(e.err.find(t.string() + ":10:16: warning 12: "), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("(2000 m, cell 41)"), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("(7000 m, cell 141)"), std::string::npos) << e.err;
    EXPECT_EQ(file_in_uscita().size(), 3u);

    const Esecuzione j = esegui_cli({"check", l.string(), t.string(), "--json"}, dir.percorso());
    EXPECT_EQ(j.stato, 0);
    EXPECT_NE(j.out.find("\"error_code\":12,\"error_position\":7050"), std::string::npos) << j.out;
    EXPECT_NE(j.out.find("\"severity\":\"warning\""), std::string::npos) << j.out;
}

TEST_F(CliCompila, NoPlanWritesNoPlanFile) {
    const Esecuzione e = esegui_cli(
        {"compile", linea(linea_minima).string(), treno(treno_minimo).string(), "-o", "out", "--no-plan"},
        dir.percorso());
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(file_in_uscita(), (std::vector<std::string>{"Prova_42.dat", "Prova_42.sim"}));
}

TEST_F(CliCompila, InputsKeepTheirBytesAndTimesAfterEverySubcommand) {
    const fs::path l = linea(linea_minima);
    const fs::path t = treno("[generale]\r\nstazione, 85975, 1\r\n[fine]\r\n");  // refused: status 8
    const auto tempo_l = fs::last_write_time(l);
    const auto tempo_t = fs::last_write_time(t);
    for (const std::vector<std::string>& a : std::vector<std::vector<std::string>>{
             {"compile", l.string(), t.string(), "-o", "out"},
             {"compile", l.string(), t.string(), "-o", "out", "--keep-going"},
             {"check", l.string(), t.string()},
             {"check", l.string(), t.string(), "--json"}}) {
        esegui_cli(a, dir.percorso());
        EXPECT_EQ(leggi_tutto(l), linea_minima);
        EXPECT_EQ(leggi_tutto(t), "[generale]\r\nstazione, 85975, 1\r\n[fine]\r\n");
        EXPECT_EQ(fs::last_write_time(l), tempo_l);
        EXPECT_EQ(fs::last_write_time(t), tempo_t);
    }
}

struct CasoRifiuto {
    const char* nome;
    std::string linea;
    std::string treno;
    int codice;
    const char* file;   // "linea" or "treno"
    int riga;
    int colonna;
    const char* posizione;  // the "(... m)" part, or "" when the status has none
    bool traccia = true;    // the track was sized: --keep-going writes the files
};

void PrintTo(const CasoRifiuto& c, std::ostream* os) { *os << c.nome; }

class CliRifiuti : public CliCompila, public ::testing::WithParamInterface<CasoRifiuto> {};

TEST_P(CliRifiuti, ReportsWhereAndWritesNothingWithoutKeepGoing) {
    const CasoRifiuto& c = GetParam();
    const fs::path l = linea(c.linea);
    const fs::path t = treno(c.treno);
    const fs::path sorgente = std::string(c.file) == "linea" ? l : t;

    const Esecuzione e = esegui_cli({"compile", l.string(), t.string(), "-o", "out"}, dir.percorso());
    EXPECT_EQ(e.stato, 1) << e.err;
    const std::string atteso = sorgente.string() + ":" + std::to_string(c.riga) + ":" + std::to_string(c.colonna) +
                               ": error " + std::to_string(c.codice) + ": ";
    EXPECT_NE(e.err.find(atteso), std::string::npos) << "expected " << atteso << " in:\n" << e.err;
    EXPECT_NE(e.err.find(c.posizione), std::string::npos) << e.err;
    EXPECT_TRUE(file_in_uscita().empty());

    const Esecuzione j = esegui_cli({"check", l.string(), t.string(), "--json"}, dir.percorso());
    EXPECT_EQ(j.stato, 1);
    EXPECT_NE(j.out.find("\"error_code\":" + std::to_string(c.codice)), std::string::npos) << j.out;
    EXPECT_NE(j.out.find("\"number\":" + std::to_string(c.codice)), std::string::npos) << j.out;
    EXPECT_NE(j.out.find("\"line\":" + std::to_string(c.riga) + ",\"column\":" + std::to_string(c.colonna)),
              std::string::npos)
        << j.out;
    EXPECT_NE(j.out.find("\"files\":[]"), std::string::npos) << j.out;

    const Esecuzione k =
        esegui_cli({"compile", l.string(), t.string(), "-o", "out", "--keep-going"}, dir.percorso());
    EXPECT_EQ(k.stato, 1);
    // Files as the program writes them; a track that was never sized gives none.
    EXPECT_EQ(file_in_uscita().empty(), !c.traccia);
}

const std::string treno_ok = treno_minimo;

INSTANTIATE_TEST_SUITE_P(
    Stati, CliRifiuti,
    ::testing::Values(
        CasoRifiuto{"LunghezzaOltreIlLimite", "[generale]\r\nlunghezza percorso, 2000000\r\n[fine]\r\n", treno_ok, 1,
                    "linea", 2, 21, "", false},
        CasoRifiuto{"InizioRipetizioneNonMultiplo",
                    "[generale]\r\nlunghezza percorso, 10000\r\nripetizione segnali 4 codici, 1325, 2000\r\n[fine]\r\n",
                    treno_ok, 3, "linea", 3, 31, ""},
        CasoRifiuto{"CartelloSuCellaOccupata",
                    "[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\ncartello_indicatore, 500, (A)\r\n"
                    "cartello_indicatore, 510, (B)\r\n[fine]\r\n",
                    treno_ok, 6, "linea", 5, 22, "510 m"},
        CasoRifiuto{"StazioneFuoriPasso", linea_minima,
                    "[generale]\r\nvelocita, 0, 100\r\n"
                    "stazione, 5025, 1, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, A\r\n[fine]\r\n",
                    8, "treno", 3, 11, "5025 m"},
        CasoRifiuto{"SegnaleSuFermata", linea_minima,
                    "[generale]\r\nvelocita, 0, 100\r\n"
                    "stazione, 5000, 1, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, A\r\n"
                    "  segnale, 5050, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0\r\n[fine]\r\n",
                    16, "treno", 4, 12, "5050 m"}),
    [](const ::testing::TestParamInfo<CasoRifiuto>& i) { return std::string(i.param.nome); });

struct CasoUso {
    const char* nome;
    std::vector<std::string> argomenti;
    const char* nel_messaggio;
};

void PrintTo(const CasoUso& c, std::ostream* os) { *os << c.nome; }

class CliUso : public CliCompila, public ::testing::WithParamInterface<CasoUso> {};

TEST_P(CliUso, UsageAndFileErrorsExitTwoWithOneClearLine) {
    linea(linea_minima);
    treno(treno_minimo);
    scrivi_tutto(dir / "in" / "altro.txt", linea_minima);
    const Esecuzione e = esegui_cli(GetParam().argomenti, dir.percorso());
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.err.find(GetParam().nel_messaggio), std::string::npos) << e.err;
    EXPECT_EQ(e.err.rfind("compattatore-cli: ", 0), 0u) << e.err;
    EXPECT_TRUE(file_in_uscita().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errori, CliUso,
    ::testing::Values(
        CasoUso{"NessunComando", {}, "no command"},
        CasoUso{"ComandoIgnoto", {"compila"}, "unknown command"},
        CasoUso{"OpzioneIgnota", {"compile", "in/Prova_linea.txt", "in/Prova_42-.txt", "--fast"}, "unknown option"},
        CasoUso{"MancaTreno", {"compile", "in/Prova_linea.txt"}, "needs LINE and TRAIN"},
        CasoUso{"IngressoAssente", {"compile", "in/Manca_linea.txt", "in/Manca_1-.txt", "-o", "out"}, "no such file"},
        CasoUso{"NomeNonDeducibile", {"compile", "in/altro.txt", "in/Prova_42-.txt", "-o", "out"}, "--route"},
        CasoUso{"TrenoNonDeducibile",
                {"compile", "in/Prova_linea.txt", "in/altro.txt", "-o", "out"},
                "--train"},
        CasoUso{"PercorsoConSeparatore",
                {"compile", "in/Prova_linea.txt", "in/Prova_42-.txt", "-o", "out", "--route", "../fuori"},
                "cannot name a file"},
        CasoUso{"TrenoConCarattereVietato",
                {"compile", "in/Prova_linea.txt", "in/Prova_42-.txt", "-o", "out", "--train", "4:2"},
                "Windows forbids"},
        // A missing folder is created; one under a file cannot be.
        CasoUso{"CartellaSottoUnFile",
                {"compile", "in/Prova_linea.txt", "in/Prova_42-.txt", "-o", "in/Prova_linea.txt/qui"},
                "cannot create in/Prova_linea.txt/qui"}),
    [](const ::testing::TestParamInfo<CasoUso>& i) { return std::string(i.param.nome); });

TEST(Cli, HelpAndVersion) {
    CartellaTemporanea dir;
    for (const char* comando : {"compile", "check", "export"}) {
        const Esecuzione e = esegui_cli({comando, "--help"}, dir.percorso());
        EXPECT_EQ(e.stato, 0);
        EXPECT_EQ(e.out.rfind(std::string("Usage: compattatore-cli ") + comando, 0), 0u) << e.out;
    }
    const Esecuzione h = esegui_cli({"--help"}, dir.percorso());
    EXPECT_EQ(h.stato, 0);
    EXPECT_NE(h.out.find("compile LINE TRAIN"), std::string::npos);
    const Esecuzione v = esegui_cli({"--version"}, dir.percorso());
    EXPECT_EQ(v.stato, 0);
    EXPECT_EQ(v.out.rfind("compattatore-cli ", 0), 0u);
}

}  // namespace
}  // namespace compattatore
