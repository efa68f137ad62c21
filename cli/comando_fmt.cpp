// compattatore-cli fmt FILE... [--check] [--in-place]: descriptions in their
// canonical layout.
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/carica.hpp"
#include "cli/cli.hpp"
#include "cli/comandi.hpp"
#include "decompila/formatta.hpp"
#include "platform/ambiente_file.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

constexpr Opzione opzioni_fmt[] = {
    {"--check", "", "", "write nothing; exit status 1 when a file is not formatted"},
    {"--in-place", "", "", "rewrite the files that are not formatted"},
};

decompila::TipoDescrizione tipo_di(const fs::path& p, std::string_view testo) {
    const std::string nome = p.filename().string();
    if (nome.ends_with("-.txt")) return decompila::TipoDescrizione::treno;
    if (nome.ends_with("_linea.txt")) return decompila::TipoDescrizione::linea;
    return contiene(testo, "lunghezza") && contiene(testo, "percorso") ? decompila::TipoDescrizione::linea
                                                                       : decompila::TipoDescrizione::treno;
}

int esegui_fmt(const Argomenti& a, std::ostream& out, std::ostream& err) {
    const bool controlla = a.ha("--check");
    const bool sul_posto = a.ha("--in-place");
    const std::vector<fs::path> file(a.posizionali.begin(), a.posizionali.end());
    if (file.empty() || (controlla && sul_posto) || (file.size() > 1 && !controlla && !sul_posto)) {
        throw ErroreUso("fmt", "fmt needs one FILE, or FILE... with --check or --in-place (not both)");
    }
    int esito = esito_pulito;
    for (const fs::path& p : file) {
        const std::string testo = leggi_ingresso(p, massimo_descrizione);
        const decompila::Formattato f = decompila::formatta(testo, tipo_di(p, testo));
        for (const decompila::Nota& n : f.note) err << p.string() << ":" << n.riga << ": " << n.testo.en() << '\n';
        const bool cambia = f.testo != testo;
        if (controlla) {
            if (cambia) {
                err << p.string() << ": not formatted\n";
                esito = esito_rifiutato;
            }
        } else if (sul_posto) {
            if (cambia) sostituisci_file(p, [&](Uscita& u) { u.scrivi(f.testo.data(), f.testo.size()); });
        } else {
            out << f.testo;
        }
    }
    return esito;
}

}  // namespace

const Comando comando_fmt{
    "fmt",
    "fmt FILE...",
    "put descriptions into the canonical layout",
    opzioni_fmt,
    "Usage: compattatore-cli fmt FILE... [--check] [--in-place]\n"
    "\n"
    "Puts line and train descriptions into the canonical layout: one entry per\n"
    "line, fields aligned, comments and sections where they stand. The formatted\n"
    "text compiles to the same files with the same status; where the layout could\n"
    "change the meaning the text is left as it stands, with a note.\n"
    "With one FILE and no option the formatted text goes to standard output.\n",
    "A name ending in \"-.txt\" is a train description, \"_linea.txt\" a line\n"
    "description; any other is told by its content.\n",
    esegui_fmt,
};

}  // namespace compattatore::cli
