// The names of every file of a scenario: the program's eight names,
// composed from the route name and the train number (all in the application
// folder), and the same naming read back, for tools that are given the files
// by name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "formato/decodifica.hpp"

namespace compattatore {

enum class File {
    descrizione_linea,  // route + "_linea.txt" (transient)
    descrizione_treno,  // route + "_" + train + "-.txt" (transient)
    note,               // route + "_" + train + "_note.txt"
    rallentamenti,      // route + "_" + train + "_rallentamenti.txt"
    scheda_treno,       // route + "_" + train + "_scheda_treno.txt"
    planimetria,        // route + "_linea.dat"
    voci,               // route + "_" + train + ".sim"
    percorso,           // route + "_" + train + ".dat"
};

std::string nome_file(File f, std::string_view nome_percorso, std::string_view numero_treno);

// ---- the naming read back --------------------------------------------------

// The route name and train number of a compile.
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

enum class TipoFile { planimetria, voci, percorso };

// "ROUTE_linea.dat" is a plan file, "ROUTE_TRAIN.sim" an entry file, any
// other ".dat" a track file; nullopt for any other name.
std::optional<TipoFile> tipo_da_nome(const std::filesystem::path& p);

// The entry file of the same route and train as a track file: the same name
// with ".sim" for ".dat".
std::filesystem::path voci_accanto(const std::filesystem::path& percorso);

// The route and train a track file's name gives ("ROUTE_TRAIN.dat", split at
// the last underscore); nullopt when the name has no underscore.
std::optional<NomiGara> nomi_da_nome_file(const std::filesystem::path& percorso);

}  // namespace compattatore
