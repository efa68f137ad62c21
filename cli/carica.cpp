#include "cli/carica.hpp"

#include <optional>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "cli/file_scenario.hpp"
#include "platform/ambiente_file.hpp"

namespace compattatore::cli {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void illeggibile(const fs::path& p, const std::string& perche) {
    throw FileIllegibile("cannot read " + p.string() + ": " + perche);
}

}  // namespace

void verifica_ingresso(const fs::path& p) {
    std::error_code ec;
    const fs::file_status st = fs::status(p, ec);
    switch (st.type()) {
        case fs::file_type::regular: return;
        case fs::file_type::not_found: illeggibile(p, "no such file");
        case fs::file_type::directory: illeggibile(p, "it is a folder");
        case fs::file_type::none: illeggibile(p, ec.message());  // the status itself failed
        default: illeggibile(p, "it is not a regular file");
    }
}

std::string leggi_ingresso(const fs::path& p, std::uintmax_t massimo) {
    verifica_ingresso(p);
    std::optional<std::string> byte;
    try {
        byte = leggi_file(p, massimo);
    } catch (const std::runtime_error& e) {
        throw FileIllegibile(e.what());  // "cannot read P: ..." already
    }
    // Gone or replaced since it was checked.
    if (!byte) illeggibile(p, "it is no longer a regular file");
    return std::move(*byte);
}

void verifica_non_ingresso(const fs::path& p, const std::vector<fs::path>& ingressi) {
    for (const fs::path& i : ingressi) {
        std::error_code ec;
        if (fs::equivalent(p, i, ec)) {
            throw std::runtime_error("cannot write " + p.string() + ": it is the input " + i.string() +
                                     ", which would be replaced");
        }
    }
}

void crea_cartella_uscita(const fs::path& p) {
    std::error_code ec;
    if (fs::exists(p, ec) && !fs::is_directory(p, ec)) {
        throw std::runtime_error("cannot write into " + p.string() + ": it is not a folder");
    }
    fs::create_directories(p, ec);
    if (ec) throw std::runtime_error("cannot create " + p.string() + ": " + ec.message());
}

Identita identita_di(std::string_view comando, const Argomenti& a, const fs::path& linea, const fs::path& treno) {
    const std::string c(comando);
    Identita id;
    if (auto p = a.valore(opzione_percorso.nome)) {
        id.nome_percorso = *p;
    } else if (auto q = percorso_da_linea(linea.filename().string())) {
        id.nome_percorso = *q;
    } else {
        throw ErroreUso(c, "cannot tell the route name from " + linea.string() +
                               " (not named ROUTE_linea.txt): give --route");
    }
    if (auto perche = nome_non_valido(id.nome_percorso)) {
        throw ErroreUso(c, "the route name \"" + id.nome_percorso + "\" cannot name a file: " + *perche);
    }
    if (auto t = a.valore(opzione_treno.nome)) {
        id.numero_treno = *t;
    } else if (auto u = treno_da_descrizione(treno.filename().string(), id.nome_percorso)) {
        id.numero_treno = *u;
    } else {
        throw ErroreUso(c, "cannot tell the train number from " + treno.string() + " (not named " +
                               id.nome_percorso + "_NUMBER-.txt): give --train");
    }
    if (auto perche = nome_non_valido(id.numero_treno)) {
        throw ErroreUso(c, "the train number \"" + id.numero_treno + "\" cannot name a file: " + *perche);
    }
    return id;
}

Compilazione carica_descrizioni(std::string_view comando, const Argomenti& a, int scrivi_linea,
                                const std::function<void(const Identita&)>& prima_di_leggere) {
    const fs::path percorso_linea = a.posizionali.at(0);
    const fs::path percorso_treno = a.posizionali.at(1);
    // A missing or unreadable input is told as such before any question of naming.
    verifica_ingresso(percorso_linea);
    verifica_ingresso(percorso_treno);
    const Identita id = identita_di(comando, a, percorso_linea, percorso_treno);
    if (prima_di_leggere) prima_di_leggere(id);
    const std::string linea = leggi_ingresso(percorso_linea, massimo_descrizione);
    const std::string treno = leggi_ingresso(percorso_treno, massimo_descrizione);

    Compilazione c;
    c.scenario.nome_percorso = id.nome_percorso;
    c.scenario.numero_treno = id.numero_treno;
    c.esito = compila(c.scenario, scrivi_linea, Descrizioni{linea, treno});

    Rapporto& r = c.rapporto;
    r.percorso_linea = a.posizionali[0];
    r.percorso_treno = a.posizionali[1];
    r.diagnostiche = c.scenario.diagnostiche;
    r.codice_errore = c.scenario.codice_errore;
    r.posizione_errore = c.scenario.posizione_errore;
    r.arresto = c.esito.arresto;
    for (const Diagnostica& d : c.scenario.diagnostiche) r.rifiutato = r.rifiutato || !d.avviso();
    return c;
}

}  // namespace compattatore::cli
