// Text helpers of the command-line tool: the system's texts are
// Windows-1252 bytes; what the tool prints is UTF-8, and JSON strings are
// escaped.
#pragma once

#include <string>
#include <string_view>

#include "model/windows_1252.hpp"

namespace compattatore::cli {

using compattatore::utf8_da_1252;

// A JSON string literal (with its quotes) of a Windows-1252 text.
std::string json_testo(std::string_view testo_1252);

// A JSON string literal of a text that is UTF-8 already (a path).
std::string json_utf8(std::string_view testo);

}  // namespace compattatore::cli
