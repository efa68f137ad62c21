// compattatore-cli: compiles any scenario's descriptions with the same core as
// the program, reports every problem the way compilers do, and exports the
// embedded scenario as a starting point.
//
// Exit statuses: 0 the scenario compiled clean; 1 a description was refused
// or a numbered error stop occurred; 2 a usage or file-system error.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace compattatore::cli {

inline constexpr int esito_pulito = 0;
inline constexpr int esito_rifiutato = 1;
inline constexpr int esito_uso = 2;

// The largest description file the tool reads: a line of the greatest length
// (1,000,000 m) with an entry of every kind on every 50 m cell is about
// 10 MB. A larger file is refused (exit status 2) before more than this is
// held in memory, so a huge or endless input cannot exhaust memory.
inline constexpr std::uintmax_t massimo_descrizione = std::uintmax_t{32} * 1024 * 1024;

// Runs the tool on its arguments (without the program name).
int esegui(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err);

}  // namespace compattatore::cli
