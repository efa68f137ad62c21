// The text of an open document: the editor holds it as UTF-8, the readers
// take Windows-1252 bytes. Every character of the editor's text becomes
// exactly one byte, so a line and column of the one text is a line and column
// of the other; a character with no Windows-1252 byte becomes "?" and is
// reported at its place.
//
// Positions of the protocol count a line's characters in UTF-16 code units,
// or in UTF-8 bytes when both sides agreed on it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace compattatore::lsp {

enum class Codifica { utf16, utf8 };

struct Posizione {
    std::int64_t riga = 0;       // 0-based
    std::int64_t carattere = 0;  // 0-based, in the negotiated unit
    bool operator==(const Posizione&) const = default;
};

// A character the description files cannot hold.
struct Intraducibile {
    std::int64_t riga = 0;    // 0-based
    std::int64_t colonna = 0; // 0-based byte of the Windows-1252 text
    char32_t carattere = 0;
};

struct Testo1252 {
    std::string byte;
    std::vector<Intraducibile> intraducibili;
};

// UTF-8 (as the protocol guarantees it; a malformed sequence counts as one
// unconvertible character per byte) to Windows-1252.
Testo1252 in_1252(std::string_view utf8);

// The starts of the lines of a text (line ends: CR LF, LF or CR, as the
// readers count them).
std::vector<std::size_t> inizi_righe(std::string_view testo);

// Where a 0-based byte column of the Windows-1252 text of line `riga` falls in
// the editor's text (the same line, counted in the negotiated unit).
std::int64_t carattere_di(std::string_view utf8, const std::vector<std::size_t>& righe_utf8, std::int64_t riga,
                          std::int64_t colonna, Codifica c);

// The other way: the 0-based character column of the protocol to a byte
// offset of the editor's UTF-8 text (clamped to the line). Lines past the end
// give the end of the text.
std::size_t offset_utf8(std::string_view utf8, const std::vector<std::size_t>& righe_utf8, Posizione p, Codifica c);

// The 0-based byte column of the Windows-1252 line that the protocol position
// falls on (one byte per character).
std::int64_t colonna_di(std::string_view utf8, const std::vector<std::size_t>& righe_utf8, Posizione p, Codifica c);

}  // namespace compattatore::lsp
