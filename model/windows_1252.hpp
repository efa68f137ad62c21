// Windows-1252, the encoding of the description texts and of the entry
// file's strings, turned into UTF-8 for what the tool prints.
#pragma once

#include <string>
#include <string_view>

namespace compattatore {

// Windows-1252 bytes to UTF-8; the five bytes that code nothing (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become U+FFFD.
std::string utf8_da_1252(std::string_view testo);

}  // namespace compattatore
