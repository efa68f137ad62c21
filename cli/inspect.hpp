// compattatore-cli inspect: compiled scenario files (plan, entry, track)
// decoded and checked, and the two ways of printing what they hold: a
// readable report or one JSON document.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/file_scenario.hpp"

namespace compattatore::cli {

// One file as inspect read it.
struct Ispezione {
    std::filesystem::path percorso;
    TipoFile tipo = TipoFile::percorso;
    std::uint64_t byte = 0;
    std::optional<Planimetria> planimetria;
    std::optional<Voci> voci;
    std::optional<std::vector<Cella>> celle;
    // Track files only: the entry file beside it, and the names of the code check.
    std::optional<Voci> voci_accanto;
    std::filesystem::path percorso_accanto;
    std::string nota_accanto;  // why the entry file beside was not used
    std::optional<NomiGara> nomi;
    std::string fonte_nomi;  // "the entry file beside it" or "the file name"
};

// Reads, decodes and checks one file, its kind told from its name; throws
// FileIllegibile for a file that is missing, not a regular file, of unknown
// kind, or damaged.
Ispezione ispeziona(const std::filesystem::path& p);

// The readable report of one file.
void testo_ispezione(std::ostream& out, const Ispezione& r);

// The JSON object of one file.
void json_ispezione(std::ostream& out, const Ispezione& r);

}  // namespace compattatore::cli
