// Replacing and reading files of a real folder, with real faults: a file-size
// limit (the disk is full for this process), a target name that is a folder,
// a file whose reading fails.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/ambiente_file.hpp"
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

std::function<void(Uscita&)> scrive(std::string byte) {
    return [byte = std::move(byte)](Uscita& u) { u.scrivi(byte.data(), byte.size()); };
}

const std::string vecchio = "previous content, longer than the new one\r\n";

TEST(SostituisciFile, ReplacesALinkWithoutWritingThroughIt) {
    CartellaTemporanea dir;
    scrivi_tutto(dir / "altrove.txt", vecchio);
    fs::create_symlink(dir / "altrove.txt", dir / "f.dat");
    sostituisci_file(dir / "f.dat", scrive("new"));
    EXPECT_FALSE(fs::is_symlink(dir / "f.dat"));
    EXPECT_EQ(leggi_tutto(dir / "f.dat"), "new");
    EXPECT_EQ(leggi_tutto(dir / "altrove.txt"), vecchio);
}

TEST(SostituisciFile, ATargetThatIsAFolderIsRefusedAndLeftAlone) {
    CartellaTemporanea dir;
    fs::create_directory(dir / "f.dat");
    scrivi_tutto(dir / "f.dat" / "dentro", vecchio);
    try {
        sostituisci_file(dir / "f.dat", scrive("new"));
        FAIL() << "a folder was written over";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("it is a folder"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(fs::is_directory(dir / "f.dat"));
    EXPECT_EQ(leggi_tutto(dir / "f.dat" / "dentro"), vecchio);
    EXPECT_EQ(nomi_in(dir.percorso()), std::vector<std::string>{"f.dat"});
}

TEST(SostituisciFile, AFolderThatDoesNotExistGivesAClearError) {
    CartellaTemporanea dir;
    try {
        sostituisci_file(dir / "manca" / "f.dat", scrive("new"));
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("cannot write"), std::string::npos) << m;
        EXPECT_NE(m.find("f.dat"), std::string::npos) << m;
    }
}

// The disk is full for this process: a child with a file-size limit of 64 KiB
// (SIGXFSZ ignored, so the write fails with an error) replaces a file with
// 1 MiB. Exit status of the child: 0 the replace failed with a message that
// names the target, 1 it did not fail, 2 it failed otherwise.
TEST(SostituisciFile, AFullDiskLeavesThePreviousFileAndNoTemporary) {
    CartellaTemporanea dir;
    scrivi_tutto(dir / "f.dat", vecchio);
    const pid_t figlio = fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{64 * 1024, 64 * 1024};
        if (setrlimit(RLIMIT_FSIZE, &limite) != 0) _exit(3);
        try {
            sostituisci_file(dir / "f.dat", scrive(std::string(1 << 20, 'x')));
        } catch (const std::runtime_error& e) {
            const std::string m = e.what();
            _exit(m.find("cannot write") != std::string::npos && m.find("f.dat") != std::string::npos ? 0 : 2);
        }
        _exit(1);
    }
    int stato = 0;
    ASSERT_EQ(waitpid(figlio, &stato, 0), figlio);
    ASSERT_TRUE(WIFEXITED(stato));
    EXPECT_EQ(WEXITSTATUS(stato), 0);
    EXPECT_EQ(leggi_tutto(dir / "f.dat"), vecchio);
    EXPECT_EQ(nomi_in(dir.percorso()), std::vector<std::string>{"f.dat"});
}

TEST(LeggiFile, ALimitRefusesALargerFileAndAcceptsOneAtTheLimit) {
    CartellaTemporanea dir;
    scrivi_tutto(dir / "dieci", "0123456789");
    EXPECT_EQ(leggi_file(dir / "dieci", 10), "0123456789");
    EXPECT_THROW(leggi_file(dir / "dieci", 9), std::runtime_error);
    // Beyond one block of reading, too.
    scrivi_tutto(dir / "grande", std::string(200000, 'x'));
    EXPECT_EQ(leggi_file(dir / "grande", 200000)->size(), 200000u);
    EXPECT_THROW(leggi_file(dir / "grande", 199999), std::runtime_error);
}

// A file whose reading fails half-way must not pass for a shorter text: the
// memory file of a process is regular, opens, and fails with an I/O error at
// its first, unmapped page.
TEST(LeggiFile, AReadErrorIsAnErrorNotAShortText) {
    try {
        const auto testo = leggi_file("/proc/self/mem");
        FAIL() << "read " << (testo ? testo->size() : 0) << " bytes";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("cannot read /proc/self/mem"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace compattatore
