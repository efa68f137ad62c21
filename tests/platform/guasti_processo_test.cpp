// File-system faults met by the two programs as a user meets them: the
// program runs as a process and its output folder is full (a file-size limit
// with SIGXFSZ ignored, so writes fail as on a full disk), read-only, or has
// a folder where an output file goes. Each fault ends the run with one line
// on standard error and exit status 2, and every file of the folder is either
// the previous one, byte for byte, or a complete new one; no temporary file is
// left behind.
//
// A read-only folder: root ignores permission bits, so as root the folder is
// bound read-only over itself in a mount namespace of the run (unshare); the
// case is skipped where that is not allowed. Other users get chmod a-w.
#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/processo.hpp"

namespace compattatore {
namespace {

namespace fs = std::filesystem;
using prova::CartellaTemporanea;
using prova::leggi_tutto;
using prova::scrivi_tutto;
using prova::tra_apici;

using Contenuti = std::map<std::string, std::string>;

Contenuti contenuti(const fs::path& cartella) {
    Contenuti c;
    for (const auto& e : fs::directory_iterator(cartella)) {
        const std::string nome = e.path().filename().string();
        c[nome] = fs::is_directory(e.path()) ? std::string("<folder>") : leggi_tutto(e.path());
    }
    return c;
}

const char* const linea_minima =
    "[generale]\r\nlunghezza percorso, 10000\r\n[pendenze]\r\npendenza, 0, 0\r\npendenza, 2000, 5\r\n[fine]\r\n";
const char* const treno_minimo =
    "[generale]\r\nnumero vetture, 3\r\nvelocita, 0, 100\r\naderenza, 0, 90\r\n[fine]\r\n";

enum class Programma { cli, principale };
enum class Guasto { disco_pieno, sola_lettura, nome_cartella };

struct Caso {
    const char* nome;
    Programma programma;
    Guasto guasto;
    const char* nel_messaggio;  // a part of the one error line
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

bool puo_montare() {
    return std::system("unshare -m sh -c 'mount --bind -o ro / /' >/dev/null 2>&1") == 0;
}

class GuastiDelFileSystem : public ::testing::TestWithParam<Caso> {
protected:
    // Where the program writes, the files it writes on a clean run, and the
    // command that runs it there.
    fs::path uscita;
    Contenuti attesi;
    std::string comando;

    void prepara(const fs::path& radice, Programma p) {
        fs::create_directories(radice / "in");
        fs::create_directories(radice / "out");
        if (p == Programma::cli) {
            scrivi_tutto(radice / "in" / "Prova_linea.txt", linea_minima);
            scrivi_tutto(radice / "in" / "Prova_42-.txt", treno_minimo);
            uscita = radice / "out";
            comando = tra_apici(COMPATTATORE_CLI_EXE) + " compile " + tra_apici((radice / "in/Prova_linea.txt").string()) +
                      " " + tra_apici((radice / "in/Prova_42-.txt").string()) + " -o " + tra_apici(uscita.string());
        } else {
            uscita = radice / "out";
            fs::copy_file(COMPATTATORE_EXE, uscita / "compattatore");
            comando = tra_apici((uscita / "compattatore").string());
        }
    }

    int lancia(const std::string& involucro, prova::Esecuzione& e, const fs::path& radice) {
        scrivi_tutto(radice / "cmd.sh", "exec " + comando + "\n");
        e = prova::esegui("sh", {"-c", involucro}, radice);
        return e.stato;
    }
};

TEST_P(GuastiDelFileSystem, OneMessageExitTwoAndNoTruncatedFile) {
    const Caso& c = GetParam();
    if (c.guasto == Guasto::sola_lettura && geteuid() == 0 && !puo_montare()) {
        GTEST_SKIP() << "running as root without the right to bind a folder read-only";
    }

    // A clean run gives the complete files.
    CartellaTemporanea pulita;
    prepara(pulita.percorso(), c.programma);
    prova::Esecuzione e;
    ASSERT_EQ(lancia("sh ./cmd.sh", e, pulita.percorso()), 0) << e.err;
    Contenuti completi = contenuti(uscita);
    if (c.programma == Programma::principale) {
        // The description texts are transient: the tool exports them as the
        // program writes them.
        ASSERT_EQ(std::system(("cd " + tra_apici(pulita.percorso().string()) + " && " +
                               tra_apici(COMPATTATORE_CLI_EXE) + " export testi >/dev/null 2>&1")
                                  .c_str()),
                  0);
        for (const auto& [nome, byte] : contenuti(pulita.percorso() / "testi")) completi[nome] = byte;
    }

    // The same run over previous files, with the fault.
    CartellaTemporanea dir;
    prepara(dir.percorso(), c.programma);
    for (const auto& [nome, byte] : completi) {
        // The description texts are the program's own transient files: it
        // deletes them once read, so they have no previous version to keep.
        const bool transitorio = nome.ends_with("_linea.txt") || nome.ends_with("-.txt");
        if (nome != "compattatore" && !transitorio) scrivi_tutto(uscita / nome, "previous " + nome);
    }
    std::string involucro = "sh ./cmd.sh";
    std::string cartella_guasta;
    switch (c.guasto) {
        case Guasto::disco_pieno: involucro = "ulimit -f 16; trap '' XFSZ; sh ./cmd.sh"; break;
        case Guasto::sola_lettura:
            if (geteuid() == 0) {
                involucro = "unshare -m sh -c 'mount --bind -o ro out out && sh ./cmd.sh'";
            } else {
                involucro = "chmod a-w out && sh ./cmd.sh; s=$?; chmod u+w out; exit $s";
            }
            break;
        case Guasto::nome_cartella:
            // The track file's name is taken by a folder.
            for (const auto& [nome, byte] : completi) {
                if (nome.size() > 4 && nome.ends_with(".dat") && nome.find("_linea") == std::string::npos) {
                    cartella_guasta = nome;
                }
            }
            ASSERT_FALSE(cartella_guasta.empty());
            fs::remove(uscita / cartella_guasta);
            fs::create_directory(uscita / cartella_guasta);
            break;
    }
    const Contenuti prima = contenuti(uscita);
    EXPECT_EQ(lancia(involucro, e, dir.percorso()), 2) << e.err;

    // One line says what went wrong (the program also says "Attendere").
    std::string errore = e.err;
    if (errore.rfind("Attendere\n", 0) == 0) errore.erase(0, 10);
    EXPECT_EQ(std::count(errore.begin(), errore.end(), '\n'), 1) << e.err;
    EXPECT_EQ(errore.rfind(c.programma == Programma::cli ? "compattatore-cli: cannot " : "compattatore: cannot ", 0),
              0u)
        << e.err;
    EXPECT_NE(errore.find(c.nel_messaggio), std::string::npos) << e.err;

    const Contenuti dopo = contenuti(uscita);
    for (const auto& [nome, byte] : dopo) {
        const auto vecchio = prima.find(nome);
        const auto nuovo = completi.find(nome);
        const bool intatto = vecchio != prima.end() && vecchio->second == byte;
        const bool completo = nuovo != completi.end() && nuovo->second == byte;
        EXPECT_TRUE(intatto || completo) << nome << " is neither the previous file nor a complete new one";
    }
    for (const auto& [nome, byte] : prima) EXPECT_TRUE(dopo.count(nome)) << nome << " was lost";
    if (!cartella_guasta.empty()) {
        EXPECT_TRUE(fs::is_directory(uscita / cartella_guasta));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Guasti, GuastiDelFileSystem,
    ::testing::Values(Caso{"CliDiscoPieno", Programma::cli, Guasto::disco_pieno, "File too large"},
                      Caso{"CliSolaLettura", Programma::cli, Guasto::sola_lettura, "out/"},
                      Caso{"CliNomeCartella", Programma::cli, Guasto::nome_cartella, "it is a folder"},
                      Caso{"ProgrammaDiscoPieno", Programma::principale, Guasto::disco_pieno, "File too large"},
                      Caso{"ProgrammaSolaLettura", Programma::principale, Guasto::sola_lettura, "out/"},
                      Caso{"ProgrammaNomeCartella", Programma::principale, Guasto::nome_cartella, "it is a folder"}),
    [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

// A description the tool cannot read stops it with one line and status 2
// before anything is written.
struct CasoIngresso {
    const char* nome;
    std::string linea;  // path of the line description, relative to the folder
    const char* nel_messaggio;
};

void PrintTo(const CasoIngresso& c, std::ostream* os) { *os << c.nome; }

class IngressoIlleggibile : public ::testing::TestWithParam<CasoIngresso> {};

TEST_P(IngressoIlleggibile, StopsWithOneLineAndWritesNothing) {
    CartellaTemporanea dir;
    fs::create_directories(dir / "out");
    fs::create_directories(dir / "cartella");
    scrivi_tutto(dir / "Prova_42-.txt", treno_minimo);
    {
        // 33 MiB of bytes 0: past the tool's limit on a description.
        std::FILE* f = std::fopen((dir / "enorme.txt").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fseek(f, 33L * 1024 * 1024 - 1, SEEK_SET);
        std::fputc(0, f);
        std::fclose(f);
    }
    const prova::Esecuzione e = prova::esegui(
        COMPATTATORE_CLI_EXE,
        {"compile", GetParam().linea, "Prova_42-.txt", "--route", "Prova", "--train", "42", "-o", "out"},
        dir.percorso());
    EXPECT_EQ(e.stato, 2);
    EXPECT_EQ(e.err.rfind("compattatore-cli: cannot read " + GetParam().linea + ": ", 0), 0u) << e.err;
    EXPECT_NE(e.err.find(GetParam().nel_messaggio), std::string::npos) << e.err;
    EXPECT_EQ(std::count(e.err.begin(), e.err.end(), '\n'), 1) << e.err;
    EXPECT_TRUE(fs::is_empty(dir / "out"));
}

INSTANTIATE_TEST_SUITE_P(
    Ingressi, IngressoIlleggibile,
    ::testing::Values(CasoIngresso{"Assente", "manca.txt", "no such file"},
                      CasoIngresso{"Cartella", "cartella", "it is a folder"},
                      CasoIngresso{"ErroreDiLettura", "/proc/self/mem", "Input/output error"},
                      CasoIngresso{"TroppoGrande", "enorme.txt", "larger than 33554432 bytes"}),
    [](const ::testing::TestParamInfo<CasoIngresso>& i) { return std::string(i.param.nome); });

}  // namespace
}  // namespace compattatore
