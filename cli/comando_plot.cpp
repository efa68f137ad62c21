// plot: a scenario drawn as one SVG file, from its descriptions (compiled in
// memory as compile does) or from its compiled files.
#include <filesystem>

#include "cli/carica.hpp"
#include "cli/cli.hpp"
#include "cli/comandi.hpp"
#include "cli/file_scenario.hpp"
#include "cli/plot.hpp"
#include "cli/sorveglia.hpp"
#include "platform/ambiente_file.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

constexpr Opzione opzioni_plot[] = {
    {"", "-o", "FILE", "the SVG file to write (required)"},
    {opzione_percorso.nome, "", opzione_percorso.valore, "the route name, when LINE is not named ROUTE_linea.txt"},
    {opzione_treno.nome, "", opzione_treno.valore, "the train number, when TRAIN is not named ROUTE_NUMBER-.txt"},
    {"--from-files", "", "", "draw the plan, entry and track files given"},
    opzione_sorveglia,
};

void scrivi_svg(const fs::path& p, const std::string& svg) {
    sostituisci_file(p, [&](Uscita& u) { u.scrivi(svg.data(), svg.size()); });
}

int da_descrizioni(const Argomenti& a, const fs::path& uscita, std::ostream& err) {
    const Compilazione c = carica_descrizioni("plot", a, 1);
    stampa_testo(c.rapporto, err);
    if (!c.tabelle_complete()) {
        err << "compattatore-cli: nothing to draw\n";
        return esito_rifiutato;
    }
    const Scenario& s = c.scenario;
    scrivi_svg(uscita, disegna_scenario(&s.planimetria, s.voci, s.percorso));
    return c.rapporto.rifiutato ? esito_rifiutato : esito_pulito;
}

int da_file(const Argomenti& a, const fs::path& uscita) {
    const Planimetria plan = carica_planimetria(a.posizionali[0]);
    const Voci voci = carica_voci(a.posizionali[1]);
    const std::vector<Cella> celle =
        carica_percorso(a.posizionali[2], NomiGara{voci[indice_voce::linea].nome, voci[indice_voce::treno].nome});
    scrivi_svg(uscita, disegna_scenario(&plan, voci, celle));
    return esito_pulito;
}

int esegui_plot(const Argomenti& a, std::ostream&, std::ostream& err) {
    const std::optional<std::string> uscita = a.valore("-o");
    const bool da_compilati = a.ha("--from-files");
    if (!uscita) throw ErroreUso("plot", "plot needs -o FILE.svg");
    if (da_compilati && a.posizionali.size() != 3) throw ErroreUso("plot", "plot --from-files needs PLAN, ENTRY and TRACK");
    if (!da_compilati && a.posizionali.size() != 2) throw ErroreUso("plot", "plot needs LINE and TRAIN");
    if (da_compilati && (a.ha(opzione_percorso.nome) || a.ha(opzione_treno.nome))) {
        throw ErroreUso("plot", "--route and --train go with LINE and TRAIN, not --from-files");
    }
    return da_compilati ? da_file(a, *uscita) : da_descrizioni(a, *uscita, err);
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
    "inspect checks them).\n",
    "Exit status: 0 drawn, 1 drawn from descriptions with problems (or not drawn\n"
    "after a numbered error stop), 2 a usage, file or decoding error.\n",
    esegui_plot,
};

}  // namespace compattatore::cli
