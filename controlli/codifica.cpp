#include "controlli/codifica.hpp"

#include "controlli/messaggi.hpp"
#include "model/windows_1252.hpp"

namespace compattatore {

namespace {

bool seguito(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::size_t sequenza_utf8(std::string_view t, std::size_t i, char32_t* punto) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[i + k]); };
    const unsigned char c = b(0);
    std::size_t n = 0;
    char32_t v = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        v = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        v = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        v = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > t.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if (!seguito(b(k))) return 0;
        v = (v << 6) | (b(k) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((n == 3 && v < 0x800) || (n == 4 && (v < 0x10000 || v > 0x10FFFF)) || (v >= 0xD800 && v <= 0xDFFF)) return 0;
    if (punto) *punto = v;
    return n;
}

Conversione da_utf8_a_1252(std::string_view t, Sorgente sorgente) {
    Conversione r;
    r.testo.reserve(t.size());
    std::size_t i = t.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    std::int32_t riga = 1;
    std::size_t inizio_riga = 0;
    while (i < t.size()) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (c < 0x80) {
            r.testo += t[i];
            ++i;
            if (c == '\n' || (c == '\r' && (i >= t.size() || t[i] != '\n'))) {
                ++riga;
                inizio_riga = i;
            }
            continue;
        }
        char32_t punto = 0;
        const std::size_t n = sequenza_utf8(t, i, &punto);
        const int b = n ? byte_1252(punto) : -1;
        if (b >= 0) {
            r.testo += static_cast<char>(b);
            i += n;
            continue;
        }
        Diagnostica d;
        d.stato = Stato::carattere_senza_1252;
        d.sorgente = sorgente;
        d.riga = riga;
        d.colonna = static_cast<std::int32_t>(i - inizio_riga) + 1;
        d.colonna_fine = d.colonna + static_cast<std::int32_t>(n ? n : 1);
        d.messaggio = Messaggio(n ? messaggi::controllo_senza_1252 : messaggi::controllo_non_utf8);
        r.errori.push_back(std::move(d));
        i += n ? n : 1;
    }
    return r;
}

}  // namespace compattatore
