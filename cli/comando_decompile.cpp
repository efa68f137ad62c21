// compattatore-cli decompile FILE... [-o DIR] [--keep-going]: compiled files
// back to the line and train descriptions that give them.
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
#include "cli/file_scenario.hpp"
#include "decompila/decompila.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"
#include "formato/nomi_file.hpp"
#include "platform/ambiente_file.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

constexpr Opzione opzioni_decompile[] = {
    {"", "-o", "DIR", messaggi::aiuto_opz_cartella_uscita},
    {"--keep-going", "", "", messaggi::aiuto_opz_prosegui_decompile},
    opzione_lingua,
};

template <class T>
T decodificato(const fs::path& p, Decodifica<T> d) {
    if (!d) throw FileIllegibile(Messaggio(messaggi::cli_al_byte, p.string(), d.errore().offset, d.errore().messaggio));
    return std::move(d.tabella());
}

int esegui_decompile(const Argomenti& a, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> cartella = a.valore("-o");
    const bool prosegui = a.ha("--keep-going");
    const Lingua l = lingua_scelta("decompile", a);
    const std::string nessun_file = Messaggio(messaggi::cli_nessun_file_scritto).in(l);
    std::optional<fs::path> plan, voci, percorso;
    for (const std::string& f : a.posizionali) {
        const std::optional<TipoFile> tipo = tipo_da_nome(f);
        std::optional<fs::path>* posto = !tipo ? nullptr
                                         : *tipo == TipoFile::planimetria ? &plan
                                         : *tipo == TipoFile::voci        ? &voci
                                                                          : &percorso;
        if (posto == nullptr) {
            throw ErroreUso("decompile", Messaggio(messaggi::uso_decompile_tipo, f));
        }
        if (posto->has_value()) throw ErroreUso("decompile", Messaggio(messaggi::uso_decompile_secondo, f));
        *posto = f;
    }
    if (!voci || !percorso) {
        throw ErroreUso("decompile", Messaggio(messaggi::uso_decompile_vuole));
    }
    // A file that cannot be read is a file-system error (exit 2); one that
    // reads but does not decode is reported below.
    const std::string byte_voci = leggi_binario(*voci, TipoFile::voci);
    const std::string byte_percorso = leggi_binario(*percorso, TipoFile::percorso);
    const std::optional<std::string> byte_plan = plan ? std::optional(leggi_binario(*plan, TipoFile::planimetria)) : std::nullopt;

    decompila::Tabelle t;
    try {
        t.voci = decodificato(*voci, decodifica_voci(byte_voci));
        const NomiGara nomi{t.voci[indice_voce::linea].nome, t.voci[indice_voce::treno].nome};
        t.percorso = decodificato(*percorso, decodifica_percorso(byte_percorso, nomi));
        if (plan) t.planimetria = decodificato(*plan, decodifica_planimetria(*byte_plan));
    } catch (const FileIllegibile& e) {
        err << "compattatore-cli: " << e.messaggio().in(l) << "\ncompattatore-cli: " << nessun_file << '\n';
        return esito_rifiutato;
    }
    for (const std::string* nome : {&t.voci[indice_voce::linea].nome, &t.voci[indice_voce::treno].nome}) {
        if (auto perche = nome_non_valido(*nome)) {
            err << "compattatore-cli: "
                << Messaggio(messaggi::cli_nome_registrato, voci->string(), Messaggio::citato(*nome), *perche).in(l)
                << "\ncompattatore-cli: " << nessun_file << '\n';
            return esito_rifiutato;
        }
    }

    const decompila::Decompilato d = decompila::decompila(t);
    for (const Messaggio& p : d.problemi) err << "compattatore-cli: " << p.in(l) << '\n';
    if (!d.esatto()) err << "compattatore-cli: " << Messaggio(messaggi::cli_nessuna_descrizione).in(l) << '\n';
    if (!d.esatto() && !prosegui) {
        err << "compattatore-cli: " << nessun_file << '\n';
        return esito_rifiutato;
    }
    const fs::path dir = cartella ? fs::path(*cartella) : fs::path(".");
    // The texts' names come from the files; neither may replace one of them.
    const std::vector<fs::path> ingressi(a.posizionali.begin(), a.posizionali.end());
    verifica_non_ingresso(dir / (d.nome_percorso + "_linea.txt"), ingressi);
    verifica_non_ingresso(dir / (d.nome_percorso + "_" + d.numero_treno + "-.txt"), ingressi);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        err << "compattatore-cli: " << Messaggio(messaggi::cli_non_crea, dir.string(), ec.message()).in(l) << '\n';
        return esito_uso;
    }
    const auto scrivi = [&](const std::string& nome, const std::string& testo) {
        const fs::path p = dir / nome;
        sostituisci_file(p, [&](Uscita& u) { u.scrivi(testo.data(), testo.size()); });
        out << p.string() << '\n';
    };
    scrivi(d.nome_percorso + "_linea.txt", d.linea);
    scrivi(d.nome_percorso + "_" + d.numero_treno + "-.txt", d.treno);
    return d.esatto() ? esito_pulito : esito_rifiutato;
}

}  // namespace

const Comando comando_decompile{
    "decompile",
    "decompile FILE...",
    messaggi::aiuto_decompile_sintesi,
    opzioni_decompile,
    messaggi::aiuto_decompile_testa,
    Modello{},
    esegui_decompile,
};

}  // namespace compattatore::cli
