// The route name and train number of a compile: taken from the options or
// from the program's own naming of the descriptions ("NAME_linea.txt",
// "NAME_NUMBER-.txt"), and checked so that the files they name stay inside
// the output folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace compattatore::cli {

struct Identita {
    std::string nome_percorso;
    std::string numero_treno;
};

// The route name of a line description named "NAME_linea.txt".
std::optional<std::string> percorso_da_linea(std::string_view nome_file);

// The train number of a train description named route + "_" + NUMBER + "-.txt".
std::optional<std::string> treno_da_descrizione(std::string_view nome_file, std::string_view nome_percorso);

// Why a route name or train number cannot name a file (a path separator,
// "..", a control character, a character Windows forbids in file names, an
// empty name); nullopt when it can.
std::optional<std::string> nome_non_valido(std::string_view nome);

}  // namespace compattatore::cli
