// The marks, tags and sizes of the three binary scenario files, each named
// once. The layouts are beside their coding: formato/file_planimetria.hpp,
// formato/file_voci.hpp, formato/file_percorso.hpp.
#pragma once

#include <cstdint>

#include "model/scenario.hpp"
#include "model/voce.hpp"

namespace compattatore {

// Element tags of the plan file: a 2-byte tag, then the value.
inline constexpr std::int16_t tag_vuoto = 0;   // Empty: no value
inline constexpr std::int16_t tag_intero = 2;  // Integer: 2 bytes
inline constexpr std::int16_t tag_doppio = 5;  // Double: 8 bytes
inline constexpr std::size_t byte_tag = 2;
inline constexpr std::size_t byte_elemento_intero = byte_tag + 2;
inline constexpr std::size_t byte_elemento_doppio = byte_tag + 8;

// A cell of the track file.
inline constexpr int byte_cella = 15;

// An entry of the entry file: 34 bytes and its name. The entry file holds the
// numero_voci (87) entries of the table and nothing else.
inline constexpr int byte_voce_senza_nome = 34;
inline constexpr int byte_voce_prima_del_nome = 16;  // tipo to the name length
inline constexpr int nome_voce_massimo = 32767;      // the name length is a signed 2-byte field

// The file marks: 5121 in valore_1 of cell 1 (track file bytes 16-17: 01 14),
// 610 in dato_a of entry 85.
inline constexpr int cella_marchio = 1;
inline constexpr int voce_marchio = indice_voce::linea;
inline constexpr std::int16_t marchio_percorso = 5121;
inline constexpr std::int16_t marchio_voci = 610;
// Cell 1's bytes holding the mark (valore_1) and the plain competition code
// (valore_2).
inline constexpr int offset_marchio_percorso = cella_marchio * byte_cella + 1;
inline constexpr int offset_codice_percorso = cella_marchio * byte_cella + 3;

// The largest valid files: those of a line of lunghezza_massima metres plus
// the extension, one plan point per metre and one cell per 50 m.
inline constexpr std::int64_t punti_massimi = std::int64_t{lunghezza_massima} + prolungamento + 1;
inline constexpr std::int64_t celle_massime = (std::int64_t{lunghezza_massima} + prolungamento) / 50 + 1;

// The largest valid file of each kind, in bytes: the plan with Doubles on
// every point but the seed's two Integers, in both columns; every entry with
// the longest name; the cells of the longest line. A larger file is none of
// this system's, and the tools refuse it before reading it.
inline constexpr std::int64_t byte_planimetria_massimi =
    2 * (2 * std::int64_t{byte_elemento_intero} + (punti_massimi - 2) * std::int64_t{byte_elemento_doppio});
inline constexpr std::int64_t byte_voci_massimi =
    std::int64_t{numero_voci} * (byte_voce_senza_nome + nome_voce_massimo);
inline constexpr std::int64_t byte_percorso_massimi = celle_massime * byte_cella;
static_assert(byte_planimetria_massimi == 20139996);
static_assert(byte_percorso_massimi == 302115);

}  // namespace compattatore
