// compile and check: one pair of descriptions through the core, the report,
// and (compile only) the binary files.
#include <filesystem>
#include <functional>
#include <sstream>

#include "cli/carica.hpp"
#include "cli/cli.hpp"
#include "cli/comandi.hpp"
#include "cli/lingua.hpp"
#include "cli/messaggi.hpp"
#include "driver/al_caricamento.hpp"
#include "cli/sorveglia.hpp"
#include "formato/nomi_file.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"
#include "platform/ambiente_file.hpp"
#include "platform/insieme_file.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

constexpr Opzione opzione_senza_planimetria{"--no-plan", "", "", messaggi::aiuto_opz_senza_planimetria};
constexpr Opzione opzione_json{"--json", "", "", messaggi::aiuto_opz_json_rapporto};

constexpr Opzione opzioni_compile[] = {
    {"", "-o", "DIR", messaggi::aiuto_opz_cartella_uscita},
    opzione_percorso,
    opzione_treno,
    opzione_senza_planimetria,
    {"--keep-going", "", "", messaggi::aiuto_opz_prosegui_compile},
    opzione_json,
    opzione_avvisi,
    opzione_senza_avvisi,
    opzione_codifica,
    opzione_sarif,
    opzione_max_errori,
    opzione_colore,
    opzione_sorveglia,
    opzione_lingua,
};

constexpr Opzione opzioni_check[] = {opzione_percorso, opzione_treno,        opzione_senza_planimetria,
                                     opzione_json,     opzione_sarif,        opzione_max_errori,
                                     opzione_colore,   opzione_avvisi,       opzione_senza_avvisi,
                                     opzione_codifica, opzione_sorveglia,    opzione_lingua};

// The names of the binary files a compile writes.
std::vector<std::string> nomi_binari(const Identita& id, bool con_planimetria) {
    std::vector<std::string> nomi;
    if (con_planimetria) nomi.push_back(nome_file(File::planimetria, id.nome_percorso, id.numero_treno));
    nomi.push_back(nome_file(File::voci, id.nome_percorso, id.numero_treno));
    nomi.push_back(nome_file(File::percorso, id.nome_percorso, id.numero_treno));
    return nomi;
}

// Writes the plan (when there is one), entry and track files into cartella
// as one set: all three are written before any is replaced.
void scrivi_binari(const Scenario& s, const fs::path& cartella, Rapporto& r) {
    const std::vector<FileInsieme> binari = file_binari(s);
    sostituisci_insieme(cartella, binari);
    for (const FileInsieme& f : binari) r.file_scritti.push_back((cartella / f.nome).string());
}

int compila_o_verifica(std::string_view comando, bool scrivi, const Argomenti& a, std::ostream& out,
                       std::ostream& err) {
    if (a.posizionali.size() != 2) throw ErroreUso(std::string(comando), Messaggio(messaggi::uso_vuole_linea_treno, comando));
    const Colore colore = colore_di(std::string(comando), a.valore(opzione_colore.nome));
    const fs::path cartella = a.valore("-o").value_or(".");
    const bool con_planimetria = !a.ha("--no-plan");
    // A name the folder cannot hold is refused before anything is read or written.
    // So is an output that would replace one of the inputs.
    const auto verifica = [&](const Identita& id) {
        const std::vector<std::string> nomi = nomi_binari(id, con_planimetria);
        verifica_nomi(cartella, nomi);
        for (const std::string& n : nomi) {
            verifica_non_ingresso(cartella / n, {fs::path(a.posizionali[0]), fs::path(a.posizionali[1])});
        }
    };
    Compilazione c = carica_descrizioni(comando, a, con_planimetria ? 1 : 0,
                                        scrivi ? std::function<void(const Identita&)>(verifica) : nullptr);
    const bool scrivibile = c.tabelle_complete() && (!c.rapporto.rifiutato || a.ha("--keep-going"));
    if (scrivi && scrivibile) {
        crea_cartella_uscita(cartella);
        scrivi_binari(c.scenario, cartella, c.rapporto);
    }
    const int esito = c.pulita() ? esito_pulito : esito_rifiutato;
    if (auto sarif = a.valore(opzione_sarif.nome)) {
        std::ostringstream log;
        stampa_sarif(c.rapporto, log);
        const std::string byte = log.str();
        sostituisci_file(*sarif, [&](Uscita& u) { u.scrivi(byte.data(), byte.size()); });
    }
    if (a.ha("--json")) {
        stampa_json(c.rapporto, std::string(comando), esito, out);
    } else {
        stampa_testo(c.rapporto, err, colora(colore));
        if (scrivi && !scrivibile) {
            err << "compattatore-cli: " << Messaggio(messaggi::cli_nessun_file_scritto).in(c.rapporto.lingua) << '\n';
        }
    }
    return esito;
}

int esegui_compile(const Argomenti& a, std::ostream& out, std::ostream& err) {
    return compila_o_verifica("compile", true, a, out, err);
}

int esegui_check(const Argomenti& a, std::ostream& out, std::ostream& err) {
    return compila_o_verifica("check", false, a, out, err);
}

}  // namespace

const Comando comando_compile{
    "compile",
    "compile LINE TRAIN",
    messaggi::aiuto_compile_sintesi,
    opzioni_compile,
    messaggi::aiuto_compile_testa,
    Modello{},
    esegui_compile,
};

const Comando comando_check{
    "check",
    "check LINE TRAIN",
    messaggi::aiuto_check_sintesi,
    opzioni_check,
    messaggi::aiuto_check_testa,
    Modello{},
    esegui_check,
};

}  // namespace compattatore::cli
