#include "cli/lingua.hpp"

#include "cli/messaggi.hpp"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace compattatore::cli {

namespace {

bool comincia_con(std::string_view nome, std::string_view lingua) {
    if (nome.size() < 2 || nome.substr(0, 2) != lingua) return false;
    return nome.size() == 2 || nome[2] == '_' || nome[2] == '-' || nome[2] == '.' || nome[2] == '@';
}

// The interface language of the Windows user; nullopt elsewhere.
std::optional<Lingua> lingua_di_sistema() {
#ifdef _WIN32
    constexpr LANGID italiano = 0x10;  // LANG_ITALIAN, the primary language of the id
    return (GetUserDefaultUILanguage() & 0x3ff) == italiano ? Lingua::it : Lingua::en;
#else
    return std::nullopt;
#endif
}

}  // namespace

std::optional<Lingua> lingua_di(std::string_view nome) {
    if (comincia_con(nome, "it")) return Lingua::it;
    if (comincia_con(nome, "en")) return Lingua::en;
    return std::nullopt;
}

Lingua lingua_da_ambiente(const std::function<const char*(const char*)>& ambiente) {
    for (const char* variabile : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* valore = ambiente ? ambiente(variabile) : std::getenv(variabile);
        // The first one set decides, even when it names no language of ours
        // ("C", "de_DE"): then the texts are English.
        if (valore != nullptr && *valore != '\0') return lingua_di(valore).value_or(Lingua::en);
    }
    return lingua_di_sistema().value_or(Lingua::en);
}

Lingua lingua_scelta(std::string_view comando, const Argomenti& a) {
    const std::optional<std::string> v = a.valore("--lang");
    if (!v) return lingua_da_ambiente();
    if (*v == "it") return Lingua::it;
    if (*v == "en") return Lingua::en;
    throw ErroreUso(std::string(comando), Messaggio(messaggi::uso_lingua_sconosciuta, *v));
}

}  // namespace compattatore::cli
