// The train description of the embedded scenario: the train service as text.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "driver/base/ambiente.hpp"

namespace compattatore {

// The content as a list of lines; the last entry is the end marker.
std::span<const std::string_view> contenuto_treno();

// The content as the printed text: the bytes of the file.
std::string testo_treno();

// Writes the content to its file in the application folder.
void dati_treno(Ambiente& a, std::string_view nome_percorso, std::string_view numero_treno);

}  // namespace compattatore
