// Windows-1252, the encoding of the description texts and of the entry
// file's strings, and UTF-8, the encoding of what the tool prints and of the
// editor's texts: the one table between them.
#pragma once

#include <string>
#include <string_view>

namespace compattatore {

// The code point of a Windows-1252 byte; the five bytes that code nothing
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) give U+FFFD.
char32_t codice_1252(unsigned char b);

// The Windows-1252 byte of a code point, or -1 when it has none.
int byte_1252(char32_t c);

// Appends the UTF-8 bytes of a code point below U+10000.
void aggiungi_utf8(std::string& out, char32_t c);

// Windows-1252 bytes to UTF-8.
std::string utf8_da_1252(std::string_view testo);

}  // namespace compattatore
