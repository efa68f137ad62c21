// The panels of the scenario drawing, each drawn into its own box of the
// layout, top to bottom: the map, the elevation with the gradient band, the
// speed limit with the slowdowns, the kilometre axis and guides, the
// stations, signals and code points, and the legend.
#pragma once

#include "cli/plot_impaginazione.hpp"

namespace compattatore::cli::plot {

void disegna_mappa(Svg& s, const Disegno& d);
void disegna_quota(Svg& s, const Disegno& d);
void disegna_velocita(Svg& s, const Disegno& d);
void asse_km(Svg& s, const Disegno& d);
void linee_guida(Svg& s, const Disegno& d);
void disegna_tratti(Svg& s, const Disegno& d);
void disegna_segni(Svg& s, const Disegno& d);
void legenda(Svg& s, const Disegno& d);

}  // namespace compattatore::cli::plot
