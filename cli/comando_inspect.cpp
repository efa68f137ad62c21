// inspect: reports what compiled scenario files hold.
//
// A file that is not one this system writes gives one error line and exit
// status 2; nothing is printed for the others then.
#include <sstream>

#include "cli/cli.hpp"
#include "cli/comandi.hpp"
#include "cli/inspect.hpp"

namespace compattatore::cli {

namespace {

constexpr Opzione opzioni_inspect[] = {
    {"--json", "", "", "print one JSON document instead of the report"},
};

int esegui_inspect(const Argomenti& a, std::ostream& out, std::ostream&) {
    if (a.posizionali.empty()) throw ErroreUso("inspect", "inspect needs at least one FILE");
    std::vector<Ispezione> ispezioni;
    for (const std::string& p : a.posizionali) ispezioni.push_back(ispeziona(p));
    std::ostringstream testo;
    if (a.ha("--json")) {
        testo << "{\"files\":[";
        for (std::size_t k = 0; k < ispezioni.size(); ++k) {
            if (k) testo << ',';
            json_ispezione(testo, ispezioni[k]);
        }
        testo << "]}\n";
    } else {
        for (std::size_t k = 0; k < ispezioni.size(); ++k) {
            if (k) testo << '\n';
            testo_ispezione(testo, ispezioni[k]);
        }
    }
    out << testo.str();
    return esito_pulito;
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
    "kind of each file comes from its name:\n"
    "  ROUTE_linea.dat      plan file: points, end point, length, turn, extent\n"
    "  ROUTE_NUMBER.sim     entry file: stations, board texts, parameters, codes\n"
    "  ROUTE_NUMBER.dat     track file: every non-empty cell, the profiles as runs\n"
    "The entry file beside a track file names its stations and board texts and\n"
    "gives the names its competition code is checked against.\n"
    "Metres of signals, boards and slowdown marks are (cell - 1) x 50, of any\n"
    "other cell cell x 50.\n",
    "Exit status: 0 every file was read, 2 a file is damaged, unreadable or of\n"
    "unknown kind, or a usage error.\n",
    esegui_inspect,
};

}  // namespace compattatore::cli
