#include "model/windows_1252.hpp"

#include <array>
#include <cstdint>

namespace compattatore {

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 marks the ones that code nothing.
constexpr std::array<std::uint16_t, 32> alti = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::uint32_t codice(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        const std::uint16_t cp = alti[b - 0x80];
        return cp != 0 ? cp : 0xFFFD;
    }
    return b;
}

}  // namespace

std::string utf8_da_1252(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (const char c : testo) {
        const std::uint32_t cp = codice(static_cast<unsigned char>(c));
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

}  // namespace compattatore
