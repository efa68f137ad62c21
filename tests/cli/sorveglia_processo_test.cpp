// Watch mode as a process: the exported scenario checked and compiled while
// its train file is saved the ways editors save it, read back from the
// reports the process prints, and ended by the signals a user sends. Every
// wait is bounded.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "describe/identita.hpp"
#include "tests/support/cartella_temporanea.hpp"
#include "tests/support/processo.hpp"

namespace compattatore {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using prova::CartellaTemporanea;
using prova::leggi_tutto;
using prova::scrivi_tutto;

const std::string linea = std::string(nome_percorso_incorporato) + "_linea.txt";
const std::string treno = std::string(nome_percorso_incorporato) + "_" + std::string(numero_treno_incorporato) + "-.txt";

std::size_t conta(const std::string& testo, const std::string& cosa) {
    std::size_t n = 0;
    for (std::size_t i = testo.find(cosa); i != std::string::npos; i = testo.find(cosa, i + 1)) ++n;
    return n;
}

// The exported scenario, and the tool watching it with its output in files.
struct Sorvegliato {
    CartellaTemporanea dir;
    fs::path scen = dir / "scen";
    pid_t pid = -1;

    explicit Sorvegliato(std::vector<std::string> argomenti) {
        const auto e = prova::esegui(COMPATTATORE_CLI_EXE, {"export", scen.string()}, dir.percorso());
        EXPECT_EQ(e.stato, 0) << e.err;
        std::vector<std::string> tutti = {COMPATTATORE_CLI_EXE};
        tutti.insert(tutti.end(), argomenti.begin(), argomenti.end());
        std::vector<char*> argv;
        for (std::string& a : tutti) argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string out = (dir / "out").string(), err = (dir / "err").string();
        pid = fork();
        if (pid == 0) {
            ::dup2(::open("/dev/null", O_RDONLY), 0);
            ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
            ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
            if (::chdir(scen.c_str()) != 0) _exit(126);
            ::execv(argv[0], argv.data());
            _exit(127);
        }
    }
    ~Sorvegliato() {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

    std::string err() const { return leggi_tutto(dir / "err"); }

    // Waits (up to 10 s) for the n-th report to be complete; false if it never is.
    bool attendi_giro(std::size_t n) const {
        for (int i = 0; i < 1000; ++i) {
            if (conta(err(), "=== exit status") >= n) return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    // Sends s and gives the status the process ended with (killed after 10 s).
    int ferma(int s) {
        ::kill(pid, s);
        int stato = 0;
        for (int i = 0; i < 1000; ++i) {
            if (waitpid(pid, &stato, WNOHANG) == pid) {
                pid = -1;
                return stato;
            }
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }

    // An editor's save: a new file renamed over the old one.
    void salva_per_rinomina(const std::string& nome, const std::string& testo) const {
        scrivi_tutto(scen / (nome + ".swp"), testo);
        fs::rename(scen / (nome + ".swp"), scen / nome);
    }
    // The other save: the file truncated and written in place.
    void salva_sul_posto(const std::string& nome, const std::string& testo) const {
        std::ofstream f(scen / nome, std::ios::binary | std::ios::trunc);
        f << testo;
    }
};

std::string sostituito(std::string t, const std::string& da, const std::string& a) {
    t.replace(t.find(da), da.size(), a);
    return t;
}

TEST(ModoSorveglianza, CheckRileggeAOgniSalvataggioEFinisceConIlSegnale) {
    Sorvegliato w({"check", "--watch", linea, treno});
    ASSERT_TRUE(w.attendi_giro(1)) << w.err();
    EXPECT_NE(w.err().find("run 1, "), std::string::npos) << w.err();
    EXPECT_NE(w.err().find("=== exit status 0;"), std::string::npos) << w.err();

    const std::string giusto = leggi_tutto(w.scen / treno);
    w.salva_per_rinomina(treno, sostituito(giusto, "stazione,   85950", "stazione,   85975"));
    ASSERT_TRUE(w.attendi_giro(2)) << w.err();
    const std::string dopo_errore = w.err();
    EXPECT_NE(dopo_errore.find(treno + ":12:13: error 8"), std::string::npos) << dopo_errore;
    EXPECT_NE(dopo_errore.find("=== exit status 1;"), std::string::npos) << dopo_errore;

    // A file of another name in the same folder wakes nothing.
    scrivi_tutto(w.scen / "appunti.txt", "x");
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(conta(w.err(), "=== exit status"), 2u) << w.err();

    w.salva_sul_posto(treno, giusto);
    ASSERT_TRUE(w.attendi_giro(3)) << w.err();
    const std::string terzo = w.err().substr(dopo_errore.size());
    EXPECT_NE(terzo.find("run 3, "), std::string::npos) << terzo;
    EXPECT_EQ(terzo.find("error"), std::string::npos) << terzo;
    EXPECT_NE(terzo.find("=== exit status 0;"), std::string::npos) << terzo;

    const int stato = w.ferma(SIGINT);
    ASSERT_TRUE(WIFSIGNALED(stato)) << stato;  // a shell reports 130
    EXPECT_EQ(WTERMSIG(stato), SIGINT);
}

TEST(ModoSorveglianza, CompileRiscriveIFileAOgniCambioMaNonSiSvegliaPerIPropri) {
    // The files go into the watched folder itself.
    Sorvegliato w({"compile", "--watch", linea, treno});
    ASSERT_TRUE(w.attendi_giro(1)) << w.err();
    const fs::path pista = w.scen / (std::string(nome_percorso_incorporato) + "_" +
                                     std::string(numero_treno_incorporato) + ".dat");
    ASSERT_TRUE(fs::exists(pista)) << w.err();
    const std::string prima = leggi_tutto(pista);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(conta(w.err(), "=== exit status"), 1u) << "woken by its own files: " << w.err();

    // A lower speed limit changes the track file.
    const std::string testo_treno = leggi_tutto(w.scen / treno);
    w.salva_per_rinomina(treno, sostituito(testo_treno, "velocita,   86300,    80", "velocita,   86300,    60"));
    ASSERT_TRUE(w.attendi_giro(2)) << w.err();
    EXPECT_TRUE(leggi_tutto(pista) != prima) << w.err();

    const int stato = w.ferma(SIGTERM);
    ASSERT_TRUE(WIFSIGNALED(stato)) << stato;  // a shell reports 143
    EXPECT_EQ(WTERMSIG(stato), SIGTERM);
    for (const auto& e : fs::directory_iterator(w.scen)) {
        EXPECT_FALSE(e.path().filename().string().ends_with(".tmp~")) << e.path();
    }
}

TEST(ModoSorveglianza, UnErroreDUsoNonSorveglia) {
    CartellaTemporanea dir;
    const auto e = prova::esegui(COMPATTATORE_CLI_EXE, {"check", "--watch", "solo_linea.txt"}, dir.percorso());
    EXPECT_EQ(e.stato, 2) << e.err;
    EXPECT_NE(e.err.find("check needs LINE and TRAIN"), std::string::npos) << e.err;
}

}  // namespace
}  // namespace compattatore
