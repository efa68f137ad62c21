#include "formato/nomi_file.hpp"

#include <gtest/gtest.h>

namespace compattatore {
namespace {

TEST(NomiFile, EveryFileOfTheScenario) {
    struct Caso {
        File file;
        const char* atteso;
    };
    const Caso casi[] = {
        {File::descrizione_linea, "Valmora PR_Valmora PF_linea.txt"},
        {File::descrizione_treno, "Valmora PR_Valmora PF_5286-.txt"},
        {File::note, "Valmora PR_Valmora PF_5286_note.txt"},
        {File::rallentamenti, "Valmora PR_Valmora PF_5286_rallentamenti.txt"},
        {File::scheda_treno, "Valmora PR_Valmora PF_5286_scheda_treno.txt"},
        {File::planimetria, "Valmora PR_Valmora PF_linea.dat"},
        {File::voci, "Valmora PR_Valmora PF_5286.sim"},
        {File::percorso, "Valmora PR_Valmora PF_5286.dat"},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(nome_file(c.file, "Valmora PR_Valmora PF", "5286"), c.atteso);
    }
}

TEST(NomiFile, ComposedFromTheGivenRouteAndTrain) {
    EXPECT_EQ(nome_file(File::descrizione_linea, "A", "7"), "A_linea.txt");
    EXPECT_EQ(nome_file(File::descrizione_treno, "A", "7"), "A_7-.txt");
    EXPECT_EQ(nome_file(File::scheda_treno, "A", "7"), "A_7_scheda_treno.txt");
    EXPECT_EQ(nome_file(File::percorso, "A", "7"), "A_7.dat");
}

}  // namespace
}  // namespace compattatore
