// UTF-8 input read as the Windows-1252 the descriptions are written in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/diagnostica.hpp"

namespace compattatore {

struct Conversione {
    std::string testo;                // Windows-1252, byte-order mark dropped
    std::vector<Diagnostica> errori;  // each character with no Windows-1252 byte, at its column
};

Conversione da_utf8_a_1252(std::string_view utf8, Sorgente sorgente);

// The length of a well-formed UTF-8 sequence of two to four bytes at t[i];
// 0 when there is none.
std::size_t sequenza_utf8(std::string_view t, std::size_t i, char32_t* punto = nullptr);

}  // namespace compattatore
