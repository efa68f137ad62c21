// Generated scenarios of any length, for benchmarks: a line description with
// curves, gradients, mountain zones, speed boards and indication boards spread
// along it, and a train description with stations, signals, slowdowns and
// profile changes. The features are placed on cells that never collide, so a
// generated scenario compiles with status 0 at every length.
#pragma once

#include <cstdint>
#include <string>

namespace compattatore::banco {

struct ScenarioGenerato {
    std::string linea;  // line description text (CR LF)
    std::string treno;  // train description text (CR LF)
};

// A scenario over a line of `lunghezza` metres (1000 to 1,000,000).
ScenarioGenerato genera_scenario(std::int32_t lunghezza);

}  // namespace compattatore::banco
