// The compiled files of a scenario as the tools find them on disk: the bytes
// and the decoded tables. The naming of the files is formato/nomi_file.hpp.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "formato/decodifica.hpp"
#include "formato/nomi_file.hpp"
#include "model/cella.hpp"
#include "model/planimetria.hpp"
#include "model/voce.hpp"

namespace compattatore::cli {

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

}  // namespace compattatore::cli
