#include "model/windows_1252.hpp"

#include <array>
#include <cstddef>

namespace compattatore {

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 marks the ones that code nothing.
constexpr std::array<char16_t, 32> alti = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

char32_t codice_1252(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        const char16_t cp = alti[b - 0x80];
        return cp != 0 ? cp : 0xFFFD;
    }
    return b;
}

int byte_1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < alti.size(); ++i) {
        if (alti[i] != 0 && alti[i] == c) return static_cast<int>(0x80 + i);
    }
    return -1;
}

void aggiungi_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string utf8_da_1252(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (const char c : testo) aggiungi_utf8(out, codice_1252(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace compattatore
