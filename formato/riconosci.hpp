// The kind of a compiled file told by its content, for tools given files
// under any name. Only a few bytes are read, never the whole file.
//
// A track file is a whole number of 15-byte cells, at least two, with the
// mark 5121 in cell 1. An entry file is 87 entries that end exactly at the
// end of the file, with the mark 610 in entry 85. Both are proofs. A plan
// file has no mark: its first element is the Integer 0 or Empty, and its size
// is even; that is a likeness only, which a name can overrule.
#pragma once

#include <optional>

#include "formato/fonte.hpp"
#include "formato/nomi_file.hpp"

namespace compattatore {

struct Riconoscimento {
    TipoFile tipo = TipoFile::percorso;
    bool certo = false;  // proved by a mark (track, entry), not only alike (plan)
};

std::optional<Riconoscimento> riconosci_contenuto(Fonte& fonte);

}  // namespace compattatore
