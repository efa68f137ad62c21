// export: the built-in scenario's descriptions and documents, written by the
// program's own text writers into a folder.
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <system_error>

#include "cli/cli.hpp"
#include "cli/comandi.hpp"
#include "cli/lingua.hpp"
#include "cli/messaggi.hpp"
#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "describe/identita.hpp"
#include "documents/dati_note.hpp"
#include "documents/dati_rallentamenti.hpp"
#include "documents/dati_scheda.hpp"
#include "platform/ambiente_file.hpp"
#include "platform/insieme_file.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

// A folder whose text files are gathered in memory by sostituisci and
// written as one set by sostituisci_tutti.
class AmbienteRaccolta final : public AmbienteFile {
public:
    using AmbienteFile::AmbienteFile;
    void mostra_finestra() override {}
    std::int32_t mostra_messaggio(std::string_view) override { return 1; }
    void segnala_guasto(std::string_view) override {}
    void sostituisci(const std::string& nome, const std::function<void(Uscita&)>& contenuto) override {
        UscitaMemoria u;
        contenuto(u);
        testi_.emplace_back(nome, std::move(u.byte));
    }
    // Replaces the gathered texts; unless sovrascrivi, refuses (writing
    // nothing) when any of them exists already.
    void sostituisci_tutti(bool sovrascrivi) {
        if (!sovrascrivi) {
            for (const auto& t : testi_) {
                const fs::path p = cartella() / t.first;
                std::error_code ec;
                if (fs::symlink_status(p, ec).type() != fs::file_type::not_found) {
                    throw Errore(Messaggio(messaggi::cli_esiste_gia, p.string()));
                }
            }
        }
        std::vector<std::string> nomi;
        std::vector<FileInsieme> insieme;
        for (const auto& [nome, byte] : testi_) {
            nomi.push_back(nome);
            insieme.push_back({nome, [&byte = byte](Uscita& u) { u.scrivi(byte.data(), byte.size()); }});
        }
        verifica_nomi(nomi);
        sostituisci_insieme(insieme);
    }

private:
    std::vector<std::pair<std::string, std::string>> testi_;
};

constexpr Opzione opzioni_export[] = {
    {"--force", "", "", messaggi::aiuto_opz_forza},
    opzione_lingua,
};

int esegui_export(const Argomenti& a, std::ostream&, std::ostream&) {
    if (a.posizionali.size() != 1) throw ErroreUso("export", Messaggio(messaggi::uso_export));
    const fs::path cartella = a.posizionali[0];
    std::error_code ec;
    if (fs::exists(cartella, ec) && !fs::is_directory(cartella, ec)) {
        throw Errore(Messaggio(messaggi::cli_non_cartella, cartella.string()));
    }
    fs::create_directories(cartella, ec);
    if (ec) throw Errore(Messaggio(messaggi::cli_non_crea, cartella.string(), ec.message()));
    const bool sovrascrivi = a.ha("--force");
    // The five texts are one set: gathered in memory, then replaced as a whole.
    AmbienteRaccolta raccolta(cartella);
    dati_linea(raccolta, nome_percorso_incorporato, numero_treno_incorporato);
    dati_treno(raccolta, nome_percorso_incorporato, numero_treno_incorporato);
    dati_note(raccolta, nome_percorso_incorporato, numero_treno_incorporato);
    dati_rallentamenti(raccolta, nome_percorso_incorporato, numero_treno_incorporato);
    dati_scheda(raccolta, nome_percorso_incorporato, numero_treno_incorporato);
    raccolta.sostituisci_tutti(sovrascrivi);
    return esito_pulito;
}

}  // namespace

const Comando comando_export{
    "export",
    "export DIR",
    messaggi::aiuto_export_sintesi,
    opzioni_export,
    messaggi::aiuto_export_testa,
    Modello{},
    esegui_export,
};

}  // namespace compattatore::cli
