// The competition codes: character sums over the first 25 characters of the
// train number joined to the route name, lower-cased, padded with
// "mmnnbbvvccxxzzllkkhhggffdd".
//
// Names are Windows-1252 bytes; each character counts as its unsigned code
// (0 to 255). Lower-casing follows Windows-1252: A-Z, the upper-case letters
// 0xC0-0xDE (but not 0xD7, the multiplication sign), and 0x8A, 0x8C, 0x8E,
// 0x9F, so a name gives the same codes whatever its letter case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace compattatore {

inline constexpr std::string_view riempitivo_codici = "mmnnbbvvccxxzzllkkhhggffdd";
inline constexpr int caratteri_codice = 25;

// The Windows-1252 lower-case form of one byte.
unsigned char minuscola_1252(unsigned char c);

// The working text: train number + route name, lower-cased, then the pad.
std::string testo_codici(std::string_view numero_treno, std::string_view nome_percorso);

// Plain code: the sum of the 25 character codes (at most 6375).
std::int16_t codice_gara_og(std::string_view numero_treno, std::string_view nome_percorso);

// Weighted code: the sum of p * code of character p, p = 1 to 25 (at most 82875).
std::int32_t codice_gara_st(std::string_view numero_treno, std::string_view nome_percorso);

}  // namespace compattatore
