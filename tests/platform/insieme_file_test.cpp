// Replacing a set of files as a whole, in a real folder: a failure while
// writing or renaming, stale temporaries of killed runs, the name-length
// limit, and the handlers that remove temporaries on a signal.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/insieme_file.hpp"
#include "platform/temporanei.hpp"
#include "tests/support/cartella_temporanea.hpp"

namespace compattatore {
namespace {

namespace fs = std::filesystem;
using prova::CartellaTemporanea;
using prova::leggi_tutto;
using prova::scrivi_tutto;

std::vector<std::string> nomi_in(const fs::path& cartella) {
    std::vector<std::string> nomi;
    for (const auto& e : fs::directory_iterator(cartella)) nomi.push_back(e.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

FileInsieme file(std::string nome, std::string byte) {
    return {std::move(nome), [byte = std::move(byte)](Uscita& u) { u.scrivi(byte.data(), byte.size()); }};
}

const std::vector<std::string> tre = {"a.dat", "b.sim", "c.dat"};

void prepara_vecchi(const CartellaTemporanea& dir) {
    for (const std::string& n : tre) scrivi_tutto(dir / n, "old " + n);
}

TEST(SostituisciInsieme, ReplacesEveryFileAndLeavesNothingElse) {
    CartellaTemporanea dir;
    prepara_vecchi(dir);
    sostituisci_insieme(dir.percorso(), {file("a.dat", "A"), file("b.sim", "B"), file("c.dat", "C")});
    EXPECT_EQ(nomi_in(dir.percorso()), tre);
    EXPECT_EQ(leggi_tutto(dir / "a.dat"), "A");
    EXPECT_EQ(leggi_tutto(dir / "b.sim"), "B");
    EXPECT_EQ(leggi_tutto(dir / "c.dat"), "C");
}

// A failure while any file of the set is written leaves every previous file.
TEST(SostituisciInsieme, AFailureWhileWritingAnyFileReplacesNone) {
    for (std::size_t guasto = 0; guasto < tre.size(); ++guasto) {
        SCOPED_TRACE(tre[guasto]);
        CartellaTemporanea dir;
        prepara_vecchi(dir);
        std::vector<FileInsieme> insieme;
        for (std::size_t i = 0; i < tre.size(); ++i) {
            if (i == guasto) {
                insieme.push_back({tre[i], [](Uscita& u) {
                                       u.scrivi("part", 4);
                                       throw std::runtime_error("cannot write it: No space left on device");
                                   }});
            } else {
                insieme.push_back(file(tre[i], "new"));
            }
        }
        try {
            sostituisci_insieme(dir.percorso(), insieme);
            FAIL() << "no error";
        } catch (const ErroreInsieme& e) {
            EXPECT_NE(std::string(e.what()).find("; no file was replaced"), std::string::npos) << e.what();
            EXPECT_TRUE(e.sostituiti().empty());
        }
        EXPECT_EQ(nomi_in(dir.percorso()), tre);
        for (const std::string& n : tre) EXPECT_EQ(leggi_tutto(dir / n), "old " + n);
    }
}

// A folder under a target's name is refused before anything is written.
TEST(SostituisciInsieme, AFolderUnderTheLastNameIsRefusedFirst) {
    CartellaTemporanea dir;
    prepara_vecchi(dir);
    fs::remove(dir / "c.dat");
    fs::create_directory(dir / "c.dat");
    bool scritto = false;
    try {
        sostituisci_insieme(dir.percorso(), {{"a.dat", [&](Uscita&) { scritto = true; }}, file("b.sim", "B"),
                                              file("c.dat", "C")});
        FAIL() << "no error";
    } catch (const ErroreInsieme& e) {
        EXPECT_NE(std::string(e.what()).find("c.dat: it is a folder; no file was replaced"), std::string::npos)
            << e.what();
    }
    EXPECT_FALSE(scritto);
    EXPECT_EQ(leggi_tutto(dir / "a.dat"), "old a.dat");
}

// A rename that fails midway: the target of the second file became a folder
// while the third was written. The first stays new, the second and third
// stay old, and the error names what was replaced.
TEST(SostituisciInsieme, ARenameThatFailsMidwaySaysWhatWasReplaced) {
    CartellaTemporanea dir;
    prepara_vecchi(dir);
    const fs::path b = dir / "b.sim";
    try {
        sostituisci_insieme(dir.percorso(), {file("a.dat", "A"), file("b.sim", "B"), {"c.dat", [&](Uscita& u) {
                                                                                         fs::remove(b);
                                                                                         fs::create_directory(b);
                                                                                         fs::create_directory(b / "x");
                                                                                         u.scrivi("C", 1);
                                                                                     }}});
        FAIL() << "no error";
    } catch (const ErroreInsieme& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("cannot replace " + b.string()), std::string::npos) << m;
        EXPECT_NE(m.find("; already replaced: " + (dir / "a.dat").string()), std::string::npos) << m;
        ASSERT_EQ(e.sostituiti().size(), 1u);
        EXPECT_EQ(e.sostituiti()[0], dir / "a.dat");
    }
    EXPECT_EQ(nomi_in(dir.percorso()), tre);
    EXPECT_EQ(leggi_tutto(dir / "a.dat"), "A");
    EXPECT_TRUE(fs::is_directory(b));
    EXPECT_EQ(leggi_tutto(dir / "c.dat"), "old c.dat");
}

#if defined(__linux__)
// While a file is being written nothing new is visible in the folder: the
// temporary has no name until the whole set is complete.
TEST(SostituisciInsieme, OnLinuxATemporaryHasNoNameWhileItIsWritten) {
    CartellaTemporanea dir;
    prepara_vecchi(dir);
    std::vector<std::string> durante;
    sostituisci_insieme(dir.percorso(), {file("a.dat", "A"), {"b.sim", [&](Uscita& u) {
                                                                  u.scrivi("B", 1);
                                                                  durante = nomi_in(dir.percorso());
                                                              }}});
    EXPECT_EQ(durante, tre);
}
#endif

TEST(ProcessoDelTemporaneo, ReadsTheProcessNumberOfThisProgramsPatternOnly) {
    struct Caso {
        const char* nome;
        unsigned long processo;
    };
    for (const Caso& c : {Caso{"R_1.dat.4242-0.tmp~", 4242}, Caso{"R_linea.dat.7-15.tmp~", 7},
                          Caso{"R_1.dat.4242-0.tmp", 0}, Caso{"R_1.dat.4242.tmp~", 0}, Caso{".4242-0.tmp~", 0},
                          Caso{"R_1.dat.x4242-0.tmp~", 0}, Caso{"R_1.dat.-0.tmp~", 0},
                          Caso{"R.12345678901-0.tmp~", 0}, Caso{"note.tmp~", 0}}) {
        EXPECT_EQ(processo_del_temporaneo(c.nome), c.processo) << c.nome;
    }
}

// The number of a process that has ended (and been reaped).
pid_t processo_finito() {
    const pid_t p = fork();
    if (p == 0) _exit(0);
    int stato = 0;
    waitpid(p, &stato, 0);
    return p;
}

TEST(RimuoviTemporaneiOrfani, RemovesOnlyOurPatternOfEndedProcesses) {
    CartellaTemporanea dir;
    const std::string morto = "R_1.dat." + std::to_string(processo_finito()) + "-3.tmp~";
    const std::string vivo = "R_1.dat." + std::to_string(getppid()) + "-0.tmp~";
    const std::string altro = "appunti.tmp~";
    const std::string cartella = "R_2.dat." + std::to_string(processo_finito()) + "-0.tmp~";
    for (const std::string& n : {morto, vivo, altro}) scrivi_tutto(dir / n, "x");
    fs::create_directory(dir / cartella);

    EXPECT_EQ(rimuovi_temporanei_orfani(dir.percorso()), 1u);
    std::vector<std::string> attesi = {vivo, altro, cartella};
    std::sort(attesi.begin(), attesi.end());
    EXPECT_EQ(nomi_in(dir.percorso()), attesi);
}

TEST(VerificaNomi, ANameFitsUpToTheFoldersLimitLessTheTemporarysSuffix) {
    CartellaTemporanea dir;
    const std::size_t massimo = lunghezza_massima_nome(dir.percorso());
    ASSERT_GT(massimo, 100u);
    EXPECT_NO_THROW(verifica_nomi(dir.percorso(), {"corto", std::string(massimo, 'n')}));
    try {
        verifica_nomi(dir.percorso(), {"corto", std::string(massimo + 1, 'n')});
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("is " + std::to_string(massimo + 1) + " bytes long"), std::string::npos)
            << e.what();
    }
    // The longest accepted name can really be written, temporary and all.
    EXPECT_NO_THROW(sostituisci_insieme(dir.percorso(), {file(std::string(massimo, 'n'), "x")}));
}

// A child records a file, installs the handlers and is sent a signal: the
// file is gone and the child ended by that signal.
TEST(GestoriSegnali, ATerminatingSignalRemovesTheRecordedFiles) {
    for (const int segnale : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(segnale);
        CartellaTemporanea dir;
        scrivi_tutto(dir / "registrato", "x");
        scrivi_tutto(dir / "liberato", "x");
        const pid_t figlio = fork();
        ASSERT_GE(figlio, 0);
        if (figlio == 0) {
            installa_gestori_segnali();
            registra_temporaneo(dir / "registrato");
            libera_temporaneo(registra_temporaneo(dir / "liberato"));
            ::raise(segnale);
            _exit(0);
        }
        int stato = 0;
        ASSERT_EQ(waitpid(figlio, &stato, 0), figlio);
        ASSERT_TRUE(WIFSIGNALED(stato)) << stato;
        EXPECT_EQ(WTERMSIG(stato), segnale);
        EXPECT_EQ(nomi_in(dir.percorso()), std::vector<std::string>{"liberato"});
    }
}

// With the handlers installed a file-size limit is a write error, not the
// death of the process.
TEST(GestoriSegnali, AFileSizeLimitIsAnErrorOfTheSet) {
    CartellaTemporanea dir;
    prepara_vecchi(dir);
    const pid_t figlio = fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        installa_gestori_segnali();
        const rlimit limite{64 * 1024, 64 * 1024};
        if (setrlimit(RLIMIT_FSIZE, &limite) != 0) _exit(3);
        try {
            sostituisci_insieme(dir.percorso(), {file("a.dat", "A"), file("b.sim", std::string(1 << 20, 'x')),
                                                  file("c.dat", "C")});
        } catch (const ErroreInsieme& e) {
            _exit(std::string(e.what()).find("File too large; no file was replaced") != std::string::npos ? 0 : 2);
        }
        _exit(1);
    }
    int stato = 0;
    ASSERT_EQ(waitpid(figlio, &stato, 0), figlio);
    ASSERT_TRUE(WIFEXITED(stato)) << stato;
    EXPECT_EQ(WEXITSTATUS(stato), 0);
    EXPECT_EQ(nomi_in(dir.percorso()), tre);
    for (const std::string& n : tre) EXPECT_EQ(leggi_tutto(dir / n), "old " + n);
}

}  // namespace
}  // namespace compattatore
