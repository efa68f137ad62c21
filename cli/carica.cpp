#include "cli/carica.hpp"

#include <charconv>
#include <optional>
#include <string_view>
#include <vector>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "cli/file_scenario.hpp"
#include "cli/lingua.hpp"
#include "cli/messaggi.hpp"
#include "readers/messaggi.hpp"
#include "controlli/codifica.hpp"
#include "cli/significato.hpp"
#include "guida/tipi_voce.hpp"
#include "platform/ambiente_file.hpp"

namespace compattatore::cli {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void illeggibile(const fs::path& p, Messaggio perche) {
    throw FileIllegibile(Messaggio(messaggi::cli_illeggibile, p.string(), std::move(perche)));
}

std::int32_t massimo_errori(std::string_view comando, const Argomenti& a) {
    const std::optional<std::string> v = a.valore(opzione_max_errori.nome);
    if (!v) return massimo_errori_normale;
    std::int32_t n = 0;
    const auto [fine, errore] = std::from_chars(v->data(), v->data() + v->size(), n);
    if (errore != std::errc{} || fine != v->data() + v->size() || n < 1) {
        throw ErroreUso(std::string(comando), Messaggio(messaggi::uso_max_errori, *v));
    }
    return n;
}

// The end of the field that starts at a diagnostic's column, when the reader
// did not give it: up to the next comma or line end without the blanks
// before it, or, for a number, up to its first blank.
void completa_campo(Diagnostica& d, std::string_view testo) {
    if (d.riga <= 0 || d.colonna <= 0 || d.colonna_fine > d.colonna) return;
    std::size_t i = 0;
    for (std::int32_t r = 1; r < d.riga && i < testo.size(); ++i) {
        if (testo[i] == '\n' || (testo[i] == '\r' && (i + 1 >= testo.size() || testo[i + 1] != '\n'))) ++r;
    }
    const std::size_t inizio = i + static_cast<std::size_t>(d.colonna - 1);
    if (inizio >= testo.size()) return;
    const bool numero = testo[inizio] == '-' || (testo[inizio] >= '0' && testo[inizio] <= '9');
    std::size_t f = inizio;
    while (f < testo.size() && testo[f] != ',' && testo[f] != '\r' && testo[f] != '\n' &&
           !(numero && (testo[f] == ' ' || testo[f] == '\t'))) {
        ++f;
    }
    while (f > inizio && (testo[f - 1] == ' ' || testo[f - 1] == '\t')) --f;
    if (f > inizio) d.colonna_fine = d.colonna + static_cast<std::int32_t>(f - inizio);
}

// An entry short of values (reported by the reader at its keyword, "its Nth
// value was read from line L"): the names of its values from the authors'
// table, so that the author sees which one is missing.
void nomina_valori(Diagnostica& d) {
    if (d.stato == Stato::guasto_lettura ? d.note.empty() : d.stato != Stato::testo_dalla_riga_dopo) return;
    // The reader's message names the keyword (argument 0) and the ordinal of
    // the value taken from the next line (argument 3, its number first).
    const Messaggio& m = d.messaggio;
    if (m.modello() != &messaggi::lettura_voce_incompleta || m.argomenti().size() < 4) return;
    const std::string parola = m.argomenti()[0].en();
    const guida::TipoVoce* tipo = nullptr;
    if (d.sorgente == Sorgente::linea) {
        tipo = guida::tipo_per_parola(parola, guida::Parte::linea_elementi);
        if (tipo == nullptr) tipo = guida::tipo_per_parola(parola, guida::Parte::linea_generale);
    } else {
        tipo = guida::tipo_per_parola(parola, guida::Parte::treno_elementi);
    }
    if (tipo == nullptr || tipo->campi.empty()) return;
    std::size_t n = 0;
    const std::vector<Messaggio>& ordinale = m.argomenti()[3].argomenti();
    if (!ordinale.empty()) {
        for (const char c : ordinale[0].en()) {
            if (c < '0' || c > '9') break;
            n = n * 10 + static_cast<std::size_t>(c - '0');
        }
    }
    std::string nomi;
    for (const guida::Campo& c : tipo->campi) (nomi += nomi.empty() ? "" : ", ") += c.nome;
    const Messaggio parola_chiave = Messaggio::citato(tipo->parola_chiave);
    const std::size_t valori = tipo->campi.size();
    d.note.insert(d.note.begin(),
                  n >= 1 && n <= valori
                      ? Messaggio(messaggi::cli_nota_valori_dopo, parola_chiave, valori, nomi, tipo->campi[n - 1].nome)
                      : Messaggio(messaggi::cli_nota_valori, parola_chiave, valori, nomi));
}

// Line n (1-based) of a text emptied, its line end kept, so that every other
// line keeps its number.
void svuota_riga(std::string& t, std::int32_t n) {
    std::size_t i = 0;
    for (std::int32_t r = 1; r < n; ++r) {
        while (i < t.size() && t[i] != '\r' && t[i] != '\n') ++i;
        if (i >= t.size()) return;
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
        ++i;
    }
    std::size_t f = i;
    while (f < t.size() && t[f] != '\r' && t[f] != '\n') ++f;
    t.erase(i, f - i);
}

// A refusal of the whole text, or one without a line: nothing is left out
// that would let the check go on meaningfully.
bool si_puo_togliere(const Diagnostica& d) {
    if (d.riga <= 0 || d.sorgente == Sorgente::rifinitura) return false;
    switch (d.stato) {
        case Stato::lunghezza_fuori_limiti:
        case Stato::linea_assente:
        case Stato::generale_assente:
        case Stato::treno_senza_generale: return false;
        default: return true;
    }
}

bool gia_riportata(const Rapporto& r, const Diagnostica& d) {
    for (const Diagnostica& x : r.diagnostiche) {
        if (x.stato == d.stato && x.sorgente == d.sorgente && x.riga == d.riga && x.colonna == d.colonna &&
            x.messaggio == d.messaggio) {
            return true;
        }
    }
    return false;
}

// Every further refusal, up to massimo in all: the texts are read again
// with the lines of the refusals found so far emptied, and each refusal new
// to the report is added to it. The first compile (its tables, its status)
// is not touched.
void cerca_altri_rifiuti(Rapporto& r, const Identita& id, int scrivi_linea, const Descrizioni& d,
                         std::int32_t massimo) {
    std::string linea(*d.linea);
    std::string treno(*d.treno);
    std::vector<Diagnostica> ultimi;
    std::int32_t errori = 0;
    for (const Diagnostica& x : r.diagnostiche) {
        if (x.avviso()) continue;
        ++errori;
        ultimi.push_back(x);
    }
    while (true) {
        for (const Diagnostica& x : ultimi) {
            if (!si_puo_togliere(x)) return;
            svuota_riga(x.sorgente == Sorgente::linea ? linea : treno, x.riga);
        }
        Scenario s;
        s.nome_percorso = id.nome_percorso;
        s.numero_treno = id.numero_treno;
        compila(s, scrivi_linea, Descrizioni{linea, treno});
        ultimi.clear();
        for (const Diagnostica& x : s.diagnostiche) {
            if (x.avviso() || gia_riportata(r, x)) continue;
            if (errori >= massimo) {
                r.altri_omessi = true;
                return;
            }
            r.diagnostiche.push_back(x);
            ultimi.push_back(x);
            ++errori;
        }
        if (ultimi.empty()) return;
    }
}

}  // namespace

void verifica_ingresso(const fs::path& p) {
    std::error_code ec;
    const fs::file_status st = fs::status(p, ec);
    switch (st.type()) {
        case fs::file_type::regular: return;
        case fs::file_type::not_found: illeggibile(p, Messaggio(messaggi::cli_nessun_file));
        case fs::file_type::directory: illeggibile(p, Messaggio(messaggi::cli_e_cartella));
        case fs::file_type::none: illeggibile(p, Messaggio::letterale(ec.message()));  // the status itself failed
        default: illeggibile(p, Messaggio(messaggi::cli_non_regolare));
    }
}

std::string leggi_ingresso(const fs::path& p, std::uintmax_t massimo) {
    verifica_ingresso(p);
    std::optional<std::string> byte;
    try {
        byte = leggi_file(p, massimo);
    } catch (const std::runtime_error& e) {
        throw FileIllegibile(messaggio_di(e));  // "cannot read P: ..." already
    }
    // Gone or replaced since it was checked.
    if (!byte) illeggibile(p, Messaggio(messaggi::cli_non_piu_regolare));
    return std::move(*byte);
}

void verifica_non_ingresso(const fs::path& p, const std::vector<fs::path>& ingressi) {
    for (const fs::path& i : ingressi) {
        std::error_code ec;
        if (fs::equivalent(p, i, ec)) {
            throw Errore(Messaggio(messaggi::cli_uscita_e_ingresso, p.string(), i.string()));
        }
    }
}

void crea_cartella_uscita(const fs::path& p) {
    std::error_code ec;
    if (fs::exists(p, ec) && !fs::is_directory(p, ec)) {
        throw Errore(Messaggio(messaggi::cli_non_cartella, p.string()));
    }
    fs::create_directories(p, ec);
    if (ec) throw Errore(Messaggio(messaggi::cli_non_crea, p.string(), ec.message()));
}

Identita identita_di(std::string_view comando, const Argomenti& a, const fs::path& linea, const fs::path& treno) {
    const std::string c(comando);
    Identita id;
    if (auto p = a.valore(opzione_percorso.nome)) {
        id.nome_percorso = *p;
    } else if (auto q = percorso_da_linea(linea.filename().string())) {
        id.nome_percorso = *q;
    } else {
        throw ErroreUso(c, Messaggio(messaggi::uso_percorso_ignoto, linea.string()));
    }
    if (auto perche = nome_non_valido(id.nome_percorso)) {
        throw ErroreUso(c, Messaggio(messaggi::uso_nome_percorso_non_valido, id.nome_percorso, *perche));
    }
    if (auto t = a.valore(opzione_treno.nome)) {
        id.numero_treno = *t;
    } else if (auto u = treno_da_descrizione(treno.filename().string(), id.nome_percorso)) {
        id.numero_treno = *u;
    } else {
        throw ErroreUso(c, Messaggio(messaggi::uso_treno_ignoto, treno.string(), id.nome_percorso));
    }
    if (auto perche = nome_non_valido(id.numero_treno)) {
        throw ErroreUso(c, Messaggio(messaggi::uso_nome_treno_non_valido, id.numero_treno, *perche));
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
        if (!classe) throw ErroreUso(std::string(comando), Messaggio(messaggi::uso_classe_avviso, nome));
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
        throw ErroreUso(std::string(comando), Messaggio(messaggi::uso_codifica, *codifica));
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
    r.lingua = lingua_scelta(comando, a);
    r.percorso_linea = a.posizionali[0];
    r.percorso_treno = a.posizionali[1];
    const bool utf8 = a.valore(opzione_codifica.nome).has_value();
    if (!converti(comando, a, linea, treno, r)) {
        r.rifiutato = true;
        c.esito.percorso_assente = true;  // nothing compiled, nothing written
        return c;
    }
    // Nothing is scanned or recorded when no warning is wanted.
    const bool controlli = !scelta.nessuno || !scelta.accesi.empty();
    if (!utf8 && controlli) {
        aggiungi_avvisi(scelta, controlla_codifica(linea, Sorgente::linea), r);
        aggiungi_avvisi(scelta, controlla_codifica(treno, Sorgente::treno), r);
    }

    c.scenario.nome_percorso = id.nome_percorso;
    c.scenario.numero_treno = id.numero_treno;
    Registro registro;  // the reading reserves it from the texts' size
    c.esito = compila(c.scenario, scrivi_linea, Descrizioni{linea, treno}, controlli ? &registro : nullptr);

    std::vector<Diagnostica> prima = std::move(r.diagnostiche);
    r.diagnostiche.clear();
    // The reader's own warning classes answer to -W, -w and -Werror like the checks'.
    std::vector<Diagnostica> del_lettore;
    for (const Diagnostica& d : c.scenario.diagnostiche) {
        if (d.avviso() && d.numero() == 0) del_lettore.push_back(d);
        else r.diagnostiche.push_back(d);
    }
    aggiungi_avvisi(scelta, std::move(del_lettore), r);
    r.codice_errore = c.scenario.codice_errore;
    r.posizione_errore = c.scenario.posizione_errore;
    r.arresto = c.esito.arresto;
    for (const Diagnostica& d : c.scenario.diagnostiche) r.rifiutato = r.rifiutato || !d.avviso();
    // Further refusals, found by reading again without the refused entries,
    // come after everything the first reading gave.
    const bool rifiutato_dalla_lettura = r.rifiutato;
    r.diagnostiche.insert(r.diagnostiche.end(), prima.begin(), prima.end());
    aggiungi_avvisi(scelta, controlla(registro, c.scenario), r);
    r.dopo_il_primo = r.diagnostiche.size();
    const std::int32_t massimo = massimo_errori(comando, a);
    if (rifiutato_dalla_lettura) cerca_altri_rifiuti(r, id, scrivi_linea, Descrizioni{linea, treno}, massimo);
    for (Diagnostica& d : r.diagnostiche) {
        completa_campo(d, d.sorgente == Sorgente::linea ? linea : treno);
        nomina_valori(d);
        // A finishing rule names a cell: its metre is the one inspect shows for what the cell holds.
        if (d.sorgente == Sorgente::rifinitura && d.cella && c.scenario.cella_esiste(*d.cella)) {
            d.posizione = metro_di(c.scenario.cella(*d.cella).tipo, *d.cella);
        }
    }
    r.testo_linea = linea;
    r.testo_treno = treno;
    return c;
}

}  // namespace compattatore::cli
