#include "driver/al_caricamento.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "describe/identita.hpp"
#include "formato/nomi_file.hpp"
#include "tests/documents/controlli_documenti.hpp"
#include "tests/driver/ambiente_memoria.hpp"

namespace compattatore::prova {
namespace {

std::string nome(File f) { return nome_file(f, nome_percorso_incorporato, numero_treno_incorporato); }

// The five text files in the order the run writes them.
std::vector<std::string> testi_in_ordine() {
    return {nome(File::descrizione_linea), nome(File::descrizione_treno), nome(File::note),
            nome(File::rallentamenti), nome(File::scheda_treno)};
}

std::vector<std::string> primi(const std::vector<std::string>& v, std::size_t n) {
    return {v.begin(), v.begin() + static_cast<std::ptrdiff_t>(std::min(n, v.size()))};
}

TEST(Errore, MessageIsTheNumberAfterErroreN) {
    for (const char* numero : {"1250", "1251"}) {
        const std::string atteso = std::string(" Errore n. ") + numero;
        EXPECT_EQ(messaggio_errore(numero), atteso);
        try {
            errore(numero);
            ADD_FAILURE() << "errore returned";
        } catch (const ArrestoNumerato& arresto) {
            EXPECT_EQ(std::string(arresto.what()), atteso);
            EXPECT_EQ(arresto.numero(), numero);
        }
    }
}

TEST(AlCaricamento, ShowsTheWindowThenWritesDescriptionsBeforeDocumentsAndReadsAfterwards) {
    AmbienteMemoria a;
    // An earlier run left longer documents; another scenario shares the folder.
    for (const File f : {File::note, File::rallentamenti, File::scheda_treno}) a.file[nome(f)] = std::string(9000, 'x');
    const std::string altro = nome_file(File::note, "Altra linea", "42");
    a.file[altro] = "altro scenario";

    al_caricamento(a);

    ASSERT_FALSE(a.registro.empty());
    EXPECT_EQ(a.registro.front(), (Evento{Evento::Tipo::finestra, ""}));
    EXPECT_EQ(primi(a.eventi(Evento::Tipo::sostituisci), 5), testi_in_ordine());
    const std::vector<std::string> letti = a.eventi(Evento::Tipo::leggi);
    ASSERT_EQ(primi(letti, 2), primi(testi_in_ordine(), 2));
    EXPECT_GT(a.posizione({Evento::Tipo::leggi, letti.front()}),
              a.posizione({Evento::Tipo::sostituisci, nome(File::scheda_treno)}));

    // Replaced whole: nothing of the longer files remains.
    {
        SCOPED_TRACE("notes");
        controlla_note(a.file[nome(File::note)]);
    }
    {
        SCOPED_TRACE("slowdown order");
        controlla_rallentamenti(a.file[nome(File::rallentamenti)]);
    }
    {
        SCOPED_TRACE("train card");
        controlla_scheda(a.file[nome(File::scheda_treno)]);
    }
    EXPECT_EQ(a.file[altro], "altro scenario");
}

TEST(AlCaricamento, NumberedStopFromTheCompileWritesNoBinaryFile) {
    AmbienteMemoria a;
    // The line description never reaches the folder: the compile has no track
    // to write and stops with the status of the missing text.
    a.scrittura_persa.insert(nome(File::descrizione_linea));
    const std::vector<std::string> binari = {nome(File::planimetria), nome(File::voci), nome(File::percorso)};
    for (const std::string& b : binari) a.file[b] = "earlier run";

    EXPECT_EQ(al_caricamento(a), uscita_errore_numerato);

    EXPECT_EQ(a.eventi(Evento::Tipo::messaggio), std::vector<std::string>{" Errore n. 101"});
    EXPECT_TRUE(a.eventi(Evento::Tipo::guasto).empty());
    EXPECT_EQ(a.eventi(Evento::Tipo::sostituisci), testi_in_ordine());
    for (const std::string& b : binari) EXPECT_EQ(a.file[b], "earlier run") << b;
    for (const File f : {File::note, File::rallentamenti, File::scheda_treno}) EXPECT_TRUE(a.esiste(nome(f)));
}

TEST(AlCaricamento, NumberedStopEndsTheRunAtOnce) {
    AmbienteMemoria a;
    a.prima_di_sostituire = [](const std::string& n) {
        if (n == nome(File::rallentamenti)) errore("1250");
    };

    EXPECT_EQ(al_caricamento(a), uscita_errore_numerato);

    EXPECT_EQ(a.eventi(Evento::Tipo::messaggio), std::vector<std::string>{" Errore n. 1250"});
    EXPECT_TRUE(a.eventi(Evento::Tipo::guasto).empty());
    EXPECT_EQ(a.eventi(Evento::Tipo::sostituisci), primi(testi_in_ordine(), 4));
    EXPECT_TRUE(a.eventi(Evento::Tipo::leggi).empty());
    EXPECT_FALSE(a.esiste(nome(File::scheda_treno)));
}

TEST(AlCaricamento, AFileThatCannotBeWrittenIsReportedAndStopsTheRun) {
    const std::vector<std::string> testi = testi_in_ordine();
    for (std::size_t k = 0; k < testi.size(); ++k) {
        SCOPED_TRACE(testi[k]);
        AmbienteMemoria a;
        a.scrittura_fallisce.insert(testi[k]);
        a.file[testi[k]] = "earlier run";

        EXPECT_EQ(al_caricamento(a), uscita_guasto);

        const std::vector<std::string> guasti = a.eventi(Evento::Tipo::guasto);
        ASSERT_EQ(guasti.size(), 1u);
        EXPECT_NE(guasti[0].find(testi[k]), std::string::npos) << guasti[0];
        EXPECT_TRUE(a.eventi(Evento::Tipo::messaggio).empty());
        EXPECT_EQ(a.eventi(Evento::Tipo::sostituisci), primi(testi, k + 1));
        EXPECT_TRUE(a.eventi(Evento::Tipo::leggi).empty());
        // A document of an earlier run stays; the transient description
        // texts, this run's and any left before, never do.
        if (k >= 2) {
            EXPECT_EQ(a.file[testi[k]], "earlier run");
        }
        EXPECT_FALSE(a.esiste(nome(File::descrizione_linea)));
        EXPECT_FALSE(a.esiste(nome(File::descrizione_treno)));
    }
}

TEST(AlCaricamento, ANumberedStopLeavesNoDescriptionText) {
    AmbienteMemoria a;
    a.prima_di_sostituire = [](const std::string& n) {
        if (n == nome(File::scheda_treno)) errore("1250");
    };
    EXPECT_EQ(al_caricamento(a), uscita_errore_numerato);
    EXPECT_FALSE(a.esiste(nome(File::descrizione_linea)));
    EXPECT_FALSE(a.esiste(nome(File::descrizione_treno)));
}

// The train description is written by the run itself: when it is gone by the
// time it is read, the run stops with the status of a missing text rather
// than write an entry file without stations.
TEST(AlCaricamento, ATrainDescriptionThatVanishesStopsWithNumberedError25) {
    AmbienteMemoria a;
    a.scrittura_persa.insert(nome(File::descrizione_treno));
    const std::vector<std::string> binari = {nome(File::planimetria), nome(File::voci), nome(File::percorso)};
    for (const std::string& b : binari) a.file[b] = "earlier run";

    EXPECT_EQ(al_caricamento(a), uscita_errore_numerato);

    EXPECT_EQ(a.eventi(Evento::Tipo::messaggio), std::vector<std::string>{" Errore n. 25"});
    for (const std::string& b : binari) EXPECT_EQ(a.file[b], "earlier run") << b;
    EXPECT_FALSE(a.esiste(nome(File::descrizione_linea)));
}

TEST(AlCaricamento, ANameTooLongForTheFolderIsRefusedBeforeAnythingIsWritten) {
    AmbienteMemoria a;
    a.lunghezza_massima = nome(File::rallentamenti).size() - 1;
    EXPECT_EQ(al_caricamento(a), uscita_guasto);
    ASSERT_EQ(a.eventi(Evento::Tipo::guasto).size(), 1u);
    EXPECT_NE(a.eventi(Evento::Tipo::guasto)[0].find(nome(File::rallentamenti)), std::string::npos);
    EXPECT_TRUE(a.eventi(Evento::Tipo::sostituisci).empty());
}

// The three binary files are one set: a failure on any of them leaves all
// three of the earlier run.
TEST(AlCaricamento, AFailureOnAnyBinaryFileLeavesTheWholeEarlierSet) {
    const std::vector<std::string> binari = {nome(File::planimetria), nome(File::voci), nome(File::percorso)};
    for (const std::string& guasto : binari) {
        SCOPED_TRACE(guasto);
        AmbienteMemoria a;
        for (const std::string& b : binari) a.file[b] = "earlier run";
        a.scrittura_fallisce.insert(guasto);
        EXPECT_EQ(al_caricamento(a), uscita_guasto);
        for (const std::string& b : binari) EXPECT_EQ(a.file[b], "earlier run") << b;
    }
}

}  // namespace
}  // namespace compattatore::prova
