// The round trip: compiled tables -> description texts -> compile -> the
// same bytes, on the embedded scenario, on generated lines of many lengths
// and on every clean case of the fuzz corpora.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "bench/genera_scenario.hpp"
#include "decompila/decompila.hpp"
#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "describe/identita.hpp"
#include "output/decodifica.hpp"

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
    e.problemi = d.problemi;
    const Compilato secondo = compila_testi(d.linea, d.treno, d.nome_percorso, d.numero_treno, j);
    const Byte ottenuti = serializza(secondo.scenario);
    e.esatto = d.esatto() && ottenuti == attesi && !secondo.rifiutato && secondo.arresto == 0;
    if (d.esatto() && !e.esatto) e.problemi.push_back("decompile said exact, the bytes differ");
    return e;
}

TEST(Ritorno, ScenarioIncorporato) {
    for (std::int32_t j : {1, 0}) {
        const Esito e = ritorno(testo_linea(), testo_treno(), j);
        EXPECT_TRUE(e.esatto) << (e.problemi.empty() ? "" : e.problemi.front());
    }
}

}  // namespace
}  // namespace compattatore::decompila
