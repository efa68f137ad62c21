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
    {"", "-o", "DIR", "the output folder (created when missing; default: the current folder)"},
    {"--keep-going", "", "", "write the texts all the same (the exit status is still 1)"},
};

template <class T>
T decodificato(const fs::path& p, Decodifica<T> d) {
    if (!d) {
        throw FileIllegibile(p.string() + ": at byte " + std::to_string(d.errore().offset) + ": " +
                             d.errore().messaggio.en());
    }
    return std::move(d.tabella());
}

int esegui_decompile(const Argomenti& a, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> cartella = a.valore("-o");
    const bool prosegui = a.ha("--keep-going");
    std::optional<fs::path> plan, voci, percorso;
    for (const std::string& f : a.posizionali) {
        const std::optional<TipoFile> tipo = tipo_da_nome(f);
        std::optional<fs::path>* posto = !tipo ? nullptr
                                         : *tipo == TipoFile::planimetria ? &plan
                                         : *tipo == TipoFile::voci        ? &voci
                                                                          : &percorso;
        if (posto == nullptr) {
            throw ErroreUso("decompile", f + ": not a plan (ROUTE_linea.dat), entry (.sim) or track (.dat) file");
        }
        if (posto->has_value()) throw ErroreUso("decompile", f + ": a second file of the same kind");
        *posto = f;
    }
    if (!voci || !percorso) {
        throw ErroreUso("decompile", "decompile needs the track file (.dat) and the entry file (.sim)");
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
        err << "compattatore-cli: " << e.what() << "\ncompattatore-cli: no file written\n";
        return esito_rifiutato;
    }
    for (const std::string* nome : {&t.voci[indice_voce::linea].nome, &t.voci[indice_voce::treno].nome}) {
        if (auto perche = nome_non_valido(*nome)) {
            err << "compattatore-cli: " << voci->string() << ": the name \"" << *nome
                << "\" stored in it cannot name a file: " << *perche << "\ncompattatore-cli: no file written\n";
            return esito_rifiutato;
        }
    }

    const decompila::Decompilato d = decompila::decompila(t);
    for (const Messaggio& p : d.problemi) err << "compattatore-cli: " << p.en() << '\n';
    if (!d.esatto()) err << "compattatore-cli: no description compiles to these files\n";
    if (!d.esatto() && !prosegui) {
        err << "compattatore-cli: no file written\n";
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
        err << "compattatore-cli: cannot create " << dir.string() << ": " << ec.message() << '\n';
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
    "write the descriptions that compile to the given files",
    opzioni_decompile,
    "Usage: compattatore-cli decompile FILE... [-o DIR] [--keep-going]\n"
    "\n"
    "Reads the track file ROUTE_NUMBER.dat and the entry file ROUTE_NUMBER.sim, and\n"
    "the plan file ROUTE_linea.dat when it is given, and writes into DIR the\n"
    "descriptions that compile to the same files, byte for byte:\n"
    "  ROUTE_linea.txt        the line description (no curves without the plan file)\n"
    "  ROUTE_NUMBER-.txt      the train description\n"
    "ROUTE and NUMBER are the names stored in the entry file. The texts are\n"
    "compiled before they are written; when no description gives the files, what\n"
    "cannot be represented is reported, nothing is written and the exit status is 1.\n",
    "",
    esegui_decompile,
};

}  // namespace compattatore::cli
