#include "cli/carica.hpp"

#include <optional>
#include <system_error>
#include <utility>

#include "cli/file_scenario.hpp"
#include "controlli/codifica.hpp"
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

SceltaAvvisi scelta_avvisi(std::string_view comando, const Argomenti& a) {
    SceltaAvvisi s;
    s.nessuno = a.ha(opzione_senza_avvisi.breve);
    const auto it = a.elenchi.find(opzione_avvisi.breve);
    if (it == a.elenchi.end()) return s;
    for (const std::string& v : it->second) {
        if (v == "error") {
            s.come_errori = true;
            continue;
        }
        if (v == "no-error") {
            s.come_errori = false;
            continue;
        }
        const bool spento = v.starts_with("no-");
        const std::string nome = spento ? v.substr(3) : v;
        const std::optional<Stato> classe = classe_di(nome);
        if (!classe) throw ErroreUso(std::string(comando), "unknown warning class \"" + nome + "\"");
        if (spento) {
            s.spenti.insert(*classe);
            s.accesi.erase(*classe);
        } else {
            s.accesi.insert(*classe);
            s.spenti.erase(*classe);
        }
    }
    return s;
}

namespace {

// The texts as the format reads them: --input-encoding utf-8 converts them.
// False when a character has no Windows-1252 byte (each is reported).
bool converti(std::string_view comando, const Argomenti& a, std::string& linea, std::string& treno, Rapporto& r) {
    const std::optional<std::string> codifica = a.valore(opzione_codifica.nome);
    if (!codifica || *codifica == "windows-1252") return true;
    if (*codifica != "utf-8") {
        throw ErroreUso(std::string(comando), "unknown input encoding \"" + *codifica + "\" (utf-8 or windows-1252)");
    }
    bool riuscita = true;
    for (auto [testo, sorgente] : {std::pair{&linea, Sorgente::linea}, std::pair{&treno, Sorgente::treno}}) {
        Conversione c = da_utf8_a_1252(*testo, sorgente);
        riuscita = riuscita && c.errori.empty();
        r.diagnostiche.insert(r.diagnostiche.end(), c.errori.begin(), c.errori.end());
        *testo = std::move(c.testo);
    }
    return riuscita;
}

void aggiungi_avvisi(const SceltaAvvisi& scelta, std::vector<Diagnostica> avvisi, Rapporto& r) {
    for (Diagnostica& d : avvisi) {
        if (!scelta.vuole(d.stato)) continue;
        if (scelta.come_errori) r.rifiutato = true;
        r.diagnostiche.push_back(std::move(d));
    }
}

}  // namespace

Compilazione carica_descrizioni(std::string_view comando, const Argomenti& a, int scrivi_linea,
                                const std::function<void(const Identita&)>& prima_di_leggere) {
    const fs::path percorso_linea = a.posizionali.at(0);
    const fs::path percorso_treno = a.posizionali.at(1);
    // A missing or unreadable input is told as such before any question of naming.
    verifica_ingresso(percorso_linea);
    verifica_ingresso(percorso_treno);
    const Identita id = identita_di(comando, a, percorso_linea, percorso_treno);
    if (prima_di_leggere) prima_di_leggere(id);
    const SceltaAvvisi scelta = scelta_avvisi(comando, a);
    std::string linea = leggi_ingresso(percorso_linea, massimo_descrizione);
    std::string treno = leggi_ingresso(percorso_treno, massimo_descrizione);

    Compilazione c;
    Rapporto& r = c.rapporto;
    r.percorso_linea = a.posizionali[0];
    r.percorso_treno = a.posizionali[1];
    const bool utf8 = a.valore(opzione_codifica.nome).has_value();
    if (!converti(comando, a, linea, treno, r)) {
        r.rifiutato = true;
        c.esito.percorso_assente = true;  // nothing compiled, nothing written
        return c;
    }
    if (!utf8) {
        aggiungi_avvisi(scelta, controlla_codifica(linea, Sorgente::linea), r);
        aggiungi_avvisi(scelta, controlla_codifica(treno, Sorgente::treno), r);
    }

    c.scenario.nome_percorso = id.nome_percorso;
    c.scenario.numero_treno = id.numero_treno;
    // Nothing is recorded when no warning is wanted.
    const bool controlli = !scelta.nessuno || !scelta.accesi.empty();
    Registro registro;
    if (controlli) registro.campi.reserve((linea.size() + treno.size()) / 16);
    c.esito = compila(c.scenario, scrivi_linea, Descrizioni{linea, treno}, controlli ? &registro : nullptr);

    std::vector<Diagnostica> prima = std::move(r.diagnostiche);
    r.diagnostiche = c.scenario.diagnostiche;
    r.codice_errore = c.scenario.codice_errore;
    r.posizione_errore = c.scenario.posizione_errore;
    r.arresto = c.esito.arresto;
    for (const Diagnostica& d : c.scenario.diagnostiche) r.rifiutato = r.rifiutato || !d.avviso();
    r.diagnostiche.insert(r.diagnostiche.end(), prima.begin(), prima.end());
    aggiungi_avvisi(scelta, controlla(registro, c.scenario), r);
    return c;
}

}  // namespace compattatore::cli
