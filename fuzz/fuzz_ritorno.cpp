// The round trip on any input split as in fuzz_compila: when the two texts
// compile clean, their files are decompiled, the decompiled texts must say
// they are exact and compile to the same bytes; fmt of each text must be
// idempotent and compile to the same bytes with the same status.
#include <cstdint>
#include <string>

#include "decompila/decompila.hpp"
#include "decompila/formatta.hpp"
#include "fuzz/comune.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"

namespace {

using namespace compattatore;
using namespace compattatore::decompila;
using compattatore::fuzz::verifica;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const fuzz::Parti p = fuzz::dividi(dati, n);
    if (!p.treno) return 0;
    const std::int32_t j = (!p.opzioni.empty() && (static_cast<unsigned char>(p.opzioni[0]) & 1) != 0) ? 0 : 1;
    const Compilato c = compila_testi(p.linea, *p.treno, "Prova", "1", j);

    const Formattato fl = formatta(p.linea, TipoDescrizione::linea);
    const Formattato ft = formatta(*p.treno, TipoDescrizione::treno);
    verifica(formatta(fl.testo, TipoDescrizione::linea).testo == fl.testo, "fmt is idempotent on the line text");
    verifica(formatta(ft.testo, TipoDescrizione::treno).testo == ft.testo, "fmt is idempotent on the train text");
    const Compilato f = compila_testi(fl.testo, ft.testo, "Prova", "1", j);
    verifica(c.stesso_esito(f), "the formatted texts compile with the same status");
    const Byte attesi = serializza(c.scenario);
    verifica(serializza(f.scenario) == attesi, "the formatted texts compile to the same bytes");

    if (c.rifiutato || c.arresto != Stato::nessuno || c.percorso_assente) return 0;
    Tabelle t;
    auto voci = decodifica_voci(attesi.voci);
    auto percorso = decodifica_percorso(attesi.percorso);
    verifica(voci && percorso, "the files of a clean compile decode");
    t.voci = voci.tabella();
    t.percorso = percorso.tabella();
    if (j != 0) {
        auto plan = decodifica_planimetria(attesi.planimetria);
        verifica(static_cast<bool>(plan), "the plan of a clean compile decodes");
        t.planimetria = plan.tabella();
    }
    const Decompilato d = decompila::decompila(t);
    verifica(d.esatto(), "the files of a clean compile decompile exactly");
    const Compilato r = compila_testi(d.linea, d.treno, d.nome_percorso, d.numero_treno, j);
    verifica(!r.rifiutato && r.arresto == Stato::nessuno, "the decompiled texts compile clean");
    verifica(serializza(r.scenario) == attesi, "the decompiled texts compile to the same bytes");
    return 0;
}
