#include "cli/vista_dati.hpp"

#include <cmath>
#include <filesystem>
#include <vector>
#include <cstdlib>

#include "cli/carica.hpp"
#include "cli/cli.hpp"
#include "cli/file_scenario.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"

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
    // The drawing is never written over one of its inputs.
    if (*a.valore("-o") != "-") {
        verifica_non_ingresso(*a.valore("-o"), std::vector<std::filesystem::path>(a.posizionali.begin(), a.posizionali.end()));
    }
}

template <class T>
T decodificato(const std::filesystem::path& p, Decodifica<T> d) {
    if (!d) throw FileIllegibile(p.string() + ": " + d.errore().messaggio.en());
    return std::move(d.tabella());
}

// The three compiled files in any order, each told by its content as inspect
// tells it, and read (within its kind's limit) as soon as it is told.
void carica_compilati(const Argomenti& a, std::string_view comando, Disegnabile& d) {
    std::optional<std::filesystem::path> file[3];
    std::string byte[3];
    const char* nomi[3] = {"plan", "entry", "track"};
    for (const std::string& f : a.posizionali) {
        const TipoFile t = tipo_di(f);
        const auto k = static_cast<std::size_t>(t);
        if (file[k]) {
            throw ErroreUso(std::string(comando), f + ": a second " + nomi[k] + " file (the first is " + file[k]->string() + ")");
        }
        file[k] = f;
        byte[k] = leggi_binario(f, t);
    }
    for (std::size_t k = 0; k < 3; ++k) {
        if (!file[k]) throw ErroreUso(std::string(comando), std::string(comando) + " --from-files needs a " + nomi[k] + " file");
    }
    constexpr auto p = static_cast<std::size_t>(TipoFile::planimetria);
    constexpr auto v = static_cast<std::size_t>(TipoFile::voci);
    constexpr auto c = static_cast<std::size_t>(TipoFile::percorso);
    d.planimetria = decodificato(*file[p], decodifica_planimetria(byte[p]));
    d.voci = decodificato(*file[v], decodifica_voci(byte[v]));
    d.percorso = decodificato(*file[c], decodifica_percorso(byte[c], NomiGara{d.voci[indice_voce::linea].nome,
                                                                              d.voci[indice_voce::treno].nome}));
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
        carica_compilati(a, comando, d);
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
