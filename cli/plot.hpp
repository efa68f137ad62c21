// The scenario drawing: one self-contained SVG of a scenario, readable at a
// glance. On top, the map of the line from the plan with stations, signals
// and boards; under it, on one kilometre axis, the elevation integrated from
// the gradients (with the gradient values), the speed limit as a step line
// with the slowdowns shaded, and markers for stations, signals and code
// points; a legend at the bottom.
#pragma once

#include <string>
#include <vector>

#include "model/cella.hpp"
#include "model/planimetria.hpp"
#include "model/voce.hpp"

namespace compattatore::cli {

// The SVG document of a scenario's tables. The plan may be absent (nullptr)
// or Empty: the map then says so.
std::string disegna_scenario(const Planimetria* planimetria, const Voci& voci, const std::vector<Cella>& percorso);

}  // namespace compattatore::cli
