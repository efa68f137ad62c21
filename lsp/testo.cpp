#include "lsp/testo.hpp"

#include <algorithm>
#include <array>

#include "model/windows_1252.hpp"

namespace compattatore::lsp {

namespace {

// One code point from s at i; advances i. A malformed sequence gives
// 0xFFFFFFFF and consumes one byte.
constexpr char32_t malformato = 0xFFFFFFFF;
char32_t leggi(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    int n = 0;
    char32_t c = 0;
    if (b < 0x80) { ++i; return b; }
    if ((b & 0xE0) == 0xC0) { n = 1; c = b & 0x1F; }
    else if ((b & 0xF0) == 0xE0) { n = 2; c = b & 0x0F; }
    else if ((b & 0xF8) == 0xF0) { n = 3; c = b & 0x07; }
    else { ++i; return malformato; }
    if (i + static_cast<std::size_t>(n) >= s.size()) {
        ++i;
        return malformato;
    }
    for (int k = 1; k <= n; ++k) {
        const auto x = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((x & 0xC0) != 0x80) { ++i; return malformato; }
        c = (c << 6) | (x & 0x3F);
    }
    i += static_cast<std::size_t>(n) + 1;
    return c;
}

std::int64_t unita(char32_t c, Codifica cod) {
    if (cod == Codifica::utf16) return c >= 0x10000 && c != malformato ? 2 : 1;
    if (c == malformato || c < 0x80) return 1;
    if (c < 0x800) return 2;
    if (c < 0x10000) return 3;
    return 4;
}

bool fine_riga(char c) { return c == '\r' || c == '\n'; }

}  // namespace

Testo1252 in_1252(std::string_view utf8) {
    Testo1252 r;
    r.byte.reserve(utf8.size());
    std::int64_t riga = 0;
    std::int64_t colonna = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t c = leggi(utf8, i);
        const int b = c == malformato ? -1 : byte_1252(c);
        if (b < 0) {
            r.intraducibili.push_back({riga, colonna, c});
            r.byte.push_back('?');
        } else {
            r.byte.push_back(static_cast<char>(b));
        }
        ++colonna;
        if (c == '\n' || (c == '\r' && (i >= utf8.size() || utf8[i] != '\n'))) {
            ++riga;
            colonna = 0;
        }
    }
    return r;
}

std::vector<std::size_t> inizi_righe(std::string_view testo) {
    std::vector<std::size_t> r{0};
    for (std::size_t i = 0; i < testo.size(); ++i) {
        if (testo[i] == '\n' || (testo[i] == '\r' && (i + 1 >= testo.size() || testo[i + 1] != '\n'))) {
            r.push_back(i + 1);
        }
    }
    return r;
}

std::int64_t carattere_di(std::string_view utf8, const std::vector<std::size_t>& righe, std::int64_t riga,
                          std::int64_t colonna, Codifica c) {
    if (riga < 0 || static_cast<std::size_t>(riga) >= righe.size()) return 0;
    std::size_t i = righe[static_cast<std::size_t>(riga)];
    std::int64_t u = 0;
    for (std::int64_t k = 0; k < colonna && i < utf8.size() && !fine_riga(utf8[i]); ++k) u += unita(leggi(utf8, i), c);
    return u;
}

std::size_t offset_utf8(std::string_view utf8, const std::vector<std::size_t>& righe, Posizione p, Codifica c) {
    if (p.riga < 0) return 0;
    if (static_cast<std::size_t>(p.riga) >= righe.size()) return utf8.size();
    std::size_t i = righe[static_cast<std::size_t>(p.riga)];
    std::int64_t u = 0;
    while (i < utf8.size() && !fine_riga(utf8[i])) {
        std::size_t j = i;
        u += unita(leggi(utf8, j), c);
        if (u > p.carattere) break;
        i = j;
    }
    return i;
}

std::int64_t colonna_di(std::string_view utf8, const std::vector<std::size_t>& righe, Posizione p, Codifica c) {
    if (p.riga < 0 || static_cast<std::size_t>(p.riga) >= righe.size()) return 0;
    const std::size_t fine = offset_utf8(utf8, righe, p, c);
    std::size_t i = righe[static_cast<std::size_t>(p.riga)];
    std::int64_t n = 0;
    while (i < fine) {
        leggi(utf8, i);
        ++n;
    }
    return n;
}


}  // namespace compattatore::lsp
