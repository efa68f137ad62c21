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
#include "cli/significato.hpp"

namespace compattatore::cli {

// One file as inspect read it.
struct Ispezione {
    std::filesystem::path percorso;
    TipoFile tipo = TipoFile::percorso;
    std::uint64_t byte = 0;
    Messaggio errore;    // why the file is unreadable or damaged; empty when it was read
    std::optional<RiassuntoPlanimetria> planimetria;
    std::optional<Voci> voci;
    std::optional<std::vector<Cella>> celle;
    // Track files only: the entry file that goes with it, and the names of the code check.
    std::optional<Voci> voci_accanto;
    std::filesystem::path percorso_accanto;
    std::string nota_accanto;  // why the entry file beside was not used (English: part of the report's data)
    std::optional<NomiGara> nomi;
    std::string fonte_nomi;  // "names from the entry file ..." or "names assumed from the file name"

    bool letto() const { return errore.vuoto(); }
};

// Reads, decodes and checks the files, each told by its content (or name)
// and checked against the others: a track file against the entry file that
// goes with it (the one beside it, else the only one given), whose names
// check its competition code and whose line length gives its number of
// cells. A file that cannot be read or is damaged gets its errore (one line,
// starting with the path) and the others are still read.
std::vector<Ispezione> ispeziona(const std::vector<std::filesystem::path>& file);

// The readable report of one file that was read.
void testo_ispezione(std::ostream& out, const Ispezione& r);

// The JSON object of one file: what it holds, or its error.
void json_ispezione(std::ostream& out, const Ispezione& r);

}  // namespace compattatore::cli
