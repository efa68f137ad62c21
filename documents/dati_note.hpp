// The scenario notes: a short text for the player about the service.
#pragma once

#include <span>
#include <string_view>

#include "driver/base/ambiente.hpp"

namespace compattatore {

// The content as a list of lines; the last entry is the end marker.
std::span<const std::string_view> contenuto_note();

// Writes the content to its file in the application folder.
void dati_note(Ambiente& a, std::string_view nome_percorso, std::string_view numero_treno);

}  // namespace compattatore
