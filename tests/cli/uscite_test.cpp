// The tool's outputs, run as a process: an output that would replace an
// input, standard output lost (a full device, a closed pipe), output folders
// created with their parents, export over existing texts, plot on standard
// output.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/processo.hpp"

namespace compattatore {
namespace {

namespace fs = std::filesystem;
using prova::CartellaTemporanea;
using prova::leggi_tutto;
using prova::tra_apici;

const std::string linea = "Valmora PR_Valmora PF_linea.txt";
const std::string treno = "Valmora PR_Valmora PF_5286-.txt";

bool contiene(const std::string& testo, const std::string& parte) { return testo.find(parte) != std::string::npos; }

// A folder holding the built-in scenario's descriptions (in src/).
class Uscite : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(prova::esegui(COMPATTATORE_CLI_EXE, {"export", "src"}, dir.percorso()).stato, 0);
    }
    prova::Esecuzione cli(const std::vector<std::string>& a) {
        return prova::esegui(COMPATTATORE_CLI_EXE, a, dir.percorso());
    }
    // Runs `compattatore-cli ARGS` through the shell with the given tail
    // (redirections, a pipe); the status of the tool, its standard error.
    prova::Esecuzione shell(const std::vector<std::string>& a, const std::string& coda) {
        std::string comando = "cd " + tra_apici(dir.percorso().string()) + " && { " + tra_apici(COMPATTATORE_CLI_EXE);
        for (const std::string& p : a) comando += " " + tra_apici(p);
        comando += " 2>err " + coda + "; echo ${PIPESTATUS[0]} >stato; }";
        const int grezzo = std::system(("bash -c " + tra_apici(comando)).c_str());
        prova::Esecuzione e;
        if (!WIFEXITED(grezzo)) return e;
        e.stato = std::atoi(leggi_tutto(dir / "stato").c_str());
        e.err = leggi_tutto(dir / "err");
        return e;
    }
    CartellaTemporanea dir;
};

// The issue's own case and its variants: the inputs carry the names of the
// outputs, reached by the same path, another spelling, or a link to the
// folder. Nothing is read, nothing is written, the inputs stay as they were.
TEST_F(Uscite, AnOutputThatIsAnInputIsRefusedBeforeAnythingIsRead) {
    fs::create_directory(dir / "io");
    fs::copy_file(dir / "src" / linea, dir / "io" / "R_linea.dat");
    fs::copy_file(dir / "src" / treno, dir / "io" / "R_1.sim");
    fs::create_directory_symlink("io", dir / "alias");
    const std::string prima_linea = leggi_tutto(dir / "io" / "R_linea.dat");
    const std::string prima_treno = leggi_tutto(dir / "io" / "R_1.sim");
    struct Caso {
        const char* nome;
        std::vector<std::string> argomenti;
    };
    const Caso casi[] = {
        {"same path", {"compile", "io/R_linea.dat", "io/R_1.sim", "--route", "R", "--train", "1", "-o", "io"}},
        {"other spelling", {"compile", "./io/R_linea.dat", "io/R_1.sim", "--route", "R", "--train", "1", "-o", "io/../io/"}},
        {"linked folder", {"compile", "alias/R_linea.dat", "alias/R_1.sim", "--route", "R", "--train", "1", "-o", "io"}},
        {"no plan, train only", {"compile", "src/" + linea, "io/R_1.sim", "--route", "R", "--train", "1", "--no-plan", "-o", "io"}},
        {"plot over its input", {"plot", "io/R_linea.dat", "io/R_1.sim", "--route", "R", "--train", "1", "-o", "alias/R_1.sim"}},
    };
    for (const Caso& c : casi) {
        const prova::Esecuzione e = cli(c.argomenti);
        EXPECT_EQ(e.stato, 2) << c.nome << ": " << e.err;
        EXPECT_TRUE(contiene(e.err, "which would be replaced")) << c.nome << ": " << e.err;
        EXPECT_EQ(leggi_tutto(dir / "io" / "R_linea.dat"), prima_linea) << c.nome;
        EXPECT_EQ(leggi_tutto(dir / "io" / "R_1.sim"), prima_treno) << c.nome;
        EXPECT_FALSE(fs::exists(dir / "io" / "R_1.dat")) << c.nome;
    }
}

// A write to standard output that fails is an error; a reader that goes
// away ends the run quietly.
TEST_F(Uscite, LostStandardOutputIsAnErrorAndAClosedPipeIsQuiet) {
    ASSERT_EQ(cli({"compile", "src/" + linea, "src/" + treno, "-o", "bin"}).stato, 0);
    const std::string traccia = "bin/Valmora PR_Valmora PF_5286.dat";
    struct Caso {
        const char* nome;
        std::vector<std::string> argomenti;
    };
    const Caso casi[] = {
        {"check --json", {"check", "src/" + linea, "src/" + treno, "--json"}},
        {"inspect", {"inspect", traccia}},
        {"inspect --json", {"inspect", traccia, "--json"}},
        {"plot -o -", {"plot", "src/" + linea, "src/" + treno, "-o", "-"}},
    };
    for (const Caso& c : casi) {
        const prova::Esecuzione e = shell(c.argomenti, ">/dev/full");
        EXPECT_EQ(e.stato, 2) << c.nome << ": " << e.err;
        EXPECT_TRUE(contiene(e.err, "compattatore-cli: cannot write to standard output: No space left on device"))
            << c.nome << ": " << e.err;
    }
    // Far more than a pipe holds, to a reader that takes one byte; with
    // SIGPIPE left to the tool and with it ignored by the parent.
    std::vector<std::string> molti{"inspect"};
    for (int k = 0; k < 40; ++k) molti.push_back(traccia);
    for (const char* prima : {"", "trap '' PIPE; "}) {
        const prova::Esecuzione e = shell(molti, std::string("| { ") + prima + "head -c 1 >/dev/null; }");
        EXPECT_NE(e.stato, 0) << prima;
        EXPECT_EQ(e.err, "") << prima;
    }
    // Nothing lost, nothing said: a clean run with standard error on a full device.
    EXPECT_EQ(shell({"check", "src/" + linea, "src/" + treno}, "2>/dev/full >/dev/null").stato, 0);
}

TEST_F(Uscite, OutputFoldersAreCreatedWithTheirParents) {
    ASSERT_EQ(cli({"compile", "src/" + linea, "src/" + treno, "-o", "a/b/c"}).stato, 0);
    EXPECT_TRUE(fs::is_regular_file(dir / "a/b/c/Valmora PR_Valmora PF_5286.dat"));
    EXPECT_EQ(cli({"export", "d/e/f"}).stato, 0);
    EXPECT_TRUE(fs::is_regular_file(dir / "d/e/f" / linea));
    const prova::Esecuzione d = cli({"decompile", "a/b/c/Valmora PR_Valmora PF_5286.dat",
                                     "a/b/c/Valmora PR_Valmora PF_5286.sim", "-o", "g/h"});
    EXPECT_EQ(d.stato, 0) << d.err;
    EXPECT_TRUE(fs::is_regular_file(dir / "g/h" / treno));
    // A refused compile creates no folder; a file in the way is an error.
    prova::scrivi_tutto(dir / "rotto-.txt", "[generale]\r\nvelocita, abc, 100\r\n[fine]\r\n");
    EXPECT_NE(cli({"compile", "src/" + linea, "rotto-.txt", "--train", "1", "-o", "x/y"}).stato, 0);
    EXPECT_FALSE(fs::exists(dir / "x"));
    prova::scrivi_tutto(dir / "piena", "");
    const prova::Esecuzione e = cli({"compile", "src/" + linea, "src/" + treno, "-o", "piena/z"});
    EXPECT_EQ(e.stato, 2);
    EXPECT_TRUE(contiene(e.err, "cannot create piena/z")) << e.err;
}

TEST_F(Uscite, ExportReplacesExistingTextsOnlyWithForce) {
    prova::scrivi_tutto(dir / "src" / linea, "mine");
    const prova::Esecuzione e = cli({"export", "src"});
    EXPECT_EQ(e.stato, 2);
    EXPECT_TRUE(contiene(e.err, "it exists already (give --force to replace the texts)")) << e.err;
    EXPECT_EQ(leggi_tutto(dir / "src" / linea), "mine");
    EXPECT_EQ(cli({"export", "src", "--force"}).stato, 0);
    EXPECT_NE(leggi_tutto(dir / "src" / linea), "mine");
}

TEST_F(Uscite, PlotToStandardOutput) {
    ASSERT_EQ(cli({"plot", "src/" + linea, "src/" + treno, "-o", "file.svg"}).stato, 0);
    const prova::Esecuzione e = cli({"plot", "src/" + linea, "src/" + treno, "-o", "-"});
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, leggi_tutto(dir / "file.svg"));
    EXPECT_FALSE(fs::exists(dir / "-"));
}

}  // namespace
}  // namespace compattatore
