// compattatore-cli decompile FILE... [-o DIR] [--keep-going]: compiled files
// back to the line and train descriptions that give them.
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/file_scenario.hpp"
#include "cli/nomi.hpp"
#include "decompila/decompila.hpp"
#include "output/decodifica.hpp"
#include "platform/ambiente_file.hpp"

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* aiuto_decompile =
    "Usage: compattatore-cli decompile FILE... [-o DIR] [--keep-going]\n"
    "\n"
    "Reads the track file ROUTE_NUMBER.dat and the entry file ROUTE_NUMBER.sim, and\n"
    "the plan file ROUTE_linea.dat when it is given, and writes into DIR (created\n"
    "when missing; default: the current folder) the descriptions that compile to\n"
    "the same files, byte for byte:\n"
    "  ROUTE_linea.txt        the line description (no curves without the plan file)\n"
    "  ROUTE_NUMBER-.txt      the train description\n"
    "ROUTE and NUMBER are the names stored in the entry file. The texts are\n"
    "compiled before they are written; when no description gives the files, what\n"
    "cannot be represented is reported, nothing is written and the exit status is 1.\n"
    "\n"
    "  -o DIR         the output folder\n"
    "  --keep-going   write the texts all the same (the exit status is still 1)\n";

// The largest compiled file read: the plan of the longest line is about 20 MB.
constexpr std::uintmax_t massimo_binario = std::uintmax_t{64} * 1024 * 1024;

std::string leggi(const fs::path& p) {
    std::optional<std::string> b = leggi_file(p, massimo_binario);
    if (!b) throw FileIllegibile(p.string() + ": cannot be read (missing, not a regular file, or larger than " +
                                 std::to_string(massimo_binario) + " bytes)");
    return std::move(*b);
}

template <class T>
T decodificato(const fs::path& p, Decodifica<T> d) {
    if (!d) {
        throw FileIllegibile(p.string() + ": at byte " + std::to_string(d.errore().offset) + ": " +
                             d.errore().messaggio);
    }
    return std::move(d.tabella());
}

}  // namespace

int comando_decompile(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err) {
    std::optional<fs::path> cartella;
    bool prosegui = false;
    std::optional<fs::path> plan, voci, percorso;
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (a == "--help" || a == "-h") {
            out << aiuto_decompile;
            return esito_pulito;
        }
        if (a == "-o") {
            if (i + 1 >= argomenti.size()) {
                err << "compattatore-cli: -o needs a value\n";
                return esito_uso;
            }
            cartella = argomenti[++i];
            continue;
        }
        if (a == "--keep-going") {
            prosegui = true;
            continue;
        }
        if (a.size() > 1 && a[0] == '-') {
            err << "compattatore-cli: unknown option " << a << "\nTry 'compattatore-cli decompile --help'.\n";
            return esito_uso;
        }
        const std::optional<TipoFile> tipo = tipo_da_nome(a);
        std::optional<fs::path>* posto = !tipo ? nullptr
                                         : *tipo == TipoFile::planimetria ? &plan
                                         : *tipo == TipoFile::voci        ? &voci
                                                                          : &percorso;
        if (posto == nullptr || posto->has_value()) {
            err << "compattatore-cli: " << a
                << (posto == nullptr ? ": not a plan (ROUTE_linea.dat), entry (.sim) or track (.dat) file\n"
                                     : ": a second file of the same kind\n");
            return esito_uso;
        }
        *posto = a;
    }
    if (!voci || !percorso) {
        err << "compattatore-cli: decompile needs the track file (.dat) and the entry file (.sim)\n";
        return esito_uso;
    }

    decompila::Tabelle t;
    try {
        t.voci = decodificato(*voci, decodifica_voci(leggi(*voci)));
        const NomiGara nomi{t.voci[indice_voce::linea].nome, t.voci[indice_voce::treno].nome};
        t.percorso = decodificato(*percorso, decodifica_percorso(leggi(*percorso), nomi));
        if (plan) t.planimetria = decodificato(*plan, decodifica_planimetria(leggi(*plan)));
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
    for (const std::string& p : d.problemi) err << "compattatore-cli: " << p << '\n';
    if (!d.esatto()) err << "compattatore-cli: no description compiles to these files\n";
    if (!d.esatto() && !prosegui) {
        err << "compattatore-cli: no file written\n";
        return esito_rifiutato;
    }
    const fs::path dir = cartella.value_or(".");
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

}  // namespace compattatore::cli
