#include "lsp/server.hpp"

#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "lsp/controllo.hpp"
#include "lsp/documento.hpp"
#include "lsp/messaggi.hpp"
#include "lsp/richieste.hpp"

namespace compattatore::lsp {

namespace {

using nlohmann::json;

namespace errore {
constexpr int analisi = -32700;         // ParseError
constexpr int richiesta = -32600;       // InvalidRequest
constexpr int metodo = -32601;          // MethodNotFound
constexpr int parametri = -32602;       // InvalidParams
constexpr int non_iniziato = -32002;    // ServerNotInitialized
}  // namespace errore

// A request whose parameters do not have the protocol's shape.
struct ParametriErrati : Errore {
    using Errore::Errore;
};

void scrivi(std::string& uscita, const json& messaggio) {
    uscita += incornicia(messaggio.dump(-1, ' ', false, json::error_handler_t::replace));
}

void rispondi(std::string& uscita, const json& id, json risultato) {
    scrivi(uscita, {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(risultato)}});
}

void rifiuta(std::string& uscita, const json& id, int codice, const Messaggio& messaggio, Lingua l) {
    scrivi(uscita, {{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", codice}, {"message", messaggio.in(l)}}}});
}

const json& campo(const json& j, const char* nome) {
    if (!j.is_object() || !j.contains(nome)) throw ParametriErrati(Messaggio(messaggi::lsp_manca, nome));
    return j.at(nome);
}

std::string testo_di(const json& j, const char* nome) {
    const json& x = campo(j, nome);
    if (!x.is_string()) throw ParametriErrati(Messaggio(messaggi::lsp_non_stringa, nome));
    return x.get<std::string>();
}

std::int64_t intero_di(const json& j, const char* nome) {
    const json& x = campo(j, nome);
    if (!x.is_number_integer()) throw ParametriErrati(Messaggio(messaggi::lsp_non_intero, nome));
    return x.get<std::int64_t>();
}

Posizione posizione_di(const json& j) { return {intero_di(j, "line"), intero_di(j, "character")}; }

bool vero(const json& j, std::initializer_list<const char*> strada) {
    const json* x = &j;
    for (const char* k : strada) {
        if (!x->is_object() || !x->contains(k)) return false;
        x = &x->at(k);
    }
    return x->is_boolean() && x->get<bool>();
}

json capacita(Codifica c) {
    return {{"positionEncoding", c == Codifica::utf8 ? "utf-8" : "utf-16"},
            {"textDocumentSync", {{"openClose", true}, {"change", 2}}},
            {"hoverProvider", true},
            {"completionProvider", {{"triggerCharacters", json::array({"["})}}},
            {"documentSymbolProvider", true},
            {"inlayHintProvider", true},
            {"documentFormattingProvider", true}};
}

}  // namespace

std::optional<std::string> leggi_da_disco(const std::filesystem::path& p) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(p, ec)) return std::nullopt;
    std::ifstream f(p, std::ios::binary);
    if (!f) return std::nullopt;
    std::string r;
    char b[65536];
    while (f.read(b, sizeof b) || f.gcount() > 0) {
        r.append(b, static_cast<std::size_t>(f.gcount()));
        if (r.size() > std::size_t{33} * 1024 * 1024) break;  // over the readers' limit: no need for the rest
    }
    return r;
}

std::optional<std::filesystem::path> percorso_di_uri(std::string_view uri) {
    constexpr std::string_view schema = "file://";
    if (uri.substr(0, schema.size()) != schema) return std::nullopt;
    uri.remove_prefix(schema.size());
    const std::size_t barra = uri.find('/');
    if (barra == std::string_view::npos) return std::nullopt;
    uri.remove_prefix(barra);  // the host, normally empty
    std::string p;
    for (std::size_t i = 0; i < uri.size(); ++i) {
        auto cifra = [](char c) -> int {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            if (c >= 'A' && c <= 'F') return c - 'A' + 10;
            return -1;
        };
        if (uri[i] == '%' && i + 2 < uri.size() && cifra(uri[i + 1]) >= 0 && cifra(uri[i + 2]) >= 0) {
            p.push_back(static_cast<char>(cifra(uri[i + 1]) * 16 + cifra(uri[i + 2])));
            i += 2;
        } else {
            p.push_back(uri[i]);
        }
    }
#ifdef _WIN32
    if (p.size() >= 3 && p[0] == '/' && p[2] == ':') p.erase(0, 1);  // /C:/x is C:/x
#endif
    return std::filesystem::path(p);
}

Server::Server(LeggiFile leggi, Lingua lingua) : leggi_(std::move(leggi)), lingua_(lingua) {}
Server::~Server() = default;

std::string Server::ricevi(std::string_view byte) {
    std::string uscita;
    trama_.aggiungi(byte);
    while (!terminato_) {
        std::optional<Pezzo> p = trama_.prossimo();
        if (!p) break;
        if (p->genere == Pezzo::Genere::intestazione_guasta) {
            rifiuta(uscita, nullptr, errore::analisi, Messaggio(messaggi::lsp_intestazione_malformata, p->corpo), lingua_);
            continue;
        }
        gestisci(p->corpo, uscita);
    }
    if (!terminato_) controlla_in_attesa(uscita);
    return uscita;
}

void Server::gestisci(std::string_view corpo, std::string& uscita) {
    json m = json::parse(corpo, nullptr, false);
    if (m.is_discarded()) {
        rifiuta(uscita, nullptr, errore::analisi, Messaggio(messaggi::lsp_non_json), lingua_);
        return;
    }
    if (!m.is_object()) {
        rifiuta(uscita, nullptr, errore::richiesta, Messaggio(messaggi::lsp_non_oggetto), lingua_);
        return;
    }
    const bool con_id = m.contains("id");
    json id = con_id ? m["id"] : json(nullptr);
    if (con_id && !id.is_string() && !id.is_number_integer() && !id.is_null()) {
        rifiuta(uscita, nullptr, errore::richiesta, Messaggio(messaggi::lsp_id_non_valido), lingua_);
        return;
    }
    if (!m.contains("method")) {
        if (con_id) return;  // a response to a request of ours: there are none to match
        rifiuta(uscita, nullptr, errore::richiesta, Messaggio(messaggi::lsp_senza_metodo_ne_id), lingua_);
        return;
    }
    if (!m["method"].is_string()) {
        if (con_id) rifiuta(uscita, id, errore::richiesta, Messaggio(messaggi::lsp_metodo_non_stringa), lingua_);
        return;
    }
    const std::string metodo = m["method"].get<std::string>();
    const json parametri = m.contains("params") ? m["params"] : json::object();
    try {
        // Notifications.
        if (!con_id) {
            if (metodo == "exit") {
                terminato_ = true;
                return;
            }
            if (!iniziato_ || chiuso_) return;
            if (metodo == "textDocument/didOpen") {
                const json& td = campo(parametri, "textDocument");
                auto d = std::make_unique<Documento>();
                d->uri = testo_di(td, "uri");
                d->percorso = percorso_di_uri(d->uri);
                d->versione = td.contains("version") && td["version"].is_number_integer() ? td["version"].get<std::int64_t>() : 0;
                identifica(*d, td.contains("languageId") && td["languageId"].is_string() ? td["languageId"].get<std::string>() : "");
                d->imposta(testo_di(td, "text"));
                segna_rotta(*d);
                documenti_[d->uri] = std::move(d);
            } else if (metodo == "textDocument/didChange") {
                const std::string uri = testo_di(campo(parametri, "textDocument"), "uri");
                auto it = documenti_.find(uri);
                if (it == documenti_.end()) return;
                Documento& d = *it->second;
                const json& cambi = campo(parametri, "contentChanges");
                if (!cambi.is_array()) return;
                for (const json& c : cambi) {
                    const std::string nuovo = testo_di(c, "text");
                    if (c.contains("range")) {
                        const json& r = c["range"];
                        std::size_t da = offset_utf8(d.utf8, d.righe, posizione_di(campo(r, "start")), codifica_);
                        std::size_t a = offset_utf8(d.utf8, d.righe, posizione_di(campo(r, "end")), codifica_);
                        if (a < da) std::swap(a, da);
                        std::string t = d.utf8;
                        t.replace(da, a - da, nuovo);
                        d.imposta(std::move(t));
                    } else {
                        d.imposta(nuovo);
                    }
                }
                const json& td = parametri["textDocument"];
                if (td.contains("version") && td["version"].is_number_integer()) d.versione = td["version"].get<std::int64_t>();
                segna_rotta(d);
            } else if (metodo == "textDocument/didClose") {
                const std::string uri = testo_di(campo(parametri, "textDocument"), "uri");
                auto it = documenti_.find(uri);
                if (it == documenti_.end()) return;
                std::unique_ptr<Documento> d = std::move(it->second);
                documenti_.erase(it);
                // Its diagnostics go with it; trains of a closed line fall back to the file.
                scrivi(uscita, {{"jsonrpc", "2.0"},
                                {"method", "textDocument/publishDiagnostics"},
                                {"params", {{"uri", uri}, {"diagnostics", json::array()}}}});
                segna_rotta(*d);
            }
            return;  // any other notification is ignored
        }

        // Requests.
        if (metodo == "initialize") {
            if (iniziato_) {
                rifiuta(uscita, id, errore::richiesta, Messaggio(messaggi::lsp_gia_iniziato), lingua_);
                return;
            }
            iniziato_ = true;
            const json& cap = parametri.is_object() && parametri.contains("capabilities") ? parametri["capabilities"] : json::object();
            codifica_ = Codifica::utf16;
            if (cap.contains("general") && cap["general"].is_object() && cap["general"].contains("positionEncodings") &&
                cap["general"]["positionEncodings"].is_array()) {
                for (const json& e : cap["general"]["positionEncodings"]) {
                    if (e == "utf-8") codifica_ = Codifica::utf8;
                }
            }
            if (parametri.is_object() && parametri.contains("locale") && parametri["locale"].is_string()) {
                const std::string locale = parametri["locale"].get<std::string>();
                if (locale.starts_with("it")) lingua_ = Lingua::it;
                else if (locale.starts_with("en")) lingua_ = Lingua::en;
            }
            snippet_ = vero(cap, {"textDocument", "completion", "completionItem", "snippetSupport"});
            gerarchia_ = vero(cap, {"textDocument", "documentSymbol", "hierarchicalDocumentSymbolSupport"});
            rispondi(uscita, id, {{"capabilities", capacita(codifica_)}, {"serverInfo", {{"name", "compattatore-cli lsp"}}}});
            return;
        }
        if (!iniziato_) {
            rifiuta(uscita, id, errore::non_iniziato, Messaggio(messaggi::lsp_non_iniziato), lingua_);
            return;
        }
        if (chiuso_) {
            rifiuta(uscita, id, errore::richiesta, Messaggio(messaggi::lsp_chiuso), lingua_);
            return;
        }
        if (metodo == "shutdown") {
            chiuso_ = true;
            rispondi(uscita, id, nullptr);
            return;
        }
        auto documento = [&]() -> const Documento* {
            const std::string uri = testo_di(campo(parametri, "textDocument"), "uri");
            auto it = documenti_.find(uri);
            return it == documenti_.end() ? nullptr : it->second.get();
        };
        if (metodo == "textDocument/hover") {
            const Documento* d = documento();
            rispondi(uscita, id, d ? hover(*d, posizione_di(campo(parametri, "position")), codifica_, lingua_) : json(nullptr));
        } else if (metodo == "textDocument/completion") {
            const Documento* d = documento();
            rispondi(uscita, id, d ? completamento(*d, snippet_, lingua_) : json(nullptr));
        } else if (metodo == "textDocument/documentSymbol") {
            const Documento* d = documento();
            rispondi(uscita, id, d ? simboli(*d, codifica_, gerarchia_, lingua_) : json(nullptr));
        } else if (metodo == "textDocument/inlayHint") {
            const Documento* d = documento();
            const json& r = campo(parametri, "range");
            rispondi(uscita, id,
                     d ? suggerimenti(*d, intero_di(campo(r, "start"), "line"), intero_di(campo(r, "end"), "line"), codifica_, lingua_)
                       : json(nullptr));
        } else if (metodo == "textDocument/formatting") {
            const Documento* d = documento();
            rispondi(uscita, id, d ? formattazione(*d, codifica_) : json(nullptr));
        } else {
            rifiuta(uscita, id, errore::metodo, Messaggio(messaggi::lsp_metodo_sconosciuto, metodo), lingua_);
        }
    } catch (const ParametriErrati& e) {
        if (con_id) rifiuta(uscita, id, errore::parametri, e.messaggio(), lingua_);
    } catch (const json::exception& e) {
        if (con_id) rifiuta(uscita, id, errore::parametri, Messaggio::letterale(e.what()), lingua_);
    }
}

void Server::segna_rotta(Documento& d) {
    d.da_controllare = true;
    if (d.genere != Descrizione::linea || !d.percorso) return;
    // A change to the line re-checks the open trains of its route.
    for (auto& [uri, t] : documenti_) {
        if (t->genere == Descrizione::treno && t->percorso && t->nome_percorso == d.nome_percorso &&
            t->percorso->parent_path() == d.percorso->parent_path()) {
            t->da_controllare = true;
        }
    }
}

void Server::controlla_in_attesa(std::string& uscita) {
    for (auto& [uri, d] : documenti_) {
        if (!d->da_controllare) continue;
        d->da_controllare = false;
        LineaDelTreno linea;
        std::optional<std::string> da_disco;
        if (d->genere == Descrizione::treno) {
            linea.nome = d->nome_percorso + "_linea.txt";
            if (d->percorso) {
                const std::filesystem::path p = d->percorso->parent_path() / linea.nome;
                for (auto& [u, l] : documenti_) {
                    if (l->genere == Descrizione::linea && l->percorso && *l->percorso == p) linea.testo = l->testo.byte;
                }
                if (!linea.testo && (da_disco = leggi_(p))) linea.testo = *da_disco;
            }
        }
        json p{{"uri", uri}, {"diagnostics", diagnostiche(*d, linea, codifica_, lingua_)}};
        p["version"] = d->versione;
        scrivi(uscita, {{"jsonrpc", "2.0"}, {"method", "textDocument/publishDiagnostics"}, {"params", std::move(p)}});
    }
}

}  // namespace compattatore::lsp
