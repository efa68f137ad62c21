// The compiled files of a scenario as the tools find them on disk: the kind
// of a file told from its name, the decoded tables, and the entry file that
// lies beside a track file.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/cella.hpp"
#include "model/planimetria.hpp"
#include "model/voce.hpp"
#include "output/decodifica.hpp"

namespace compattatore::cli {

enum class TipoFile { planimetria, voci, percorso };

// "ROUTE_linea.dat" is a plan file, "ROUTE_TRAIN.sim" an entry file, any
// other ".dat" a track file; nullopt for any other name.
std::optional<TipoFile> tipo_da_nome(const std::filesystem::path& p);

// A file that cannot be read or decoded; the message is one line, starting
// with the path.
class FileIllegibile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes of a compiled file, within the tool's limit; throws
// FileIllegibile when it cannot be read.
std::string leggi_binario(const std::filesystem::path& p);

Planimetria carica_planimetria(const std::filesystem::path& p);
Voci carica_voci(const std::filesystem::path& p);
std::vector<Cella> carica_percorso(const std::filesystem::path& p, const std::optional<NomiGara>& nomi);

// The entry file of the same route and train as a track file: the same name
// with ".sim" for ".dat".
std::filesystem::path voci_accanto(const std::filesystem::path& percorso);

// The route and train a track file's name gives ("ROUTE_TRAIN.dat", split at
// the last underscore); nullopt when the name has no underscore.
std::optional<NomiGara> nomi_da_nome_file(const std::filesystem::path& percorso);

}  // namespace compattatore::cli
