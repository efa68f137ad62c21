// The data of the interactive view, as one JSON object the page's script
// draws from: the line's identity and length, the plan sampled along the
// line, the profiles as runs, the stretches, and every feature with what it
// is and the file:line of the entry it came from.
#pragma once

#include <string>

#include "cli/vista_dati.hpp"

namespace compattatore::cli {

// The JSON text, safe to place inside a <script> element (no "<").
std::string dati_vista(const Disegnabile& d);

}  // namespace compattatore::cli
