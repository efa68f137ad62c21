#include "platform/ambiente_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "tests/support/cartella_temporanea.hpp"

namespace compattatore::prova {
namespace {

namespace fs = std::filesystem;

void crea(const fs::path& p, const std::string& byte) {
    std::ofstream f(p, std::ios::binary);
    f << byte;
}

std::function<void(Uscita&)> scrive(const std::string& byte) {
    return [byte](Uscita& u) { u.scrivi(byte.data(), byte.size()); };
}

TEST(AmbienteFile, ReplacesAnExistingLongerFileWhole) {
    CartellaTemporanea c;
    const fs::path p = c.percorso() / "a_note.txt";
    crea(p, std::string(5000, 'x'));

    sostituisci_file(p, scrive("nuovo\r\n"));

    EXPECT_EQ(leggi_file(p), std::optional<std::string>("nuovo\r\n"));
    EXPECT_EQ(fs::file_size(p), 7u);
}

TEST(AmbienteFile, CreatesAMissingFileAndAnEmptyOne) {
    CartellaTemporanea c;
    sostituisci_file(c.percorso() / "uno", scrive("1"));
    sostituisci_file(c.percorso() / "vuoto", scrive(""));
    EXPECT_EQ(leggi_file(c.percorso() / "uno"), std::optional<std::string>("1"));
    EXPECT_EQ(leggi_file(c.percorso() / "vuoto"), std::optional<std::string>(""));
}

TEST(AmbienteFile, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    CartellaTemporanea c;
    const fs::path p = c.percorso() / "a.dat";
    crea(p, "vecchio");

    EXPECT_THROW(sostituisci_file(p,
                                  [](Uscita& u) {
                                      u.scrivi("mezzo", 5);
                                      throw std::runtime_error("disk full");
                                  }),
                 std::runtime_error);

    EXPECT_EQ(leggi_file(p), std::optional<std::string>("vecchio"));
    EXPECT_EQ(std::distance(fs::directory_iterator(c.percorso()), fs::directory_iterator()), 1);
}

TEST(AmbienteFile, ReadingWhatIsNotAFileGivesNothing) {
    CartellaTemporanea c;
    fs::create_directory(c.percorso() / "cartella");
    EXPECT_EQ(leggi_file(c.percorso() / "manca.txt"), std::nullopt);
    EXPECT_EQ(leggi_file(c.percorso() / "cartella"), std::nullopt);
    EXPECT_EQ(leggi_file(c.percorso() / "manca" / "a_linea.txt"), std::nullopt);
#ifndef _WIN32
    // A pipe with no one at the other end: declined at once, not waited on.
    const fs::path tubo = c.percorso() / "a_linea.txt";
    ASSERT_EQ(::mkfifo(tubo.c_str(), 0600), 0);
    EXPECT_EQ(leggi_file(tubo), std::nullopt);
#endif
}

TEST(AmbienteFile, DeletingAMissingFileIsNoError) {
    CartellaTemporanea c;
    const fs::path p = c.percorso() / "a_linea.txt";
    EXPECT_NO_THROW(elimina_file(p));
    crea(p, "x");
    elimina_file(p);
    EXPECT_FALSE(fs::exists(p));
}

TEST(AmbienteFile, NamesAreJoinedToTheFolder) {
    CartellaTemporanea c;
    struct Prova final : AmbienteFile {
        using AmbienteFile::AmbienteFile;
        void mostra_finestra() override {}
        std::int32_t mostra_messaggio(std::string_view) override { return 1; }
        void segnala_guasto(std::string_view) override {}
    } a(c.percorso());

    a.sostituisci("Valmora PR_Valmora PF_5286_note.txt", scrive("n"));
    EXPECT_TRUE(fs::is_regular_file(c.percorso() / "Valmora PR_Valmora PF_5286_note.txt"));
    EXPECT_EQ(a.leggi("Valmora PR_Valmora PF_5286_note.txt"), std::optional<std::string>("n"));
    a.elimina("Valmora PR_Valmora PF_5286_note.txt");
    EXPECT_EQ(a.leggi("Valmora PR_Valmora PF_5286_note.txt"), std::nullopt);
}

}  // namespace
}  // namespace compattatore::prova
