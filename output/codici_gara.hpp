// The competition codes: character sums over the first 25 characters of the
// train number joined to the route name, lower-cased, padded with
// "mmnnbbvvccxxzzllkkhhggffdd".
#pragma once

#include <cstdint>
#include <string_view>

namespace compattatore {

// Plain code: the sum of the 25 character codes (Windows-1252, 0 to 255).
std::int16_t codice_gara_og(std::string_view numero_treno, std::string_view nome_percorso);

// Weighted code: the sum of p * code of character p, p = 1 to 25.
std::int32_t codice_gara_st(std::string_view numero_treno, std::string_view nome_percorso);

}  // namespace compattatore
