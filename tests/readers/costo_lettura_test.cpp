// The cost of reading is linear in the size of the text: hostile shapes of
// several megabytes (one endless field, endless separators, endless comment
// fields, endless entries of one kind, an endless number) are read, refused
// or stopped well within a second or two; a reading step that went over each
// field or entry again for every other one would take hours on them.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "fuzz/comune.hpp"
#include "output/compila.hpp"

namespace compattatore {
namespace {

constexpr std::size_t dimensione = 4u << 20;  // bytes of each hostile text

std::string ripeti(const std::string& pezzo, std::size_t byte = dimensione) {
    std::string t;
    t.reserve(byte + pezzo.size());
    while (t.size() < byte) t += pezzo;
    return t;
}

const std::string intestazione_linea = "[generale]\r\nlunghezza percorso, 1000000\r\n[fine]\r\n";
const std::string linea_breve = "[generale]\r\nlunghezza percorso, 10000\r\n[fine]\r\npendenza, 0, 0\r\n[fine]\r\n";
const std::string treno_breve = "[generale]\r\nvelocita, 0, 100\r\naderenza, 0, 90\r\n[fine]\r\n";

struct Forma {
    const char* nome;
    std::function<std::string()> linea;
    std::function<std::string()> treno;
};

void PrintTo(const Forma& f, std::ostream* os) { *os << f.nome; }

class CostoLettura : public ::testing::TestWithParam<Forma> {};

TEST_P(CostoLettura, AHostileTextOfMegabytesIsDealtWithQuickly) {
    const std::string linea = GetParam().linea();
    const std::string treno = GetParam().treno();
    const auto inizio = std::chrono::steady_clock::now();
    Scenario s;
    s.nome_percorso = "Prova";
    s.numero_treno = "1";
    compila(s, 1, Descrizioni{linea, treno});
    const auto secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    // Linear work on 8 MB takes a fraction of a second, even with the
    // sanitizers; the bound leaves room for a loaded machine.
    EXPECT_LT(secondi, 10.0) << "status " << numero(s.codice_errore);
    EXPECT_TRUE(fuzz::stato_documentato(s.codice_errore)) << numero(s.codice_errore);
}

INSTANTIATE_TEST_SUITE_P(
    Forme, CostoLettura,
    ::testing::Values(
        Forma{"UnCampoSenzaFine", [] { return intestazione_linea + ripeti("pendenzaa"); },
              [] { return "[generale]\r\n" + ripeti("velocitx"); }},
        Forma{"SoloVirgole", [] { return intestazione_linea + ripeti(","); },
              [] { return "[generale]\r\n" + ripeti(","); }},
        Forma{"SoloFineRiga", [] { return "[generale]" + ripeti("\r\n"); }, [] { return ripeti("\n"); }},
        Forma{"CommentiSenzaFine", [] { return "[generale]\r\n" + ripeti("- a -,"); },
              [] { return "[generale]\r\n" + ripeti("-,-,"); }},
        Forma{"SezioneGeneraleSenzaFine", [] { return "[generale]\r\n" + ripeti("sfondo uno, 1\r\n"); },
              [] { return treno_breve; }},
        Forma{"CurveGiaPassate", [] { return intestazione_linea + ripeti("curvas6, 0, 1\r\n"); },
              [] { return treno_breve; }},
        Forma{"CartelliOltreIPosti",
              [] {
                  std::string t = intestazione_linea;
                  for (int p = 100; t.size() < dimensione; p += 100) {
                      t += "cartello_indicatore, " + std::to_string(p) + ", (Cippo)\r\n";
                  }
                  return t;
              },
              [] { return treno_breve; }},
        Forma{"VelocitaSenzaFine", [] { return linea_breve; },
              [] { return "[generale]\r\n" + ripeti("velocita, 0, 100\r\n"); }},
        Forma{"NumeroSenzaFine", [] { return intestazione_linea + "pendenza, " + ripeti("9"); },
              [] { return treno_breve; }},
        Forma{"IntestazioneSenzaFine", [] { return ripeti("[generalx]"); }, [] { return ripeti("[generale"); }}),
    [](const ::testing::TestParamInfo<Forma>& i) { return std::string(i.param.nome); });

}  // namespace
}  // namespace compattatore
