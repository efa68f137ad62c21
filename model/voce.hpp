// One entry of the entry table `voci`: a station, an indication-board text or
// a group of scenario parameters. Its layout on file is in
// formato/file_voci.hpp.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace compattatore {

struct Voce {
    std::uint8_t tipo = 0;
    std::int32_t inizio = 0;
    std::int32_t fine = 0;
    std::int32_t posizione = 0;
    std::uint8_t prolunga = 0;
    std::string nome;  // Windows-1252 bytes
    std::int16_t dato_a = 0;
    std::int16_t dato_b = 0;
    std::int16_t dato_c = 0;
    std::int16_t dato_d = 0;
    std::int16_t dato_e = 0;
    std::uint8_t opzione_a = 0;
    std::uint8_t opzione_b = 0;
    std::uint8_t opzione_c = 0;
    std::uint8_t opzione_d = 0;
    std::int32_t orario = 0;

    bool operator==(const Voce&) const = default;
};

inline constexpr int numero_voci = 87;  // indices 0 to 86

// The longest `nome` an entry of the entry file can hold: its length is a
// signed 2-byte field.
inline constexpr std::size_t nome_massimo = 32767;

// Fixed indices of `voci`.
namespace indice_voce {
inline constexpr int primo_cartello = 80;      // board texts from 80 downward
inline constexpr int progressiva_tre = 81;
inline constexpr int progressiva_due = 82;
inline constexpr int progressiva_uno = 83;
inline constexpr int parametri_treno = 84;     // braked mass, line length, cars
inline constexpr int linea = 85;               // backgrounds, route name, marks
inline constexpr int treno = 86;               // cab signals, train number, sand, clock
}  // namespace indice_voce

using Voci = std::array<Voce, numero_voci>;

}  // namespace compattatore
