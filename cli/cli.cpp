#include "cli/cli.hpp"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>

#include "cli/inspect.hpp"
#include "cli/nomi.hpp"
#include "cli/plot.hpp"
#include "cli/rapporto.hpp"
#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "describe/identita.hpp"
#include "documents/dati_note.hpp"
#include "documents/dati_rallentamenti.hpp"
#include "documents/dati_scheda.hpp"
#include "driver/nomi_file.hpp"
#include "output/compila.hpp"
#include "output/file_binari.hpp"
#include "platform/ambiente_file.hpp"
#include "platform/insieme_file.hpp"

#ifndef COMPATTATORE_VERSIONE
#define COMPATTATORE_VERSIONE "0"
#endif

namespace compattatore::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* aiuto_generale =
    "Usage: compattatore-cli COMMAND [OPTIONS]\n"
    "\n"
    "Compiles a scenario's line and train descriptions into the plan, entry and\n"
    "track files the simulator loads.\n"
    "\n"
    "Commands:\n"
    "  compile LINE TRAIN   read, check and compile the descriptions, write the files\n"
    "  check LINE TRAIN     read and check the descriptions, write nothing\n"
    "  export DIR           write the built-in scenario's descriptions and documents\n"
    "  inspect FILE...      check compiled files and report what they hold\n"
    "  plot LINE TRAIN      draw the line's map and profiles as an SVG file\n"
    "\n"
    "Options:\n"
    "  --help               show this help, or a command's with COMMAND --help\n"
    "  --version            show the version\n"
    "\n"
    "Exit status: 0 compiled clean, 1 a description was refused or a numbered\n"
    "error stop occurred, 2 a usage or file-system error.\n";

constexpr const char* aiuto_compile =
    "Usage: compattatore-cli compile LINE TRAIN [-o DIR] [--route NAME] [--train NUMBER]\n"
    "                                [--no-plan] [--keep-going] [--json]\n"
    "\n"
    "Reads the line description LINE and the train description TRAIN, checks and\n"
    "compiles them, and writes into DIR (default: the current folder):\n"
    "  ROUTE_linea.dat        the plan file (not with --no-plan)\n"
    "  ROUTE_NUMBER.sim       the entry file\n"
    "  ROUTE_NUMBER.dat       the track file\n"
    "The inputs are never modified. ROUTE and NUMBER come from the input names when\n"
    "they follow the program's own naming (ROUTE_linea.txt, ROUTE_NUMBER-.txt);\n"
    "otherwise give them with --route and --train.\n"
    "\n"
    "  -o DIR           the output folder\n"
    "  --route NAME     the route name\n"
    "  --train NUMBER   the train number\n"
    "  --no-plan        build no plan: curves are not read, no plan file is written\n"
    "  --keep-going     write the files even when a description was refused, as the\n"
    "                   program does (the exit status is still 1)\n"
    "  --json           print one JSON object on standard output instead of the report\n";

constexpr const char* aiuto_check =
    "Usage: compattatore-cli check LINE TRAIN [--route NAME] [--train NUMBER] [--no-plan] [--json]\n"
    "\n"
    "Reads, checks and finishes the scenario as compile does, and writes nothing.\n";

constexpr const char* aiuto_export =
    "Usage: compattatore-cli export DIR\n"
    "\n"
    "Writes the built-in scenario's line and train descriptions and its three\n"
    "documents into DIR (created when missing), to start a scenario from.\n";

class ErroreUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
    void sostituisci_tutti() {
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

struct Opzioni {
    std::vector<std::string> posizionali;
    std::optional<std::string> cartella;
    std::optional<std::string> percorso;
    std::optional<std::string> treno;
    bool senza_planimetria = false;
    bool prosegui = false;
    bool json = false;
    bool aiuto = false;
};

Opzioni analizza(const std::vector<std::string>& a, std::size_t da, bool con_uscita) {
    Opzioni o;
    for (std::size_t i = da; i < a.size(); ++i) {
        const std::string& x = a[i];
        auto valore = [&](const char* nome) {
            if (i + 1 >= a.size()) throw ErroreUso(std::string(nome) + " needs a value");
            return a[++i];
        };
        if (x == "--help" || x == "-h") {
            o.aiuto = true;
        } else if (x == "-o" && con_uscita) {
            o.cartella = valore("-o");
        } else if (x == "--route") {
            o.percorso = valore("--route");
        } else if (x == "--train") {
            o.treno = valore("--train");
        } else if (x == "--no-plan") {
            o.senza_planimetria = true;
        } else if (x == "--keep-going" && con_uscita) {
            o.prosegui = true;
        } else if (x == "--json") {
            o.json = true;
        } else if (x.size() > 1 && x[0] == '-') {
            throw ErroreUso("unknown option " + x);
        } else {
            o.posizionali.push_back(x);
        }
    }
    return o;
}

Identita identita(const Opzioni& o, const fs::path& linea, const fs::path& treno) {
    Identita id;
    if (o.percorso) {
        id.nome_percorso = *o.percorso;
    } else if (auto p = percorso_da_linea(linea.filename().string())) {
        id.nome_percorso = *p;
    } else {
        throw ErroreUso("cannot tell the route name from " + linea.string() +
                        " (not named ROUTE_linea.txt): give --route");
    }
    if (auto perche = nome_non_valido(id.nome_percorso)) {
        throw ErroreUso("the route name \"" + id.nome_percorso + "\" cannot name a file: " + *perche);
    }
    if (o.treno) {
        id.numero_treno = *o.treno;
    } else if (auto t = treno_da_descrizione(treno.filename().string(), id.nome_percorso)) {
        id.numero_treno = *t;
    } else {
        throw ErroreUso("cannot tell the train number from " + treno.string() + " (not named " +
                        id.nome_percorso + "_NUMBER-.txt): give --train");
    }
    if (auto perche = nome_non_valido(id.numero_treno)) {
        throw ErroreUso("the train number \"" + id.numero_treno + "\" cannot name a file: " + *perche);
    }
    return id;
}

std::string leggi_ingresso(const fs::path& p) {
    std::optional<std::string> testo = leggi_file(p, massimo_descrizione);
    if (!testo) {
        std::error_code ec;
        if (fs::is_directory(p, ec)) throw std::runtime_error("cannot read " + p.string() + ": it is a folder");
        if (fs::exists(p, ec)) throw std::runtime_error("cannot read " + p.string() + ": not a regular file");
        throw std::runtime_error("cannot read " + p.string() + ": no such file");
    }
    return std::move(*testo);
}

int compila_comando(const std::vector<std::string>& a, bool scrivi, std::ostream& out, std::ostream& err) {
    const Opzioni o = analizza(a, 1, scrivi);
    if (o.aiuto) {
        out << (scrivi ? aiuto_compile : aiuto_check);
        return esito_pulito;
    }
    if (o.posizionali.size() != 2) throw ErroreUso(std::string(a[0]) + " needs LINE and TRAIN");
    const fs::path percorso_linea = o.posizionali[0];
    const fs::path percorso_treno = o.posizionali[1];
    const Identita id = identita(o, percorso_linea, percorso_treno);
    const fs::path cartella = o.cartella ? fs::path(*o.cartella) : fs::path(".");
    if (scrivi) {
        // A name the folder cannot hold is refused before anything is read or written.
        std::vector<std::string> nomi;
        for (const File f : {File::planimetria, File::voci, File::percorso}) {
            if (f != File::planimetria || !o.senza_planimetria) nomi.push_back(nome_file(f, id.nome_percorso, id.numero_treno));
        }
        verifica_nomi(cartella, nomi);
    }
    const std::string linea = leggi_ingresso(percorso_linea);
    const std::string treno = leggi_ingresso(percorso_treno);

    Scenario s;
    s.nome_percorso = id.nome_percorso;
    s.numero_treno = id.numero_treno;
    const EsitoCompilazione esito = compila(s, o.senza_planimetria ? 0 : 1, Descrizioni{linea, treno});

    Rapporto r;
    r.percorso_linea = o.posizionali[0];
    r.percorso_treno = o.posizionali[1];
    r.diagnostiche = s.diagnostiche;
    r.codice_errore = s.codice_errore;
    r.posizione_errore = s.posizione_errore;
    r.arresto = esito.arresto;
    for (const Diagnostica& d : s.diagnostiche) r.rifiutato = r.rifiutato || !d.avviso;

    const bool scrivibile = esito.arresto == 0 && !esito.percorso_assente && (!r.rifiutato || o.prosegui);
    if (scrivi && scrivibile) {
        // One set: all three are written before any is replaced.
        std::vector<FileInsieme> binari;
        if (s.scrivi_linea != 0) {
            binari.push_back({nome_file(File::planimetria, s.nome_percorso, s.numero_treno),
                              [&](Uscita& u) { scrivi_planimetria(s.planimetria, u); }});
        }
        binari.push_back({nome_file(File::voci, s.nome_percorso, s.numero_treno),
                          [&](Uscita& u) { scrivi_voci(s.voci, u); }});
        binari.push_back({nome_file(File::percorso, s.nome_percorso, s.numero_treno),
                          [&](Uscita& u) { scrivi_percorso(s.percorso, u); }});
        sostituisci_insieme(cartella, binari);
        for (const FileInsieme& f : binari) r.file_scritti.push_back((cartella / f.nome).string());
    }

    if (o.json) {
        stampa_json(r, out);
    } else {
        stampa_testo(r, err);
        if (scrivi && !scrivibile) err << "compattatore-cli: no file written\n";
    }
    return (r.rifiutato || esito.arresto != 0 || esito.percorso_assente) ? esito_rifiutato : esito_pulito;
}

int esporta_comando(const std::vector<std::string>& a, std::ostream& out) {
    bool aiuto = false;
    std::vector<std::string> posizionali;
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (a[i] == "--help" || a[i] == "-h") aiuto = true;
        else if (a[i].size() > 1 && a[i][0] == '-') throw ErroreUso("unknown option " + a[i]);
        else posizionali.push_back(a[i]);
    }
    if (aiuto) {
        out << aiuto_export;
        return esito_pulito;
    }
    if (posizionali.size() != 1) throw ErroreUso("export needs DIR");
    const fs::path cartella = posizionali[0];
    std::error_code ec;
    fs::create_directories(cartella, ec);
    if (ec) throw std::runtime_error("cannot create " + cartella.string() + ": " + ec.message());
    // The five texts are one set: gathered in memory, then replaced as a whole.
    AmbienteRaccolta raccolta(cartella);
    dati_linea(raccolta, nome_percorso_incorporato, numero_treno_incorporato);
    dati_treno(raccolta, nome_percorso_incorporato, numero_treno_incorporato);
    dati_note(raccolta, nome_percorso_incorporato, numero_treno_incorporato);
    dati_rallentamenti(raccolta, nome_percorso_incorporato, numero_treno_incorporato);
    dati_scheda(raccolta, nome_percorso_incorporato, numero_treno_incorporato);
    raccolta.sostituisci_tutti();
    return esito_pulito;
}

}  // namespace

int esegui(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    try {
        if (a.empty()) throw ErroreUso("no command given");
        const std::string& comando = a[0];
        if (comando == "--help" || comando == "-h" || comando == "help") {
            out << aiuto_generale;
            return esito_pulito;
        }
        if (comando == "--version") {
            out << "compattatore-cli " << COMPATTATORE_VERSIONE << '\n';
            return esito_pulito;
        }
        if (comando == "compile") return compila_comando(a, true, out, err);
        if (comando == "check") return compila_comando(a, false, out, err);
        if (comando == "export") return esporta_comando(a, out);
        if (comando == "inspect") return comando_inspect(a, out, err);
        if (comando == "plot") return comando_plot(a, out, err);
        throw ErroreUso("unknown command " + comando);
    } catch (const ErroreUso& e) {
        err << "compattatore-cli: " << e.what() << "\nTry 'compattatore-cli --help'.\n";
        return esito_uso;
    } catch (const std::exception& e) {
        err << "compattatore-cli: " << e.what() << '\n';
        return esito_uso;
    }
}

}  // namespace compattatore::cli
