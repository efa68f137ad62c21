// The compiled files of a scenario as the tools find them on disk: the bytes
// and the decoded tables. The naming of the files is formato/nomi_file.hpp.
//
// Each file is checked before it is read: a regular file (cli/carica.hpp),
// and no larger than the largest valid file of its kind (formato/segni.hpp),
// so a huge file is refused at once instead of being read whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "formato/decodifica.hpp"
#include "formato/nomi_file.hpp"
#include "model/cella.hpp"
#include "model/messaggio.hpp"
#include "model/planimetria.hpp"
#include "model/voce.hpp"

namespace compattatore::cli {

struct RiassuntoPlanimetria;

// A file that cannot be read or decoded; the message is one line, starting
// with the path.
class FileIllegibile : public Errore {
public:
    using Errore::Errore;
};

// The largest file of kind t the tools read: the largest valid one.
std::uintmax_t massimo_di(TipoFile t);

// The bytes of a compiled file of kind t, within massimo_di(t); throws
// FileIllegibile when it cannot be read.
std::string leggi_binario(const std::filesystem::path& p, TipoFile t);

// The kind of the file at p: told by its content when a mark proves it,
// else by its name, else by its content's likeness to a plan; throws
// FileIllegibile when neither tells.
TipoFile tipo_di(const std::filesystem::path& p);

Planimetria carica_planimetria(const std::filesystem::path& p);
Voci carica_voci(const std::filesystem::path& p);
std::vector<Cella> carica_percorso(const std::filesystem::path& p, const std::optional<NomiGara>& nomi);

// The summary of a plan file, read a window at a time: the plan itself is
// never held.
RiassuntoPlanimetria riassumi_planimetria(const std::filesystem::path& p);

}  // namespace compattatore::cli
