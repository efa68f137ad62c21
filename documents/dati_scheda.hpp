// The train card: the service's heading boxes and timetable grid for the driver.
#pragma once

#include <span>
#include <string_view>

#include "driver/base/ambiente.hpp"

namespace compattatore {

// The content as a list of lines; the last entry is the end marker.
std::span<const std::string_view> contenuto_scheda();

// Writes the content to its file in the application folder.
void dati_scheda(Ambiente& a, std::string_view nome_percorso, std::string_view numero_treno);

}  // namespace compattatore
