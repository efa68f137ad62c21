// plot: a scenario drawn as one SVG file, from its descriptions (compiled in
// memory as compile does) or from its compiled files.
#include <filesystem>
#include <optional>
#include <vector>

#include "cli/carica.hpp"
#include "cli/cli.hpp"
#include "cli/comandi.hpp"
#include "cli/file_scenario.hpp"
#include "cli/plot.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"
#include "platform/ambiente_file.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

constexpr Opzione opzioni_plot[] = {
    {"", "-o", "FILE", "the SVG file to write (required; - for standard output)"},
    {opzione_percorso.nome, "", opzione_percorso.valore, "the route name, when LINE is not named ROUTE_linea.txt"},
    {opzione_treno.nome, "", opzione_treno.valore, "the train number, when TRAIN is not named ROUTE_NUMBER-.txt"},
    {"--from-files", "", "", "draw the plan, entry and track files given"},
};

// The SVG into the file p, or on standard output for "-".
void scrivi_svg(const std::string& p, const std::string& svg, std::ostream& out) {
    if (p == "-") {
        out << svg;
        return;
    }
    sostituisci_file(p, [&](Uscita& u) { u.scrivi(svg.data(), svg.size()); });
}

int da_descrizioni(const Argomenti& a, const std::string& uscita, std::ostream& out, std::ostream& err) {
    const Compilazione c = carica_descrizioni("plot", a, 1);
    stampa_testo(c.rapporto, err);
    if (!c.tabelle_complete()) {
        err << "compattatore-cli: nothing to draw\n";
        return esito_rifiutato;
    }
    const Scenario& s = c.scenario;
    scrivi_svg(uscita, disegna_scenario(&s.planimetria, s.voci, s.percorso), out);
    return c.rapporto.rifiutato ? esito_rifiutato : esito_pulito;
}

template <class T>
T decodificato(const fs::path& p, Decodifica<T> d) {
    if (!d) throw FileIllegibile(p.string() + ": " + d.errore().messaggio);
    return std::move(d.tabella());
}

// The three files in any order, each told by its content as inspect tells
// it, and read (within its kind's limit) as soon as it is told.
int da_file(const Argomenti& a, const std::string& uscita, std::ostream& out) {
    std::optional<fs::path> file[3];
    std::string byte[3];
    const char* nomi[3] = {"plan", "entry", "track"};
    for (const std::string& f : a.posizionali) {
        const TipoFile t = tipo_di(f);
        const auto k = static_cast<std::size_t>(t);
        if (file[k]) throw ErroreUso("plot", f + ": a second " + nomi[k] + " file (the first is " + file[k]->string() + ")");
        file[k] = f;
        byte[k] = leggi_binario(f, t);
    }
    for (std::size_t k = 0; k < 3; ++k) {
        if (!file[k]) throw ErroreUso("plot", std::string("plot --from-files needs a ") + nomi[k] + " file");
    }
    constexpr auto p = static_cast<std::size_t>(TipoFile::planimetria);
    constexpr auto v = static_cast<std::size_t>(TipoFile::voci);
    constexpr auto c = static_cast<std::size_t>(TipoFile::percorso);
    const Planimetria plan = decodificato(*file[p], decodifica_planimetria(byte[p]));
    const Voci voci = decodificato(*file[v], decodifica_voci(byte[v]));
    const std::vector<Cella> celle = decodificato(
        *file[c], decodifica_percorso(byte[c], NomiGara{voci[indice_voce::linea].nome, voci[indice_voce::treno].nome}));
    scrivi_svg(uscita, disegna_scenario(&plan, voci, celle), out);
    return esito_pulito;
}

int esegui_plot(const Argomenti& a, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> uscita = a.valore("-o");
    const bool da_compilati = a.ha("--from-files");
    if (!uscita) throw ErroreUso("plot", "plot needs -o FILE.svg");
    if (da_compilati && a.posizionali.size() != 3) throw ErroreUso("plot", "plot --from-files needs PLAN, ENTRY and TRACK");
    if (!da_compilati && a.posizionali.size() != 2) throw ErroreUso("plot", "plot needs LINE and TRAIN");
    if (da_compilati && (a.ha(opzione_percorso.nome) || a.ha(opzione_treno.nome))) {
        throw ErroreUso("plot", "--route and --train go with LINE and TRAIN, not --from-files");
    }
    if (*uscita != "-") {
        verifica_non_ingresso(*uscita, std::vector<fs::path>(a.posizionali.begin(), a.posizionali.end()));
    }
    return da_compilati ? da_file(a, *uscita, out) : da_descrizioni(a, *uscita, out, err);
}

}  // namespace

const Comando comando_plot{
    "plot",
    "plot LINE TRAIN",
    "draw the line's map and profiles as an SVG file",
    opzioni_plot,
    "Usage: compattatore-cli plot LINE TRAIN -o FILE.svg [--route NAME] [--train NUMBER]\n"
    "       compattatore-cli plot --from-files PLAN ENTRY TRACK -o FILE.svg\n"
    "\n"
    "Draws a scenario as one self-contained SVG file: the map of the line with its\n"
    "stations, signals and boards, and under it, on a shared kilometre axis, the\n"
    "elevation from the gradients, the speed limit with the slowdowns, and the\n"
    "stations, signals and code points.\n"
    "\n"
    "The first form compiles the line and train descriptions in memory, as compile\n"
    "does, and writes no file but the SVG; the problems it finds are reported as\n"
    "compile reports them. The second form draws compiled files (checked as\n"
    "inspect checks them; their kinds are told by their content, so they may come\n"
    "in any order).\n",
    "Exit status: 0 drawn, 1 drawn from descriptions with problems (or not drawn\n"
    "after a numbered error stop), 2 a usage, file or decoding error.\n",
    esegui_plot,
};

}  // namespace compattatore::cli
