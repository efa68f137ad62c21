// compattatore-cli fmt FILE... [--check] [--in-place]: descriptions in their
// canonical layout.
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "decompila/formatta.hpp"
#include "platform/ambiente_file.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* aiuto_fmt =
    "Usage: compattatore-cli fmt FILE... [--check] [--in-place]\n"
    "\n"
    "Puts line and train descriptions into the canonical layout: one entry per\n"
    "line, fields aligned, comments and sections where they stand. The formatted\n"
    "text compiles to the same files with the same status; where the layout could\n"
    "change the meaning the text is left as it stands, with a note.\n"
    "With one FILE and no option the formatted text goes to standard output.\n"
    "\n"
    "  --check      write nothing; exit status 1 when a file is not formatted\n"
    "  --in-place   rewrite the files that are not formatted\n"
    "A name ending in \"-.txt\" is a train description, \"_linea.txt\" a line\n"
    "description; any other is told by its content.\n";

decompila::TipoDescrizione tipo_di(const fs::path& p, std::string_view testo) {
    const std::string nome = p.filename().string();
    if (nome.ends_with("-.txt")) return decompila::TipoDescrizione::treno;
    if (nome.ends_with("_linea.txt")) return decompila::TipoDescrizione::linea;
    return contiene(testo, "lunghezza") && contiene(testo, "percorso") ? decompila::TipoDescrizione::linea
                                                                       : decompila::TipoDescrizione::treno;
}

}  // namespace

int comando_fmt(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err) {
    bool controlla = false, sul_posto = false;
    std::vector<fs::path> file;
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (a == "--help" || a == "-h") {
            out << aiuto_fmt;
            return esito_pulito;
        }
        if (a == "--check") {
            controlla = true;
        } else if (a == "--in-place") {
            sul_posto = true;
        } else if (a.size() > 1 && a[0] == '-') {
            err << "compattatore-cli: unknown option " << a << "\nTry 'compattatore-cli fmt --help'.\n";
            return esito_uso;
        } else {
            file.emplace_back(a);
        }
    }
    if (file.empty() || (controlla && sul_posto) || (file.size() > 1 && !controlla && !sul_posto)) {
        err << "compattatore-cli: fmt needs one FILE, or FILE... with --check or --in-place (not both)\n";
        return esito_uso;
    }
    int esito = esito_pulito;
    for (const fs::path& p : file) {
        const std::optional<std::string> testo = leggi_file(p, massimo_descrizione);
        if (!testo) {
            err << "compattatore-cli: cannot read " << p.string() << '\n';
            return esito_uso;
        }
        const decompila::Formattato f = decompila::formatta(*testo, tipo_di(p, *testo));
        for (const std::string& n : f.note) err << p.string() << ":" << n.substr(5) << '\n';
        const bool cambia = f.testo != *testo;
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

}  // namespace compattatore::cli
