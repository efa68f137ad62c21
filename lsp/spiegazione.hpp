// An entry of a description in words, for the hover: its kind, each value
// named with its unit, and the cells and metres it lands on.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "lsp/righe.hpp"

namespace compattatore::lsp {

// Markdown (UTF-8), in the given language. `sotto` is the value field under
// the cursor, if any.
// The entry's own texts (board texts, station names) are given in UTF-8.
std::string spiega(const VoceRiga& v, std::optional<std::size_t> sotto, Lingua lingua);

}  // namespace compattatore::lsp
