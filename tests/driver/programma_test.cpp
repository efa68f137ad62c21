// The real program, run as a user runs it: copied into a folder of its own and
// started from another current folder. Its files must appear beside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "describe/identita.hpp"
#include "formato/nomi_file.hpp"
#include "tests/documents/controlli_documenti.hpp"
#include "tests/support/cartella_temporanea.hpp"

namespace compattatore::prova {
namespace {

namespace fs = std::filesystem;

std::string contenuto(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void crea(const fs::path& p, const std::string& byte) {
    std::ofstream f(p, std::ios::binary);
    f << byte;
}

std::string nome(File f) { return nome_file(f, nome_percorso_incorporato, numero_treno_incorporato); }

TEST(Programma, WritesTheDocumentsBesideItselfAndReplacesThem) {
#ifdef _WIN32
    GTEST_SKIP() << "runs the console program";
#else
    CartellaTemporanea applicazione;
    CartellaTemporanea corrente;
    const fs::path programma = applicazione.percorso() / "compattatore";
    fs::copy_file(COMPATTATORE_EXE, programma);

    // An earlier, longer notes file, and a file of another scenario.
    crea(applicazione.percorso() / nome(File::note), std::string(9000, 'x'));
    const fs::path altro = applicazione.percorso() / nome_file(File::note, "Altra linea", "42");
    crea(altro, "altro scenario\r\n");

    const std::string comando = "cd '" + corrente.percorso().string() + "' && '" + programma.string() + "' > '" +
                                (corrente.percorso() / "uscita.log").string() + "' 2>&1";
    static_cast<void>(std::system(comando.c_str()));  // the exit status is not checked here

    {
        SCOPED_TRACE("notes");
        controlla_note(contenuto(applicazione.percorso() / nome(File::note)));
    }
    {
        SCOPED_TRACE("slowdown order");
        controlla_rallentamenti(contenuto(applicazione.percorso() / nome(File::rallentamenti)));
    }
    {
        SCOPED_TRACE("train card");
        controlla_scheda(contenuto(applicazione.percorso() / nome(File::scheda_treno)));
    }
    EXPECT_EQ(contenuto(altro), "altro scenario\r\n");

    // Nothing lands in the current folder but the program's console output.
    for (const auto& voce : fs::directory_iterator(corrente.percorso())) {
        EXPECT_EQ(voce.path().filename(), "uscita.log");
    }
#endif
}

}  // namespace
}  // namespace compattatore::prova
