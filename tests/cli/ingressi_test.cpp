// Every command that reads files, run as a process on inputs that are not
// readable files: a folder, a FIFO, a device, a missing path, a file past
// the tool's limit. Each gives exit status 2 and names the input as what it
// is, and nothing is written.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/processo.hpp"

namespace compattatore {
namespace {

namespace fs = std::filesystem;
using prova::CartellaTemporanea;
using prova::scrivi_tutto;

// The input under test replaces one argument of a command that is otherwise
// fine; "@" marks where it goes.
struct Comando {
    const char* nome;
    std::vector<std::string> argomenti;
    const char* troppo_grande;  // the refusal of the 33 MiB file Enorme_linea.dat
};

struct Ingresso {
    const char* nome;
    const char* percorso;  // relative to the folder of the run
    const char* parole;
};

// A description past the tool's limit; a compiled file (here a plan, by its
// name) past the largest valid file of its kind.
constexpr const char* descrizione_troppo_grande = "it is larger than 33554432 bytes";
constexpr const char* planimetria_troppo_grande = "it is larger than 20139996 bytes, the largest plan file";

const Comando comandi[] = {
    {"CompileLinea", {"compile", "@", "Prova_42-.txt", "--route", "Prova", "-o", "out"}, descrizione_troppo_grande},
    {"CompileTreno", {"compile", "Prova_linea.txt", "@", "--train", "42", "-o", "out"}, descrizione_troppo_grande},
    {"Check", {"check", "@", "Prova_42-.txt", "--route", "Prova"}, descrizione_troppo_grande},
    {"Plot", {"plot", "@", "Prova_42-.txt", "--route", "Prova", "-o", "out/x.svg"}, descrizione_troppo_grande},
    {"PlotDaFile",
     {"plot", "--from-files", "@", "Prova_42.sim", "Prova_42.dat", "-o", "out/x.svg"},
     planimetria_troppo_grande},
    {"Inspect", {"inspect", "@"}, planimetria_troppo_grande},
};

const Ingresso ingressi[] = {
    {"Cartella", "cartella", "it is a folder"},
    {"Fifo", "fifo", "it is not a regular file"},
    {"Dispositivo", "/dev/null", "it is not a regular file"},
    {"Assente", "manca_linea.txt", "no such file"},
    {"TroppoGrande", "Enorme_linea.dat", nullptr},  // the command's troppo_grande
};

struct Caso {
    const Comando* comando;
    const Ingresso* ingresso;
};

class IngressiNonLeggibili : public ::testing::TestWithParam<Caso> {};

TEST_P(IngressiNonLeggibili, ExitTwoNamingTheInputAndWriteNothing) {
    const Caso& c = GetParam();
    CartellaTemporanea dir;
    fs::create_directory(dir / "out");
    fs::create_directory(dir / "cartella");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    {
        // Sparse, 33 MiB: past the limit for descriptions and compiled files.
        std::FILE* f = std::fopen((dir / "Enorme_linea.dat").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fseek(f, 33L * 1024 * 1024 - 1, SEEK_SET);
        std::fputc(0, f);
        std::fclose(f);
    }
    scrivi_tutto(dir / "Prova_linea.txt", "[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\n");
    scrivi_tutto(dir / "Prova_42-.txt", "[generale]\r\nvelocita, 0, 100\r\n[fine]\r\n");

    std::vector<std::string> argomenti = c.comando->argomenti;
    for (std::string& a : argomenti) {
        if (a == "@") a = c.ingresso->percorso;
    }
    const prova::Esecuzione e = prova::esegui(COMPATTATORE_CLI_EXE, argomenti, dir.percorso());
    EXPECT_EQ(e.stato, 2) << e.err;
    const char* parole = c.ingresso->parole != nullptr ? c.ingresso->parole : c.comando->troppo_grande;
    EXPECT_EQ(e.err, std::string("compattatore-cli: cannot read ") + c.ingresso->percorso + ": " + parole + "\n");
    EXPECT_EQ(e.out, "");
    EXPECT_TRUE(fs::is_empty(dir / "out"));
}

std::vector<Caso> tutti() {
    std::vector<Caso> r;
    for (const Comando& c : comandi) {
        for (const Ingresso& i : ingressi) r.push_back({&c, &i});
    }
    return r;
}

INSTANTIATE_TEST_SUITE_P(Comandi, IngressiNonLeggibili, ::testing::ValuesIn(tutti()),
                         [](const ::testing::TestParamInfo<Caso>& i) {
                             return std::string(i.param.comando->nome) + "_" + i.param.ingresso->nome;
                         });

// plot reads descriptions exactly as compile does: the same refusal, word
// for word, of a description past the limit.
TEST(IngressiNonLeggibili, PlotAndCompileRefuseAnOversizeDescriptionAlike) {
    CartellaTemporanea dir;
    fs::create_directory(dir / "out");
    {
        std::FILE* f = std::fopen((dir / "Prova_linea.txt").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fseek(f, 32L * 1024 * 1024, SEEK_SET);  // one byte past the limit
        std::fputc('\n', f);
        std::fclose(f);
    }
    scrivi_tutto(dir / "Prova_42-.txt", "[generale]\r\nvelocita, 0, 100\r\n[fine]\r\n");
    const prova::Esecuzione compila =
        prova::esegui(COMPATTATORE_CLI_EXE, {"compile", "Prova_linea.txt", "Prova_42-.txt", "-o", "out"}, dir.percorso());
    const prova::Esecuzione disegna = prova::esegui(
        COMPATTATORE_CLI_EXE, {"plot", "Prova_linea.txt", "Prova_42-.txt", "-o", "out/x.svg"}, dir.percorso());
    EXPECT_EQ(compila.stato, 2);
    EXPECT_EQ(disegna.stato, 2);
    EXPECT_EQ(disegna.err, compila.err);
    EXPECT_NE(compila.err.find("larger than 33554432 bytes"), std::string::npos) << compila.err;
    EXPECT_TRUE(fs::is_empty(dir / "out"));
}

}  // namespace
}  // namespace compattatore
