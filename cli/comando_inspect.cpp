// inspect: reports what compiled scenario files hold.
//
// A file that is not one this system writes gives one error line on
// standard error; the others are still reported, and the exit status is 2.
#include <filesystem>
#include <vector>

#include "cli/cli.hpp"
#include "cli/comandi.hpp"
#include "cli/inspect.hpp"

namespace compattatore::cli {

namespace {

constexpr Opzione opzioni_inspect[] = {
    {"--json", "", "", "print one JSON document instead of the report"},
};

int esegui_inspect(const Argomenti& a, std::ostream& out, std::ostream& err) {
    if (a.posizionali.empty()) throw ErroreUso("inspect", "inspect needs at least one FILE");
    const std::vector<Ispezione> ispezioni =
        ispeziona(std::vector<std::filesystem::path>(a.posizionali.begin(), a.posizionali.end()));
    bool guasti = false;
    for (const Ispezione& i : ispezioni) {
        if (i.letto()) continue;
        err << "compattatore-cli: " << i.errore << '\n';
        guasti = true;
    }
    if (a.ha("--json")) {
        out << "{\"files\":[";
        for (std::size_t k = 0; k < ispezioni.size(); ++k) {
            if (k) out << ',';
            json_ispezione(out, ispezioni[k]);
        }
        out << "]}\n";
    } else {
        bool primo = true;
        for (const Ispezione& i : ispezioni) {
            if (!i.letto()) continue;
            if (!primo) out << '\n';
            testo_ispezione(out, i);
            primo = false;
        }
    }
    return guasti ? esito_uso : esito_pulito;
}

}  // namespace

const Comando comando_inspect{
    "inspect",
    "inspect FILE...",
    "check compiled files and report what they hold",
    opzioni_inspect,
    "Usage: compattatore-cli inspect FILE... [--json]\n"
    "\n"
    "Reads compiled scenario files, checks them and prints what they hold. The\n"
    "kind of each file comes from its content (the marks of the entry and track\n"
    "files), else from its name:\n"
    "  ROUTE_linea.dat      plan file: points, end point, length, turn, extent\n"
    "  ROUTE_NUMBER.sim     entry file: stations, board texts, parameters, codes\n"
    "  ROUTE_NUMBER.dat     track file: every non-empty cell, the profiles as runs\n"
    "The entry file beside a track file (or else the only entry file given) names\n"
    "its stations and board texts, gives the names its competition code is\n"
    "checked against and the line length its number of cells must fit; without\n"
    "one, the names are assumed from the track file's name.\n"
    "Metres of signals, boards and slowdown marks are (cell - 1) x 50, of any\n"
    "other cell cell x 50.\n",
    "Exit status: 0 every file was read, 2 a file is damaged, unreadable, of\n"
    "unknown kind or at odds with another (the others are still reported), or a\n"
    "usage error.\n",
    esegui_inspect,
};

}  // namespace compattatore::cli
