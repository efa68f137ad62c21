// One cell of the track array `percorso`: 50 m of line. Its layout on file
// is in formato/file_percorso.hpp.
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

// The length of line one cell stands for.
inline constexpr std::int32_t metri_cella = 50;

// The metre a feature of the given cell type stands at, as every report
// names it. Point features (signals, boards, slowdown marks) go to cell
// p / 50 + 1 of their position p, so their metre is (cell - 1) x 50;
// everything else (stretch values, stops, code points, markers) is cell x 50.
constexpr std::int32_t metro_di(std::uint8_t tipo, std::int64_t cella) {
    switch (tipo) {
        case tipo_cella::segnale:
        case tipo_cella::fine_rallentamento:
        case tipo_cella::inizio_rallentamento:
        case tipo_cella::avviso_rallentamento:
        case tipo_cella::indicatore_v_max:
        case tipo_cella::cartello: return static_cast<std::int32_t>((cella - 1) * metri_cella);
        default: return static_cast<std::int32_t>(cella * metri_cella);
    }
}

}  // namespace compattatore
