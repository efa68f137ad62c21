// plot: a scenario drawn as one SVG file, from its descriptions (compiled in
// memory as compile does) or from its compiled files.
#include <filesystem>
#include <optional>
#include <vector>

#include "cli/carica.hpp"
#include "cli/cli.hpp"
#include "cli/comandi.hpp"
#include "cli/lingua.hpp"
#include "cli/messaggi.hpp"
#include "cli/file_scenario.hpp"
#include "cli/plot.hpp"
#include "cli/vista_dati.hpp"
#include "cli/sorveglia.hpp"
#include "platform/ambiente_file.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

constexpr Opzione opzioni_plot[] = {
    {"", "-o", "FILE", messaggi::aiuto_opz_svg},
    {opzione_percorso.nome, "", opzione_percorso.valore, messaggi::aiuto_opz_percorso_da_linea},
    {opzione_treno.nome, "", opzione_treno.valore, messaggi::aiuto_opz_treno_da_nome},
    {"--from-files", "", "", messaggi::aiuto_opz_da_file_plot},
    {opzione_da.nome, "", opzione_da.valore, opzione_da.aiuto},
    {opzione_a.nome, "", opzione_a.valore, opzione_a.aiuto},
    opzione_sorveglia,
    opzione_lingua,
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
    messaggi::aiuto_plot_sintesi,
    opzioni_plot,
    messaggi::aiuto_plot_testa,
    messaggi::aiuto_plot_coda,
    esegui_plot,
};

}  // namespace compattatore::cli
