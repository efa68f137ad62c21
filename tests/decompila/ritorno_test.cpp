// The round trip: compiled tables -> description texts -> compile -> the
// same bytes, on the embedded scenario, on generated lines of many lengths
// and on every clean case of the fuzz corpora.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "bench/genera_scenario.hpp"
#include "decompila/decompila.hpp"
#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "describe/identita.hpp"
#include "decompila/formatta.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"

#ifndef COMPATTATORE_SORGENTI
#define COMPATTATORE_SORGENTI "."
#endif

namespace compattatore::decompila {
namespace {

const std::string percorso_prova(nome_percorso_incorporato);
const std::string treno_prova(numero_treno_incorporato);

// The files of a compile, decoded again as the tool reads them.
Tabelle decodifica(const Byte& b, bool con_planimetria) {
    Tabelle t;
    auto voci = decodifica_voci(b.voci);
    EXPECT_TRUE(voci) << voci.errore().messaggio;
    t.voci = voci.tabella();
    auto percorso = decodifica_percorso(b.percorso);
    EXPECT_TRUE(percorso) << percorso.errore().messaggio;
    t.percorso = percorso.tabella();
    if (con_planimetria) {
        auto plan = decodifica_planimetria(b.planimetria);
        EXPECT_TRUE(plan) << plan.errore().messaggio;
        t.planimetria = plan.tabella();
    }
    return t;
}

struct Esito {
    bool esatto = false;
    std::vector<std::string> problemi;
};

// Compiles the texts, decompiles the files, compiles the decompiled texts and
// compares the bytes.
Esito ritorno(std::string_view linea, std::string_view treno, std::int32_t j) {
    const Compilato primo = compila_testi(linea, treno, percorso_prova, treno_prova, j);
    const Byte attesi = serializza(primo.scenario);
    const Decompilato d = decompila(decodifica(attesi, j != 0));
    Esito e;
    for (const Messaggio& p : d.problemi) e.problemi.push_back(p.en());
    const Compilato secondo = compila_testi(d.linea, d.treno, d.nome_percorso, d.numero_treno, j);
    const Byte ottenuti = serializza(secondo.scenario);
    e.esatto = d.esatto() && ottenuti == attesi && !secondo.rifiutato && secondo.arresto == Stato::nessuno;
    if (d.esatto() && !e.esatto) e.problemi.push_back("decompile said exact, the bytes differ");
    return e;
}

// fmt on both texts: idempotent, and the formatted texts compile to the same
// bytes with the same status as the originals.
bool formato_fedele(std::string_view linea, std::string_view treno, std::int32_t j) {
    const Formattato fl = formatta(linea, TipoDescrizione::linea);
    const Formattato ft = formatta(treno, TipoDescrizione::treno);
    EXPECT_EQ(formatta(fl.testo, TipoDescrizione::linea).testo, fl.testo);
    EXPECT_EQ(formatta(ft.testo, TipoDescrizione::treno).testo, ft.testo);
    const Compilato a = compila_testi(linea, treno, percorso_prova, treno_prova, j);
    const Compilato b = compila_testi(fl.testo, ft.testo, percorso_prova, treno_prova, j);
    const bool uguale = a.stesso_esito(b) && serializza(a.scenario) == serializza(b.scenario);
    EXPECT_TRUE(uguale);
    return uguale;
}

TEST(Ritorno, ScenarioIncorporato) {
    EXPECT_TRUE(formato_fedele(testo_linea(), testo_treno(), 1));
    for (std::int32_t j : {1, 0}) {
        const Esito e = ritorno(testo_linea(), testo_treno(), j);
        EXPECT_TRUE(e.esatto) << (e.problemi.empty() ? "" : e.problemi.front());
    }
}

TEST(Ritorno, LineeGenerate) {
    // Odd lengths among round ones: halves of cells, lengths just past a cell.
    const std::int32_t lunghezze[] = {1000,   1025,   1075,   1999,   2500,   3333,   5000,   7777,   10000,
                                      12345,  20001,  31415,  50000,  65536,  93000,  93025,  93075,  99999,
                                      123457, 150000, 199999, 250000, 333333, 500000, 654321, 777777, 999950,
                                      1000000};
    int provati = 0, identici = 0, formati = 0;
    for (std::int32_t l : lunghezze) {
        const banco::ScenarioGenerato g = banco::genera_scenario(l);
        const Esito e = ritorno(g.linea, g.treno, 1);
        ++provati;
        if (e.esatto) ++identici;
        if (formato_fedele(g.linea, g.treno, 1)) ++formati;
        EXPECT_TRUE(e.esatto) << l << " m: " << (e.problemi.empty() ? "" : e.problemi.front());
    }
    std::printf("generated lines: %d tried, %d identical; fmt: %d identical in bytes and status\n", provati,
                identici, formati);
}

// The fuzz corpora's inputs as their targets split them: line text, 0x00,
// train text, 0x00, options (first byte odd: no plan). Those that compile
// clean must come back byte for byte.
TEST(Ritorno, CorporaDiFuzz) {
    namespace fs = std::filesystem;
    int provati = 0, puliti = 0, identici = 0, formati = 0;
    for (const char* cartella : {"lettura", "compila"}) {
        const fs::path dir = fs::path(COMPATTATORE_SORGENTI) / "fuzz" / "corpus" / cartella;
        if (!fs::is_directory(dir)) continue;
        for (const auto& f : fs::directory_iterator(dir)) {
            std::ifstream in(f.path(), std::ios::binary);
            const std::string dati((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            const std::size_t a = dati.find('\0');
            if (a == std::string::npos) continue;  // no train text
            const std::string linea = dati.substr(0, a);
            std::string treno = dati.substr(a + 1);
            std::int32_t j = 1;
            if (const std::size_t b = treno.find('\0'); b != std::string::npos) {
                const std::string opzioni = treno.substr(b + 1);
                if (!opzioni.empty() && (static_cast<unsigned char>(opzioni[0]) & 1) != 0) j = 0;
                treno.resize(b);
            }
            ++provati;
            if (formato_fedele(linea, treno, j)) ++formati;
            const Compilato c = compila_testi(linea, treno, percorso_prova, treno_prova, j);
            if (c.rifiutato || c.arresto != Stato::nessuno || c.percorso_assente) continue;
            ++puliti;
            const Esito e = ritorno(linea, treno, j);
            if (e.esatto) ++identici;
            EXPECT_TRUE(e.esatto) << f.path() << ": " << (e.problemi.empty() ? "" : e.problemi.front());
        }
    }
    std::printf("fuzz corpora: %d tried, %d compile clean, %d identical; fmt: %d of %d identical in bytes and status\n",
                provati, puliti, identici, formati, provati);
}

// What cannot be turned back into text, in Italian: the numbers and the
// author's words (Windows-1252, shown as UTF-8) in their Italian places.
TEST(Ritorno, ProblemiInItaliano) {
    const Byte b = serializza(compila_testi(testo_linea(), testo_treno(), percorso_prova, treno_prova, 1).scenario);
    struct Caso {
        const char* nome;
        std::function<void(Tabelle&)> modifica;
        std::string it;
    };
    const Caso casi[] = {
        {"a line length out of range", [](Tabelle& t) { t.voci[indice_voce::parametri_treno].fine = -1; },
         "file delle voci, voce 84: la lunghezza della linea, -1 m, è fuori dall'intervallo da 0 a 1000000 m"},
        {"a board text with a comma", [](Tabelle& t) { t.voci[indice_voce::primo_cartello].nome = "Citt\xE0, nord"; },
         "file delle voci, voce 80: il testo del cartello \"Città, nord\" contiene una virgola o un fine riga, cosa "
         "che nessuna descrizione può dare"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Tabelle t = decodifica(b, true);
        c.modifica(t);
        const Decompilato d = decompila(t);
        bool trovato = false;
        for (const Messaggio& m : d.problemi) trovato = trovato || m.in(Lingua::it) == c.it;
        EXPECT_TRUE(trovato) << (d.problemi.empty() ? std::string() : d.problemi.front().in(Lingua::it));
    }
    // fmt's notes: the line apart, the words in Italian.
    const Formattato f = formatta_senza_prova("[generale], 1\r\nlunghezza percorso, 1000\r\n", TipoDescrizione::linea);
    ASSERT_EQ(f.note.size(), 1u);
    EXPECT_EQ(f.note[0].riga, 1u);
    EXPECT_EQ(f.note[0].testo.in(Lingua::it), "l'intestazione divide la riga con altri campi: da qui il testo resta com'è");
    EXPECT_EQ(f.note[0].testo, "the heading shares its line with other fields: the text is left as it stands from here");
}

}  // namespace
}  // namespace compattatore::decompila
