// What a track cell holds, in words, for the diagnostics of the recorders:
// "cell 11 already holds a text board".
#pragma once

#include <cstdint>
#include <string>

namespace compattatore {

// "a signal", "a speed board", "a text board", ... for a cell type code.
std::string contenuto_cella(std::uint8_t tipo);

}  // namespace compattatore
