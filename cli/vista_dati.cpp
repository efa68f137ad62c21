#include "cli/vista_dati.hpp"

#include <cmath>
#include <cstdlib>

#include "cli/carica.hpp"
#include "cli/cli.hpp"
#include "cli/file_scenario.hpp"

namespace compattatore::cli {

namespace {

std::optional<double> chilometri(std::string_view comando, const Argomenti& a, const Opzione& o) {
    const std::optional<std::string> v = a.valore(o.nome);
    if (!v) return std::nullopt;
    char* fine = nullptr;
    const double k = std::strtod(v->c_str(), &fine);
    if (v->empty() || fine != v->c_str() + v->size() || !std::isfinite(k) || k < 0 || k > 1100) {
        throw ErroreUso(std::string(comando), std::string(o.nome) + " needs a kilometre from 0 to 1100, not \"" + *v + "\"");
    }
    return k * 1000;
}

void verifica(std::string_view comando, const Argomenti& a) {
    const std::string c(comando);
    const bool da_compilati = a.ha("--from-files");
    if (!a.valore("-o")) throw ErroreUso(c, c + " needs -o FILE" + (comando == "view" ? ".html" : ".svg"));
    if (da_compilati && a.posizionali.size() != 3) throw ErroreUso(c, c + " --from-files needs PLAN, ENTRY and TRACK");
    if (!da_compilati && a.posizionali.size() != 2) throw ErroreUso(c, c + " needs LINE and TRAIN");
    if (da_compilati && (a.ha(opzione_percorso.nome) || a.ha(opzione_treno.nome))) {
        throw ErroreUso(c, "--route and --train go with LINE and TRAIN, not --from-files");
    }
}

}  // namespace

std::optional<Disegnabile> carica_disegnabile(std::string_view comando, const Argomenti& a, std::ostream& err,
                                              int& esito) {
    verifica(comando, a);
    OpzioniDisegno o;
    o.da = chilometri(comando, a, opzione_da);
    o.a = chilometri(comando, a, opzione_a);
    if (o.da && o.a && *o.a <= *o.da) throw ErroreUso(std::string(comando), "--to must lie after --from");
    Disegnabile d;
    if (a.ha("--from-files")) {
        d.planimetria = carica_planimetria(a.posizionali[0]);
        d.voci = carica_voci(a.posizionali[1]);
        d.percorso = carica_percorso(a.posizionali[2],
                                     NomiGara{d.voci[indice_voce::linea].nome, d.voci[indice_voce::treno].nome});
        d.opzioni = o;
        d.esito = esito_pulito;
        return d;
    }
    Compilazione c = carica_descrizioni(comando, a, 1);
    stampa_testo(c.rapporto, err);
    if (!c.tabelle_complete()) {
        err << "compattatore-cli: nothing to draw\n";
        esito = esito_rifiutato;
        return std::nullopt;
    }
    for (const Diagnostica& g : c.rapporto.diagnostiche) {
        if (g.avviso()) continue;
        o.avviso = (c.rapporto.rifiutato ? "Refused, drawn as far as it was read: " : "Problems found: ") +
                   riga_diagnostica(c.rapporto, g);
        break;
    }
    if (o.avviso.empty() && !c.rapporto.diagnostiche.empty()) {
        o.avviso = "Warnings: " + riga_diagnostica(c.rapporto, c.rapporto.diagnostiche.front());
    }
    d.planimetria = std::move(c.scenario.planimetria);
    d.voci = c.scenario.voci;
    d.percorso = std::move(c.scenario.percorso);
    d.opzioni = o;
    d.nome_linea = a.posizionali[0];
    d.nome_treno = a.posizionali[1];
    d.testo_linea = leggi_ingresso(a.posizionali[0], massimo_descrizione);
    d.testo_treno = leggi_ingresso(a.posizionali[1], massimo_descrizione);
    d.esito = c.rapporto.rifiutato ? esito_rifiutato : esito_pulito;
    return d;
}

}  // namespace compattatore::cli
