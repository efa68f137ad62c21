// view: a scenario as one self-contained, interactive HTML page, from its
// descriptions (compiled in memory as compile does) or its compiled files.
#include "cli/cli.hpp"
#include "cli/carica.hpp"
#include "cli/comandi.hpp"
#include "cli/testo.hpp"
#include "cli/vista_dati.hpp"
#include "cli/vista_json.hpp"
#include "cli/vista_pagina.hpp"
#include "platform/ambiente_file.hpp"

namespace compattatore::cli {

namespace {

constexpr Opzione opzioni_view[] = {
    {"", "-o", "FILE", "the HTML file to write (required)"},
    {opzione_percorso.nome, "", opzione_percorso.valore, "the route name, when LINE is not named ROUTE_linea.txt"},
    {opzione_treno.nome, "", opzione_treno.valore, "the train number, when TRAIN is not named ROUTE_NUMBER-.txt"},
    {"--from-files", "", "", "show the plan, entry and track files given"},
    {opzione_da.nome, "", opzione_da.valore, "the first kilometre in view when the page opens"},
    {opzione_a.nome, "", opzione_a.valore, "the last kilometre in view when the page opens"},
};

int esegui_view(const Argomenti& a, std::ostream&, std::ostream& err) {
    int esito = esito_pulito;
    const std::optional<Disegnabile> d = carica_disegnabile("view", a, err, esito);
    if (!d) return esito;
    const std::string titolo = utf8_da_1252(d->voci[indice_voce::linea].nome) + ", train " +
                               utf8_da_1252(d->voci[indice_voce::treno].nome);
    const std::string pagina = pagina_vista(titolo, dati_vista(*d));
    sostituisci_file(*a.valore("-o"), [&](Uscita& u) { u.scrivi(pagina.data(), pagina.size()); });
    return d->esito;
}

}  // namespace

const Comando comando_view{
    "view",
    "view LINE TRAIN",
    "show the line's map and profiles as an interactive HTML page",
    opzioni_view,
    "Usage: compattatore-cli view LINE TRAIN -o FILE.html [--route NAME] [--train NUMBER] [--from KM] [--to KM]\n"
    "       compattatore-cli view --from-files PLAN ENTRY TRACK -o FILE.html [--from KM] [--to KM]\n"
    "\n"
    "Writes one self-contained HTML page (no external script, font or request)\n"
    "with the map of the line and, on a shared kilometre axis, the elevation, the\n"
    "speed limit with the slowdowns, the mountain zones, the cab-signal section,\n"
    "the kilometric progressives, and the stations, boards, signals and code\n"
    "points. The mouse wheel, dragging and the keys + - left right Home pan and\n"
    "zoom; the cursor on the profiles shows its point on the map; hovering a\n"
    "feature tells what it is and the file:line of its entry (features read from\n"
    "compiled files have no line); the search box finds a station or a kilometre.\n"
    "\n"
    "The first form compiles the descriptions in memory, as compile does, and\n"
    "reports what it finds as compile does; the page then carries a banner naming\n"
    "the first problem. The second form shows compiled files.\n",
    "Exit status: 0 written, 1 written from descriptions with problems (or not\n"
    "written after a numbered error stop), 2 a usage, file or decoding error.\n",
    esegui_view,
};

}  // namespace compattatore::cli
