// One cell of the track array `percorso`: 50 m of line.
//
// On file (track file) a cell is 15 bytes, little-endian, members in this
// order and at these widths:
//   0 tipo (1)  1 valore_1 (2)  3 valore_2 (2)  5 valore_3 (2)  7 valore_4 (2)
//   9 tempo_segnale (1)  10 preavviso (1)  11 montagna (1)
//   12 velocita_limite (1)  13 pendenza (1)  14 aderenza (1)
#pragma once

#include <cstdint>

namespace compattatore {

// Cell type codes (`tipo`).
namespace tipo_cella {
inline constexpr std::uint8_t vuota = 0;
inline constexpr std::uint8_t segnale = 1;
inline constexpr std::uint8_t fine_rallentamento = 2;
inline constexpr std::uint8_t inizio_rallentamento = 3;
inline constexpr std::uint8_t avviso_rallentamento = 4;
inline constexpr std::uint8_t prima_avviso = 5;        // the four cells before a warning board
inline constexpr std::uint8_t indicatore_v_max = 6;
inline constexpr std::uint8_t fermata = 10;            // station stopping point
inline constexpr std::uint8_t segnale_montagna = 11;   // mountain-zone marker
inline constexpr std::uint8_t punto_codice = 12;       // code point with a value
inline constexpr std::uint8_t abbattimento_zero = 13;  // "abbattimento" below 1
inline constexpr std::uint8_t cartello = 14;           // indication board with text
}  // namespace tipo_cella

struct Cella {
    std::uint8_t tipo = 0;
    std::int16_t valore_1 = 0;
    std::int16_t valore_2 = 0;
    std::int16_t valore_3 = 0;
    std::int16_t valore_4 = 0;
    std::uint8_t tempo_segnale = 0;
    std::uint8_t preavviso = 0;
    std::uint8_t montagna = 0;
    std::uint8_t velocita_limite = 0;  // km/h divided by 5
    std::uint8_t pendenza = 0;         // per mille plus 100
    std::uint8_t aderenza = 0;

    // A cell is free for a placement when nothing is on it but, at most, a
    // mountain-zone marker.
    bool libera() const { return tipo == tipo_cella::vuota || tipo == tipo_cella::segnale_montagna; }

    bool operator==(const Cella&) const = default;
};

inline constexpr int byte_cella = 15;

}  // namespace compattatore
