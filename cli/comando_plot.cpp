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
#include "cli/vista_dati.hpp"
#include "cli/sorveglia.hpp"
#include "platform/ambiente_file.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

constexpr Opzione opzioni_plot[] = {
    {"", "-o", "FILE", "the SVG file to write (required; - for standard output)"},
    {opzione_percorso.nome, "", opzione_percorso.valore, "the route name, when LINE is not named ROUTE_linea.txt"},
    {opzione_treno.nome, "", opzione_treno.valore, "the train number, when TRAIN is not named ROUTE_NUMBER-.txt"},
    {"--from-files", "", "", "draw the plan, entry and track files given"},
    {opzione_da.nome, "", opzione_da.valore, opzione_da.aiuto},
    {opzione_a.nome, "", opzione_a.valore, opzione_a.aiuto},
    opzione_sorveglia,
};

// The SVG into the file p, or on standard output for "-".
void scrivi_svg(const std::string& p, const std::string& svg, std::ostream& out) {
    if (p == "-") {
        out << svg;
        return;
    }
    sostituisci_file(p, [&](Uscita& u) { u.scrivi(svg.data(), svg.size()); });
}

int esegui_plot(const Argomenti& a, std::ostream& out, std::ostream& err) {
    int esito = esito_pulito;
    const std::optional<Disegnabile> d = carica_disegnabile("plot", a, err, esito);
    if (!d) return esito;
    scrivi_svg(*a.valore("-o"), disegna_scenario(&d->planimetria, d->voci, d->percorso, d->opzioni), out);
    return d->esito;
}

}  // namespace

const Comando comando_plot{
    "plot",
    "plot LINE TRAIN",
    "draw the line's map and profiles as an SVG file",
    opzioni_plot,
    "Usage: compattatore-cli plot LINE TRAIN -o FILE.svg [--route NAME] [--train NUMBER] [--from KM] [--to KM]\n"
    "       compattatore-cli plot --from-files PLAN ENTRY TRACK -o FILE.svg [--from KM] [--to KM]\n"
    "\n"
    "Draws a scenario as one self-contained SVG file: the map of the line with its\n"
    "stations, signals and boards, and under it, on a shared kilometre axis, the\n"
    "elevation from the gradients, the speed limit with the slowdowns, the\n"
    "mountain zones, the cab-signal section, the kilometric progressives, and the\n"
    "stations, speed boards, signals and code points. Labels never overlap: where\n"
    "there is no room they are grouped (\"3 boards\", the detail in the tooltip);\n"
    "--from and --to draw one stretch as a detail sheet. A refused or partly read\n"
    "scenario carries a banner naming its first problem.\n"
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
