#include "cli/cli.hpp"

#include <optional>
#include <stdexcept>

#include "cli/argomenti.hpp"
#include "cli/comandi.hpp"
#include "cli/sorveglia.hpp"
#include "cli/rapporto.hpp"
#include "cli/lingua.hpp"
#include "cli/messaggi.hpp"

#ifndef COMPATTATORE_VERSIONE
#define COMPATTATORE_VERSIONE "0"
#endif

namespace compattatore::cli {

namespace {

// A --lang before the command holds for the command, unless it gives its own.
std::optional<std::string> lingua_globale(const std::vector<std::string>& a, std::size_t& da) {
    if (a.empty()) return std::nullopt;
    if (a[0].starts_with("--lang=")) {
        da = 1;
        return a[0].substr(7);
    }
    if (a[0] != "--lang") return std::nullopt;
    if (a.size() < 2) throw ErroreUso("", Messaggio(messaggi::uso_lingua_senza_valore));
    da = 2;
    return a[1];
}

int esegui_comando(const std::vector<std::string>& tutti, std::ostream& out, std::ostream& err) {
    std::size_t da = 0;
    const std::optional<std::string> lingua = lingua_globale(tutti, da);
    if (lingua && *lingua != "it" && *lingua != "en") throw ErroreUso("", Messaggio(messaggi::uso_lingua_sconosciuta, *lingua));
    const std::vector<std::string> a(tutti.begin() + static_cast<std::ptrdiff_t>(da), tutti.end());
    if (a.empty()) throw ErroreUso("", Messaggio(messaggi::uso_nessun_comando));
    const std::string& nome = a[0];
    if (nome == "--help" || nome == "-h" || nome == "help") {
        out << aiuto_generale(lingua_della_riga(tutti));
        return esito_pulito;
    }
    if (nome == "--version") {
        out << "compattatore-cli " << COMPATTATORE_VERSIONE << '\n';
        return esito_pulito;
    }
    const Comando* c = comando_di(nome);
    if (c == nullptr) throw ErroreUso("", Messaggio(messaggi::uso_comando_sconosciuto, nome));
    Argomenti argomenti = analizza_argomenti(c->nome, c->opzioni, a, 1);
    if (lingua) argomenti.valori.try_emplace("--lang", *lingua);
    if (argomenti.aiuto) {
        out << aiuto_di(*c, lingua_della_riga(tutti));
        return esito_pulito;
    }
    if (argomenti.ha(opzione_sorveglia.nome)) return sorveglia(*c, argomenti, out, err);
    return c->esegui(argomenti, out, err);
}

// --json among the options of the command: a usage or file error is then
// told as a JSON document too.
bool chiede_json(const std::vector<std::string>& a) {
    for (std::size_t i = 1; i < a.size() && a[i] != "--"; ++i) {
        if (a[i] == "--json") return true;
    }
    return false;
}

std::string nome_comando(const std::vector<std::string>& a) {
    return !a.empty() && comando_di(a[0]) != nullptr ? a[0] : "";
}

}  // namespace

Lingua lingua_della_riga(const std::vector<std::string>& a) {
    std::optional<Lingua> scelta;
    for (std::size_t i = 0; i < a.size() && a[i] != "--"; ++i) {
        std::string_view v;
        if (a[i] == "--lang" && i + 1 < a.size()) v = a[i + 1];
        else if (a[i].starts_with("--lang=")) v = std::string_view(a[i]).substr(7);
        else continue;
        if (v == "it") scelta = Lingua::it;
        if (v == "en") scelta = Lingua::en;
    }
    return scelta.value_or(lingua_da_ambiente());
}

int esegui(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    try {
        return esegui_comando(a, out, err);
    } catch (const ErroreUso& e) {
        const Lingua l = lingua_della_riga(a);
        std::string aiuto = "compattatore-cli ";
        if (!e.comando().empty()) (aiuto += e.comando()) += ' ';
        aiuto += "--help";
        const std::string testo = e.messaggio().in(l);
        err << "compattatore-cli: " << testo << '\n' << Messaggio(messaggi::uso_prova_aiuto, aiuto).in(l) << '\n';
        if (chiede_json(a)) stampa_json_errore(nome_comando(a), esito_uso, "usage", testo, out);
        return esito_uso;
    } catch (const std::exception& e) {
        const std::string testo = messaggio_di(e).in(lingua_della_riga(a));
        err << "compattatore-cli: " << testo << '\n';
        if (chiede_json(a)) stampa_json_errore(nome_comando(a), esito_uso, "file", testo, out);
        return esito_uso;
    }
}

}  // namespace compattatore::cli
