// The canonical order of the three kilometric-progressive definitions.
//
// The definitions stand in voci(81) (slot 1, "tre"), voci(82) (slot 2, "due")
// and voci(83) (slot 3, "uno"), each as inizio, fine, posizione; a definition
// always moves as a whole. When the first values (inizio) add up to something
// other than 0, the greatest first value goes to slot 1; definitions tied for
// the greatest keep their slot order, and of the two smaller ones a tie puts
// the one from the higher slot in slot 2. When they add up to 0, the second
// values (fine) decide: slot 3 before slot 2 before slot 1 changes places with
// slot 1 when its fine is positive; with no positive fine all nine members
// become 0. Last, every definition whose posizione is 1 gets 100 added to its
// fine.
#pragma once

#include "model/scenario.hpp"

namespace compattatore {

// Throws ErroreLettura when the adjustment of a fine would leave 32 bits.
void progressive_ordina(Scenario& s);

}  // namespace compattatore
