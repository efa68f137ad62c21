#include "cli/rapporto.hpp"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/argomenti.hpp"
#include "cli/messaggi.hpp"
#include "cli/testo.hpp"
#include "guida/spiegazioni.hpp"
#include "platform/terminale.hpp"

#ifndef COMPATTATORE_VERSIONE
#define COMPATTATORE_VERSIONE "0"
#endif

namespace compattatore::cli {

namespace {

using Json = nlohmann::ordered_json;

const std::string& file_di(const Rapporto& r, const Diagnostica& d) {
    return d.sorgente == Sorgente::linea ? r.percorso_linea : r.percorso_treno;
}

const std::string& testo_di(const Rapporto& r, const Diagnostica& d) {
    return d.sorgente == Sorgente::linea ? r.testo_linea : r.testo_treno;
}

std::string luogo(const Rapporto& r, const Diagnostica& d) {
    std::string s = file_di(r, d);
    if (d.riga > 0) {
        s += ':';
        s += std::to_string(d.riga);
        s += ':';
        s += std::to_string(d.colonna);
    }
    return s;
}

// The status number, or the class name of a diagnostic without one.
std::string identificativo(const Diagnostica& d) {
    return d.numero() != 0 ? std::to_string(d.numero()) : std::string(nome(d.stato));
}

// Line n (1-based) of a text, without its line end; lines end as the readers
// end them (CR LF, a lone LF or a lone CR). Empty past the end.
std::string_view riga_di(std::string_view t, std::int32_t n) {
    std::size_t i = 0;
    for (std::int32_t r = 1; r < n; ++r) {
        while (i < t.size() && t[i] != '\r' && t[i] != '\n') ++i;
        if (i >= t.size()) return {};
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
        ++i;
    }
    std::size_t f = i;
    while (f < t.size() && t[f] != '\r' && t[f] != '\n') ++f;
    return t.substr(i, f - i);
}

// The end column of a diagnostic's field: its own, or the column after the
// first byte when unknown.
std::int32_t fine_di(const Diagnostica& d) { return d.colonna_fine > d.colonna ? d.colonna_fine : d.colonna + 1; }

struct Tinte {
    bool attive;
    std::string operator()(std::string_view codice, const std::string& s) const {
        return attive ? "\x1b[" + std::string(codice) + "m" + s + "\x1b[0m" : s;
    }
};

// The quoted source line and the underline under the field.
void stampa_citazione(const Rapporto& r, const Diagnostica& d, std::ostream& err, const Tinte& tinta) {
    if (d.riga <= 0 || d.colonna <= 0) return;
    const std::string_view riga = riga_di(testo_di(r, d), d.riga);
    const auto inizio = static_cast<std::size_t>(d.colonna - 1);
    if (inizio > riga.size()) return;
    const std::string numero = std::to_string(d.riga);
    const std::string margine(numero.size(), ' ');
    err << ' ' << tinta("1;34", numero + " |") << ' ' << utf8_da_1252(riga) << '\n';
    std::string sotto;
    for (std::size_t i = 0; i < inizio; ++i) sotto += riga[i] == '\t' ? '\t' : ' ';
    const auto lunghezza = static_cast<std::size_t>(fine_di(d) - d.colonna);
    const std::string segno = std::string(1, '^').append(lunghezza > 1 ? lunghezza - 1 : 0, '~');
    err << ' ' << tinta("1;34", margine + " |") << ' ' << sotto << tinta("1;32", segno) << '\n';
}

// The severity as the JSON and SARIF documents name it, in English.
std::string gravita_testo(const Diagnostica& d) { return d.avviso() ? "warning" : "error"; }

// The severity as the text report says it.
std::string gravita_in(const Diagnostica& d, Lingua l) {
    return Messaggio(d.avviso() ? messaggi::rapporto_avviso : messaggi::rapporto_errore).in(l);
}

std::string nota_successiva(Lingua l) { return Messaggio(messaggi::rapporto_dopo_il_primo).in(l); }

std::string nota(Lingua l) { return Messaggio(messaggi::rapporto_nota).in(l); }

// A rule's short description: the title of its explanation, in the language.
std::string descrizione_regola(Stato s, Lingua l) {
    if (const guida::Spiegazione* g = guida::spiegazione(nome(s))) return std::string(g->titolo.in(l));
    const VoceCatalogo* v = cerca(s);
    return v ? std::string(v->significato) : std::string(nome(s));
}

// "error_code" and friends: null when the run recorded none.
Json o_null(std::int32_t n) { return n == 0 ? Json(nullptr) : Json(n); }

Json json_diagnostica(const Rapporto& r, const Diagnostica& d, bool dopo) {
    Json note = Json::array();
    for (const Messaggio& n : d.note) note.push_back(n.in(r.lingua));
    if (dopo) note.push_back(nota_successiva(r.lingua));
    Json j;
    j["file"] = file_di(r, d);
    j["line"] = d.riga > 0 ? Json(d.riga) : Json(nullptr);
    j["column"] = d.riga > 0 && d.colonna > 0 ? Json(d.colonna) : Json(nullptr);
    j["end_column"] = d.riga > 0 && d.colonna > 0 ? Json(fine_di(d)) : Json(nullptr);
    j["severity"] = gravita_testo(d);
    j["number"] = o_null(d.numero());
    j["class"] = std::string(nome(d.stato));
    j["message"] = d.messaggio.in(r.lingua);
    j["notes"] = note;
    j["position"] = d.posizione ? Json(*d.posizione) : Json(nullptr);
    j["cell"] = d.cella ? Json(*d.cella) : Json(nullptr);
    j["after_first"] = dopo;
    return j;
}

Json documento(const std::string& comando, int esito) {
    Json j;
    j["format"] = formato_json;
    j["command"] = comando;
    j["exit_status"] = esito;
    return j;
}

void scrivi(const Json& j, std::ostream& out) {
    out << j.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

// A path as a relative or absolute URI reference: "/" separators, every byte
// outside the unreserved set percent-encoded.
std::string uri_di(std::string_view p) {
    static constexpr char esadecimali[] = "0123456789ABCDEF";
    std::string u;
    for (const char c : p) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '-' || b == '.' ||
            b == '_' || b == '~' || b == '/') {
            u += c;
        } else if (b == '\\') {
            u += '/';
        } else {
            u += '%';
            u += esadecimali[b >> 4];
            u += esadecimali[b & 15];
        }
    }
    return u;
}

}  // namespace

Colore colore_di(const std::string& comando, const std::optional<std::string>& valore) {
    if (!valore || *valore == "auto") return Colore::auto_;
    if (*valore == "always") return Colore::sempre;
    if (*valore == "never") return Colore::mai;
    throw ErroreUso(comando, Messaggio(messaggi::uso_colore, *valore));
}

bool colora(Colore c) {
    if (c != Colore::auto_) return c == Colore::sempre;
    const char* no_color = std::getenv("NO_COLOR");
    if (no_color != nullptr && *no_color != '\0') return false;
    return errore_su_terminale();
}

std::string riga_diagnostica(const Rapporto& r, const Diagnostica& d) { return riga_diagnostica(r, d, r.lingua); }

std::string riga_diagnostica(const Rapporto& r, const Diagnostica& d, Lingua l) {
    std::string s = luogo(r, d) + ": " + gravita_in(d, l) + " " + identificativo(d) + ": " + d.messaggio.in(l);
    const std::string cella = d.cella ? Messaggio(messaggi::rapporto_cella, *d.cella).in(l) : std::string();
    if (d.cella && d.posizione) {
        s += " (" + std::to_string(*d.posizione) + " m, " + cella + ")";
    } else if (d.cella) {
        s += " (" + cella + ")";
    } else if (d.posizione) {
        s += " (" + std::to_string(*d.posizione) + " m)";
    }
    return s;
}

void stampa_testo(const Rapporto& r, std::ostream& err, bool colori) {
    const Tinte tinta{colori};
    for (std::size_t i = 0; i < r.diagnostiche.size(); ++i) {
        const Diagnostica& d = r.diagnostiche[i];
        const std::string testa = luogo(r, d) + ":";
        const std::string tipo = gravita_in(d, r.lingua) + " " + identificativo(d) + ":";
        const std::string intera = riga_diagnostica(r, d);
        const std::string resto = intera.substr(std::min(intera.size(), testa.size() + 1 + tipo.size()));
        err << tinta("1", testa) << ' ' << tinta(d.avviso() ? "1;35" : "1;31", tipo) << tinta("1", resto) << '\n';
        stampa_citazione(r, d, err, tinta);
        for (const Messaggio& n : d.note) err << tinta("1;36", nota(r.lingua)) << ' ' << n.in(r.lingua) << '\n';
        if (r.successiva(i)) err << tinta("1;36", nota(r.lingua)) << ' ' << nota_successiva(r.lingua) << '\n';
    }
    if (r.altri_omessi) err << "compattatore-cli: " << Messaggio(messaggi::rapporto_altri_omessi).in(r.lingua) << '\n';
    if (r.arresto != Stato::nessuno) {
        const Modello& perche = r.arresto == Stato::marchio_occupato ? messaggi::rapporto_marchio_occupato
                                                                     : messaggi::rapporto_codice_occupato;
        err << r.percorso_treno << ": " << Messaggio(messaggi::rapporto_errore).in(r.lingua) << ' ' << numero(r.arresto)
            << ": " << Messaggio(perche).in(r.lingua) << '\n';
    }
}

void stampa_json(const Rapporto& r, const std::string& comando, int esito, std::ostream& out) {
    Json j = documento(comando, esito);
    j["refused"] = r.rifiutato;
    j["error_code"] = o_null(numero(r.codice_errore));
    j["error_position"] = r.codice_errore == Stato::nessuno ? Json(nullptr) : Json(r.posizione_errore);
    j["stop"] = o_null(numero(r.arresto));
    Json diagnostiche = Json::array();
    for (std::size_t i = 0; i < r.diagnostiche.size(); ++i) {
        diagnostiche.push_back(json_diagnostica(r, r.diagnostiche[i], r.successiva(i)));
    }
    j["diagnostics"] = diagnostiche;
    j["more_errors_omitted"] = r.altri_omessi;
    j["files"] = r.file_scritti;
    j["error"] = nullptr;
    scrivi(j, out);
}

void stampa_json_errore(const std::string& comando, int esito, const std::string& tipo, const std::string& messaggio,
                        std::ostream& out) {
    Json j = documento(comando, esito);
    j["refused"] = false;
    j["error_code"] = nullptr;
    j["error_position"] = nullptr;
    j["stop"] = nullptr;
    j["diagnostics"] = Json::array();
    j["more_errors_omitted"] = false;
    j["files"] = Json::array();
    j["error"] = {{"kind", tipo}, {"message", messaggio}};
    scrivi(j, out);
}

void stampa_sarif(const Rapporto& r, std::ostream& out) {
    Json regole = Json::array();
    std::vector<Stato> viste;
    Json risultati = Json::array();
    for (std::size_t i = 0; i < r.diagnostiche.size(); ++i) {
        const Diagnostica& d = r.diagnostiche[i];
        std::size_t indice = 0;
        while (indice < viste.size() && viste[indice] != d.stato) ++indice;
        if (indice == viste.size()) {
            viste.push_back(d.stato);
            Json regola;
            regola["id"] = std::string(nome(d.stato));
            regola["shortDescription"] = {{"text", descrizione_regola(d.stato, r.lingua)}};
            regola["defaultConfiguration"] = {{"level", d.avviso() ? "warning" : "error"}};
            if (d.numero() != 0) regola["properties"] = {{"number", d.numero()}};
            regole.push_back(regola);
        }
        Json fisico;
        fisico["artifactLocation"] = {{"uri", uri_di(file_di(r, d))}};
        if (d.riga > 0) {
            Json regione{{"startLine", d.riga}};
            if (d.colonna > 0) {
                regione["startColumn"] = d.colonna;
                regione["endColumn"] = fine_di(d);
            }
            fisico["region"] = regione;
        }
        std::string testo = d.messaggio.in(r.lingua);
        for (const Messaggio& n : d.note) ((testo += '\n') += nota(r.lingua) + " ") += n.in(r.lingua);
        if (r.successiva(i)) ((testo += '\n') += nota(r.lingua) + " ") += nota_successiva(r.lingua);
        Json risultato;
        risultato["ruleId"] = std::string(nome(d.stato));
        risultato["ruleIndex"] = indice;
        risultato["level"] = d.avviso() ? "warning" : "error";
        risultato["message"] = {{"text", testo}};
        risultato["locations"] = Json::array({Json{{"physicalLocation", fisico}}});
        risultati.push_back(risultato);
    }
    Json driver;
    driver["name"] = "compattatore-cli";
    driver["version"] = COMPATTATORE_VERSIONE;
    driver["rules"] = regole;
    Json corsa;
    corsa["tool"] = {{"driver", driver}};
    corsa["columnKind"] = "unicodeCodePoints";
    corsa["results"] = risultati;
    Json log;
    log["version"] = "2.1.0";
    log["$schema"] = "https://json.schemastore.org/sarif-2.1.0.json";
    log["runs"] = Json::array({corsa});
    scrivi(log, out);
}

}  // namespace compattatore::cli
