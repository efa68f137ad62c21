// The track file (route + "_" + train + ".dat"): the cells of `percorso`,
// and nothing before or after them. A cell is 15 bytes, little-endian,
// members in this order and at these widths:
//   0 tipo (1)  1 valore_1 (2)  3 valore_2 (2)  5 valore_3 (2)  7 valore_4 (2)
//   9 tempo_segnale (1)  10 preavviso (1)  11 montagna (1)
//   12 velocita_limite (1)  13 pendenza (1)  14 aderenza (1)
// Cell 1 holds the file mark 5121 in valore_1 and the plain competition code
// in valore_2.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "formato/decodifica.hpp"
#include "formato/uscita.hpp"
#include "model/cella.hpp"

namespace compattatore {

void scrivi_percorso(const std::vector<Cella>& percorso, Uscita& uscita);

// At least cells 0 and 1, the mark 5121 in cell 1. When the names are given,
// the plain competition code in cell 1 must match them.
Decodifica<std::vector<Cella>> decodifica_percorso(std::string_view byte,
                                                   const std::optional<NomiGara>& nomi = std::nullopt);

}  // namespace compattatore
