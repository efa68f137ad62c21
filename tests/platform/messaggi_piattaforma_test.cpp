// The shells' errors in Italian: the path and the system's own words are the
// same in both languages, and the English words stay what() as before.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include "platform/ambiente_file.hpp"
#include "platform/insieme_file.hpp"
#include "tests/support/cartella_temporanea.hpp"

namespace compattatore {
namespace {

namespace fs = std::filesystem;
using prova::CartellaTemporanea;
using prova::scrivi_tutto;

std::function<void(Uscita&)> scrive(std::string byte) {
    return [byte = std::move(byte)](Uscita& u) { u.scrivi(byte.data(), byte.size()); };
}

TEST(MessaggiPiattaforma, FileErrorsInItalian) {
    CartellaTemporanea dir;
    fs::create_directory(dir / "b.dat");
    scrivi_tutto(dir / "grande.txt", "1234");
    const std::string nome_lungo(lunghezza_massima_nome(dir.percorso()) + 1, 'x');
    struct Caso {
        const char* nome;
        std::function<void()> azione;
        std::string it;
        std::string en;
    };
    const std::string manca = (dir / "manca" / "f.dat").string();
    const std::string sistema = std::generic_category().message(ENOENT);
    const Caso casi[] = {
        {"writing into a missing folder", [&] { sostituisci_file(dir / "manca" / "f.dat", scrive("x")); },
         "impossibile scrivere " + manca + ": " + sistema, "cannot write " + manca + ": " + sistema},
        {"a set with a folder under a name",
         [&] { sostituisci_insieme(dir.percorso(), {{"a.dat", scrive("A")}, {"b.dat", scrive("B")}}); },
         "impossibile scrivere " + (dir / "b.dat").string() + ": è una cartella; nessun file è stato sostituito",
         "cannot write " + (dir / "b.dat").string() + ": it is a folder; no file was replaced"},
        {"a file larger than the reader takes", [&] { static_cast<void>(leggi_file(dir / "grande.txt", 3)); },
         "impossibile leggere " + (dir / "grande.txt").string() + ": supera i 3 byte",
         "cannot read " + (dir / "grande.txt").string() + ": it is larger than 3 bytes"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        try {
            c.azione();
            ADD_FAILURE() << "no error";
        } catch (const std::exception& e) {
            EXPECT_EQ(messaggio_di(e).in(Lingua::it), c.it);
            EXPECT_EQ(std::string(e.what()), c.en);
        }
    }
    // A name too long for the folder: the numbers in their Italian places.
    try {
        verifica_nomi(dir.percorso(), {"corto", nome_lungo});
        ADD_FAILURE() << "no error";
    } catch (const std::exception& e) {
        const std::string it = messaggio_di(e).in(Lingua::it);
        EXPECT_NE(it.find("il nome è lungo " + std::to_string(nome_lungo.size()) + " byte"), std::string::npos) << it;
        EXPECT_NE(it.find("di al più " + std::to_string(nome_lungo.size() - 1) + " byte"), std::string::npos) << it;
    }
}

}  // namespace
}  // namespace compattatore
