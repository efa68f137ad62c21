// compattatore-cli: compiles any scenario's descriptions with the same core as
// the program, reports every problem the way compilers do, and exports the
// embedded scenario as a starting point.
//
// Exit statuses: 0 the scenario compiled clean; 1 a description was refused
// or a numbered error stop occurred; 2 a usage or file-system error.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "model/messaggio.hpp"

namespace compattatore::cli {

inline constexpr int esito_pulito = 0;
inline constexpr int esito_rifiutato = 1;
inline constexpr int esito_uso = 2;

// The language of what a run says, its help and errors included: the last
// valid --lang among the words before "--", else the environment's.
Lingua lingua_della_riga(const std::vector<std::string>& argomenti);

// Runs the tool on its arguments (without the program name).
int esegui(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err);

}  // namespace compattatore::cli
