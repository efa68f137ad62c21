// The language of the tool's texts: --lang it|en when given; otherwise the
// first of LC_ALL, LC_MESSAGES and LANG that is set and not empty; on
// Windows, when none is, the user's interface language. Italian when that
// names Italian ("it", "it_IT.UTF-8" ...), English for anything else and by
// default.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/argomenti.hpp"
#include "cli/messaggi.hpp"
#include "guida/tipi_voce.hpp"

namespace compattatore::cli {

using guida::Lingua;

// The option, for the tables of the commands that print texts; the front
// end also takes it before the command.
inline constexpr Opzione opzione_lingua{"--lang", "", "LANG", messaggi::aiuto_opz_lingua};

// The language a locale name or a --lang value names: "it", "it_IT", "it_IT.UTF-8"
// and "it-IT" are Italian, "en..." English; nullopt for anything else.
std::optional<Lingua> lingua_di(std::string_view nome);

// The language from the environment, read through ambiente (getenv by default).
Lingua lingua_da_ambiente(const std::function<const char*(const char*)>& ambiente = {});

// The language of a command: its --lang value, else the environment's.
// Throws ErroreUso (for comando) for a --lang other than it or en.
Lingua lingua_scelta(std::string_view comando, const Argomenti& a);

}  // namespace compattatore::cli
