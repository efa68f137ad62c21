#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "documents/dati_note.hpp"
#include "documents/dati_rallentamenti.hpp"
#include "documents/dati_scheda.hpp"
#include "formato/nomi_file.hpp"
#include "tests/documents/controlli_documenti.hpp"
#include "tests/driver/ambiente_memoria.hpp"

namespace compattatore::prova {
namespace {

struct CasoDocumento {
    const char* nome;
    void (*scrivi)(Ambiente&, std::string_view, std::string_view);
    File file;
    void (*controlla)(const std::string&);
};

const CasoDocumento documenti[] = {
    {"notes", dati_note, File::note, controlla_note},
    {"slowdown order", dati_rallentamenti, File::rallentamenti, controlla_rallentamenti},
    {"train card", dati_scheda, File::scheda_treno, controlla_scheda},
};

TEST(Documenti, EachWriterWritesOneFileOfItsOwnNameWithItsBytes) {
    for (const CasoDocumento& c : documenti) {
        SCOPED_TRACE(c.nome);
        AmbienteMemoria a;
        c.scrivi(a, "Valmora PR_Valmora PF", "5286");
        const std::string nome = nome_file(c.file, "Valmora PR_Valmora PF", "5286");
        EXPECT_EQ(a.eventi(Evento::Tipo::sostituisci), std::vector<std::string>{nome});
        ASSERT_EQ(a.file.size(), 1u);
        ASSERT_TRUE(a.esiste(nome));
        c.controlla(a.file[nome]);
    }
}

TEST(Documenti, ContentDoesNotDependOnRouteOrTrain) {
    for (const CasoDocumento& c : documenti) {
        SCOPED_TRACE(c.nome);
        AmbienteMemoria a;
        c.scrivi(a, "Valmora PR_Valmora PF", "5286");
        c.scrivi(a, "Altra linea", "42");
        const std::string proprio = a.file[nome_file(c.file, "Valmora PR_Valmora PF", "5286")];
        const std::string altro = nome_file(c.file, "Altra linea", "42");
        ASSERT_TRUE(a.esiste(altro));
        EXPECT_EQ(a.file[altro], proprio);
    }
}

}  // namespace
}  // namespace compattatore::prova
