// inspect: reports what compiled scenario files hold.
//
// A file that is not one this system writes gives one error line on
// standard error; the others are still reported, and the exit status is 2.
#include <filesystem>
#include <vector>

#include "cli/cli.hpp"
#include "cli/comandi.hpp"
#include "cli/inspect.hpp"
#include "cli/lingua.hpp"
#include "cli/messaggi.hpp"

namespace compattatore::cli {

namespace {

constexpr Opzione opzioni_inspect[] = {
    {"--json", "", "", messaggi::aiuto_opz_json_documento},
    opzione_lingua,
};

int esegui_inspect(const Argomenti& a, std::ostream& out, std::ostream& err) {
    if (a.posizionali.empty()) throw ErroreUso("inspect", Messaggio(messaggi::uso_inspect));
    const Lingua l = lingua_scelta("inspect", a);
    const std::vector<Ispezione> ispezioni =
        ispeziona(std::vector<std::filesystem::path>(a.posizionali.begin(), a.posizionali.end()));
    bool guasti = false;
    for (const Ispezione& i : ispezioni) {
        if (i.letto()) continue;
        err << "compattatore-cli: " << i.errore.in(l) << '\n';
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
    messaggi::aiuto_inspect_sintesi,
    opzioni_inspect,
    messaggi::aiuto_inspect_testa,
    messaggi::aiuto_inspect_coda,
    esegui_inspect,
};

}  // namespace compattatore::cli
