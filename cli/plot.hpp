// The scenario drawing: one self-contained SVG of a scenario, readable at a
// glance. On top, the map of the line from the plan with stations, signals
// and boards; under it, on one kilometre axis, the elevation integrated from
// the gradients (with the gradient values), the speed limit as a step line
// with the slowdowns shaded, the mountain zones, the cab-signal section and
// the kilometric progressives, and the stations, speed boards, signals and
// code points; a legend at the bottom. Labels never overlap: those that find
// no room are grouped ("3 boards", the detail in the tooltip).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/cella.hpp"
#include "model/planimetria.hpp"
#include "model/voce.hpp"

namespace compattatore::cli {

struct OpzioniDisegno {
    std::optional<double> da, a;  // the metres drawn; the whole track when absent
    std::string avviso;           // not empty: a banner across the top (a refused or partly read scenario)
};

// The SVG document of a scenario's tables. The plan may be absent (nullptr)
// or Empty: the map then says so.
std::string disegna_scenario(const Planimetria* planimetria, const Voci& voci, const std::vector<Cella>& percorso,
                             const OpzioniDisegno& opzioni = {});

// The metres a drawing spans: the window asked for, cut to the track, or the
// whole track.
struct Finestra {
    double da = 0, a = 0;
};
Finestra finestra_di(const OpzioniDisegno& o, std::size_t celle);

}  // namespace compattatore::cli
