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
#include "cli/lingua.hpp"
#include "cli/messaggi.hpp"
#include "decompila/formatta.hpp"
#include "platform/ambiente_file.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

constexpr Opzione opzioni_fmt[] = {
    {"--check", "", "", messaggi::aiuto_opz_controlla_fmt},
    {"--in-place", "", "", messaggi::aiuto_opz_sul_posto},
    opzione_lingua,
};

decompila::TipoDescrizione tipo_di(const fs::path& p, std::string_view testo) {
    const std::string nome = p.filename().string();
    if (nome.ends_with("-.txt")) return decompila::TipoDescrizione::treno;
    if (nome.ends_with("_linea.txt")) return decompila::TipoDescrizione::linea;
    return contiene(testo, "lunghezza") && contiene(testo, "percorso") ? decompila::TipoDescrizione::linea
                                                                       : decompila::TipoDescrizione::treno;
}

// A note of the formatter as "PATH:N: ...", or "PATH: ..." when it has no line.
std::string nota_di(const fs::path& p, const decompila::Nota& n, Lingua l) {
    std::string r = p.string();
    if (n.riga > 0) (r += ':') += std::to_string(n.riga);
    return (r += ": ") += n.testo.in(l);
}

int esegui_fmt(const Argomenti& a, std::ostream& out, std::ostream& err) {
    const bool controlla = a.ha("--check");
    const bool sul_posto = a.ha("--in-place");
    const std::vector<fs::path> file(a.posizionali.begin(), a.posizionali.end());
    if (file.empty() || (controlla && sul_posto) || (file.size() > 1 && !controlla && !sul_posto)) {
        throw ErroreUso("fmt", Messaggio(messaggi::uso_fmt));
    }
    const Lingua l = lingua_scelta("fmt", a);
    int esito = esito_pulito;
    for (const fs::path& p : file) {
        const std::string testo = leggi_ingresso(p, massimo_descrizione);
        const decompila::Formattato f = decompila::formatta(testo, tipo_di(p, testo));
        for (const decompila::Nota& n : f.note) err << nota_di(p, n, l) << '\n';
        const bool cambia = f.testo != testo;
        if (controlla) {
            if (cambia) {
                err << Messaggio(messaggi::cli_non_formattato, p.string()).in(l) << '\n';
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
    messaggi::aiuto_fmt_sintesi,
    opzioni_fmt,
    messaggi::aiuto_fmt_testa,
    messaggi::aiuto_fmt_coda,
    esegui_fmt,
};

}  // namespace compattatore::cli
