// The print rule of every text file: the content is a list of lines closed by
// the end marker "riferimento fine del file"; each line before the marker is
// written as it stands (Windows-1252 bytes, blanks kept) followed by CR LF.
// The marker itself is never written; a list that starts with it gives an
// empty file.
#pragma once

#include <span>
#include <string_view>

#include "formato/uscita.hpp"

namespace compattatore {

inline constexpr std::string_view fine_del_file = "riferimento fine del file";

void stampa(std::span<const std::string_view> righe, Uscita& uscita);

}  // namespace compattatore
