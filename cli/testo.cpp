#include "cli/testo.hpp"

#include <array>
#include <cstdint>

namespace compattatore::cli {

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 marks the undefined ones.
constexpr std::array<std::uint16_t, 32> alti = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void aggiungi_utf8(std::string& out, std::uint32_t cp) {
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
    for (const char c : testo) aggiungi_utf8(out, codice(static_cast<unsigned char>(c)));
    return out;
}

namespace {
std::string json(std::string_view testo, bool da_1252) {
    std::string out = "\"";
    for (const char c : testo) {
        const auto b = static_cast<unsigned char>(c);
        switch (b) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (b < 0x20) {
                    out += "\\u00";
                    out += "0123456789abcdef"[b >> 4];
                    out += "0123456789abcdef"[b & 0xFu];
                } else if (da_1252) {
                    aggiungi_utf8(out, codice(b));
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}
}  // namespace

std::string json_testo(std::string_view testo_1252) { return json(testo_1252, true); }
std::string json_utf8(std::string_view testo) { return json(testo, false); }

}  // namespace compattatore::cli
