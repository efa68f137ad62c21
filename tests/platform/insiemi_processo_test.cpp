// The two programs as processes, against the faults a set of files must
// survive: a folder in the way of one file of the set, a file-size limit, a
// signal or a kill in the middle of a run, two runs of the program in one
// folder, and a name too long for the folder.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/genera_scenario.hpp"
#include "describe/identita.hpp"
#include "formato/nomi_file.hpp"
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
        c[e.path().filename().string()] = fs::is_directory(e.path()) ? std::string("<folder>") : leggi_tutto(e.path());
    }
    return c;
}

std::vector<std::string> temporanei_in(const fs::path& cartella) {
    std::vector<std::string> t;
    for (const auto& e : fs::directory_iterator(cartella)) {
        const std::string n = e.path().filename().string();
        if (n.ends_with(".tmp~")) t.push_back(n);
    }
    return t;
}

// Starts programma with argomenti in cartella, its output thrown away.
pid_t avvia(const std::string& programma, const std::vector<std::string>& argomenti, const fs::path& cartella) {
    std::vector<std::string> tutti = {programma};
    tutti.insert(tutti.end(), argomenti.begin(), argomenti.end());
    std::vector<char*> argv;
    for (std::string& a : tutti) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t p = fork();
    if (p == 0) {
        const int nulla = ::open("/dev/null", O_RDWR);
        ::dup2(nulla, 0);
        ::dup2(nulla, 1);
        ::dup2(nulla, 2);
        if (::chdir(cartella.c_str()) != 0) _exit(126);
        ::execv(programma.c_str(), argv.data());
        _exit(127);
    }
    return p;
}

// The status of p; a process still running after 20 s is killed, so that no
// test waits without end.
int attendi(pid_t p) {
    int stato = 0;
    for (int i = 0; i < 2000; ++i) {
        const pid_t w = waitpid(p, &stato, WNOHANG);
        if (w == p || w < 0) return stato;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(p, SIGKILL);
    waitpid(p, &stato, 0);
    return stato;
}

std::string nome(File f) { return nome_file(f, nome_percorso_incorporato, numero_treno_incorporato); }

const std::vector<File> binari = {File::planimetria, File::voci, File::percorso};

// The program in a folder of its own; its files of a clean run.
struct CartellaProgramma {
    CartellaTemporanea dir;
    fs::path programma = dir / "compattatore";
    CartellaProgramma() { fs::copy_file(COMPATTATORE_EXE, programma); }
};

const Contenuti& file_del_programma() {
    static const Contenuti c = [] {
        CartellaProgramma p;
        const auto e = prova::esegui(p.programma.string(), {}, p.dir.percorso());
        Contenuti r = contenuti(p.dir.percorso());
        r.erase("compattatore");
        if (e.stato != 0) r.clear();
        return r;
    }();
    return c;
}

// A 1,000,000 m scenario for the tool: long enough to be stopped midway.
struct CartellaGrande {
    CartellaTemporanea dir;
    std::vector<std::string> argomenti;
    Contenuti completi;  // the files of a clean compile
    CartellaGrande() {
        const banco::ScenarioGenerato g = banco::genera_scenario(1000000);
        fs::create_directory(dir / "in");
        fs::create_directory(dir / "out");
        scrivi_tutto(dir / "in" / "Banco_linea.txt", g.linea);
        scrivi_tutto(dir / "in" / "Banco_1-.txt", g.treno);
        argomenti = {"compile", "in/Banco_linea.txt", "in/Banco_1-.txt", "-o", "out"};
    }
    const std::vector<std::string> nomi = {"Banco_linea.dat", "Banco_1.sim", "Banco_1.dat"};
    void previous() {
        for (const std::string& n : nomi) scrivi_tutto(dir / "out" / n, "previous " + n);
    }
};

// A folder in the way of the track file: the plan and entry files stay those
// of the previous run, and the error says that nothing was replaced.
TEST(InsiemeProcesso, AFolderInTheWayOfTheTrackFileLeavesThePreviousSet) {
    {
        SCOPED_TRACE("tool");
        CartellaGrande g;
        g.previous();
        fs::remove(g.dir / "out" / "Banco_1.dat");
        fs::create_directory(g.dir / "out" / "Banco_1.dat");
        const auto e = prova::esegui(COMPATTATORE_CLI_EXE, g.argomenti, g.dir.percorso());
        EXPECT_EQ(e.stato, 2);
        EXPECT_NE(e.err.find("Banco_1.dat: it is a folder; no file was replaced"), std::string::npos) << e.err;
        EXPECT_EQ(leggi_tutto(g.dir / "out" / "Banco_linea.dat"), "previous Banco_linea.dat");
        EXPECT_EQ(leggi_tutto(g.dir / "out" / "Banco_1.sim"), "previous Banco_1.sim");
    }
    {
        SCOPED_TRACE("program");
        CartellaProgramma p;
        for (const File f : binari) scrivi_tutto(p.dir / nome(f), "previous");
        fs::remove(p.dir / nome(File::percorso));
        fs::create_directory(p.dir / nome(File::percorso));
        const auto e = prova::esegui(p.programma.string(), {}, p.dir.percorso());
        EXPECT_EQ(e.stato, 2);
        EXPECT_NE(e.err.find("it is a folder; no file was replaced"), std::string::npos) << e.err;
        EXPECT_EQ(leggi_tutto(p.dir / nome(File::planimetria)), "previous");
        EXPECT_EQ(leggi_tutto(p.dir / nome(File::voci)), "previous");
    }
}

// Under a file-size limit (SIGXFSZ not ignored by the shell) the write fails
// with "File too large": exit 2, no temporary, the previous set intact, and
// no description text of the program left behind.
TEST(InsiemeProcesso, AFileSizeLimitIsAnErrorWithExitTwo) {
    {
        SCOPED_TRACE("tool");
        CartellaGrande g;
        g.previous();
        std::string comando = "ulimit -f 64; exec " + tra_apici(COMPATTATORE_CLI_EXE);
        for (const std::string& a : g.argomenti) comando += " " + tra_apici(a);
        const auto e = prova::esegui("/bin/sh", {"-c", comando}, g.dir.percorso());
        EXPECT_EQ(e.stato, 2);
        EXPECT_NE(e.err.find("File too large"), std::string::npos) << e.err;
        EXPECT_TRUE(temporanei_in(g.dir / "out").empty());
        for (const std::string& n : g.nomi) EXPECT_EQ(leggi_tutto(g.dir / "out" / n), "previous " + n);
    }
    {
        SCOPED_TRACE("program");
        CartellaProgramma p;
        for (const File f : binari) scrivi_tutto(p.dir / nome(f), "previous");
        const auto e = prova::esegui("/bin/sh", {"-c", "ulimit -f 64; exec ./compattatore"}, p.dir.percorso());
        EXPECT_EQ(e.stato, 2);
        EXPECT_NE(e.err.find("File too large"), std::string::npos) << e.err;
        EXPECT_TRUE(temporanei_in(p.dir.percorso()).empty());
        for (const File f : binari) EXPECT_EQ(leggi_tutto(p.dir / nome(f)), "previous");
        EXPECT_FALSE(fs::exists(p.dir / nome(File::descrizione_linea)));
        EXPECT_FALSE(fs::exists(p.dir / nome(File::descrizione_treno)));
    }
}

// A document name taken by a folder stops the program after it has written
// its description texts: they are deleted all the same.
TEST(InsiemeProcesso, AFailingProgramLeavesNoDescriptionText) {
    CartellaProgramma p;
    fs::create_directory(p.dir / nome(File::note));
    const auto e = prova::esegui(p.programma.string(), {}, p.dir.percorso());
    EXPECT_EQ(e.stato, 2);
    EXPECT_FALSE(fs::exists(p.dir / nome(File::descrizione_linea)));
    EXPECT_FALSE(fs::exists(p.dir / nome(File::descrizione_treno)));
}

// SIGTERM at a random moment of a compile: the tool ends by the signal (or
// has finished), leaves no temporary, and each file is the previous one or
// the complete new one. Tried until a few signals have met a running tool.
TEST(InsiemeProcesso, SigtermMidRunLeavesNoTemporary) {
    CartellaGrande g;
    ASSERT_EQ(prova::esegui(COMPATTATORE_CLI_EXE, g.argomenti, g.dir.percorso()).stato, 0);
    const Contenuti completi = contenuti(g.dir / "out");
    std::mt19937 caso(21);
    int interrotti = 0;
    for (int tentativo = 0; tentativo < 60 && interrotti < 5; ++tentativo) {
        g.previous();
        const pid_t p = avvia(COMPATTATORE_CLI_EXE, g.argomenti, g.dir.percorso());
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 40000)(caso)));
        ::kill(p, SIGTERM);
        const int stato = attendi(p);
        if (WIFSIGNALED(stato)) {
            EXPECT_EQ(WTERMSIG(stato), SIGTERM);
            ++interrotti;
        } else {
            EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << stato;
        }
        EXPECT_TRUE(temporanei_in(g.dir / "out").empty()) << "attempt " << tentativo;
        for (const auto& [n, byte] : contenuti(g.dir / "out")) {
            EXPECT_TRUE(byte == "previous " + n || byte == completi.at(n)) << n << " is neither old nor whole";
        }
    }
    EXPECT_GT(interrotti, 0) << "no signal met a running tool";
}

// SIGKILL cannot be handled: whatever it leaves, a later run in the same
// folder removes it.
TEST(InsiemeProcesso, AKilledRunLeavesNothingThatALaterRunKeeps) {
    CartellaGrande g;
    std::mt19937 caso(9);
    for (int tentativo = 0; tentativo < 5; ++tentativo) {
        const pid_t p = avvia(COMPATTATORE_CLI_EXE, g.argomenti, g.dir.percorso());
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 40000)(caso)));
        ::kill(p, SIGKILL);
        attendi(p);
    }
    // A temporary of a run killed outright, as a kill between naming and
    // renaming would leave it.
    const pid_t finito = avvia("/bin/true", {}, g.dir.percorso());
    attendi(finito);
    scrivi_tutto(g.dir / "out" / ("Banco_1.dat." + std::to_string(finito) + "-0.tmp~"), "part");
    ASSERT_EQ(prova::esegui(COMPATTATORE_CLI_EXE, g.argomenti, g.dir.percorso()).stato, 0);
    EXPECT_TRUE(temporanei_in(g.dir / "out").empty());
}

// A second run waits for the first: while the folder is locked (here by the
// test) the program writes nothing; once it is free, the run completes.
TEST(ProgrammaProcesso, ARunWaitsWhileTheFolderIsLocked) {
    CartellaProgramma p;
    // Not inherited by the program: its copy would hold the lock too.
    const int d = ::open(p.dir.percorso().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(d, 0);
    ASSERT_EQ(::flock(d, LOCK_EX), 0);
    const pid_t figlio = avvia(p.programma.string(), {}, p.dir.percorso());
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    int stato = 0;
    const pid_t finito = waitpid(figlio, &stato, WNOHANG);
    EXPECT_EQ(finito, 0) << "the run did not wait";
    EXPECT_EQ(contenuti(p.dir.percorso()).size(), 1u) << "the run wrote while the folder was locked";
    ::close(d);
    if (finito == 0) stato = attendi(figlio);
    ASSERT_TRUE(WIFEXITED(stato));
    EXPECT_EQ(WEXITSTATUS(stato), 0);
    Contenuti dopo = contenuti(p.dir.percorso());
    dopo.erase("compattatore");
    EXPECT_EQ(dopo, file_del_programma());
}

// Two runs at once in one folder, many times: both succeed and the folder
// holds exactly the files of one clean run.
TEST(ProgrammaProcesso, TwoRunsAtOnceGiveTheRightFiles) {
    ASSERT_FALSE(file_del_programma().empty());
    CartellaProgramma p;
    for (int coppia = 0; coppia < 20; ++coppia) {
        const pid_t a = avvia(p.programma.string(), {}, p.dir.percorso());
        const pid_t b = avvia(p.programma.string(), {}, p.dir.percorso());
        for (const int stato : {attendi(a), attendi(b)}) {
            EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << "pair " << coppia << ": " << stato;
        }
        Contenuti dopo = contenuti(p.dir.percorso());
        dopo.erase("compattatore");
        EXPECT_EQ(dopo, file_del_programma()) << "pair " << coppia;
    }
}

// A route name whose files (with their temporaries' suffix) do not fit the
// folder's name limit is refused before anything is read or written.
TEST(InsiemeProcesso, ARouteNameTooLongForTheFolderIsRefusedUpFront) {
    CartellaGrande g;
    std::vector<std::string> a = g.argomenti;
    a.insert(a.end(), {"--route", std::string(230, 'R'), "--train", "1"});
    const auto e = prova::esegui(COMPATTATORE_CLI_EXE, a, g.dir.percorso());
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.err.find("bytes long, and this folder takes names of at most"), std::string::npos) << e.err;
    EXPECT_TRUE(fs::is_empty(g.dir / "out"));
    // One that fits is written.
    a.end()[-3] = std::string(200, 'R');
    EXPECT_EQ(prova::esegui(COMPATTATORE_CLI_EXE, a, g.dir.percorso()).stato, 0);
}

}  // namespace
}  // namespace compattatore
