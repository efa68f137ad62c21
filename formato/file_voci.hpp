// The entry file (route + "_" + train + ".sim"): the 87 entries of `voci`,
// index 0 to 86, and nothing before or after them. An entry is 34 + n bytes,
// little-endian, n = length of `nome` in bytes:
//   0 tipo (1)  1 inizio (4)  5 fine (4)  9 posizione (4)  13 prolunga (1)
//   14 n (2)  16 nome (n, Windows-1252)
//   16+n dato_a (2)  18+n dato_b (2)  20+n dato_c (2)  22+n dato_d (2)
//   24+n dato_e (2)  26+n opzione_a (1)  27+n opzione_b (1)
//   28+n opzione_c (1)  29+n opzione_d (1)  30+n orario (4)
// Entry 85 holds the file mark 610 in dato_a and the weighted competition
// code in orario.
#pragma once

#include <string_view>

#include "formato/decodifica.hpp"
#include "formato/uscita.hpp"
#include "model/voce.hpp"

namespace compattatore {

// Throws std::length_error, writing nothing, when a name is longer than
// 32767 bytes (its length would not fit the 2-byte field).
void scrivi_voci(const Voci& voci, Uscita& uscita);

// 87 entries and nothing after them; the mark 610 in entry 85 and its
// weighted competition code matching the names in entries 85 (route) and 86
// (train).
Decodifica<Voci> decodifica_voci(std::string_view byte);

}  // namespace compattatore
