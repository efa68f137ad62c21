// Compiled tables back to description texts.
//
// The tables of a compiled scenario (plan, entry and track file) are read
// entry by entry into the line and train descriptions that give them:
//   - the general data from entries 81 to 86 (the kilometric progressives in
//     an order that sorts back to the stored one);
//   - the gradient, speed and adhesion profiles as entries at their changes;
//   - mountain zones from the cells' zone types and markers;
//   - speed boards (values that pack to the stored ones), indication boards
//     in the order of their text slots, stations with all their fields,
//     signals and slowdowns from their cells;
//   - the code points the description gave, told apart from those the
//     finishing rules place (which are left to the rules);
//   - the curves from the plan's points (none without a plan).
// Then the texts are compiled and their tables set against the given ones:
// the result says what cannot be represented and where, or that the texts
// give back the same tables, byte for byte.
#pragma once

#include <string>
#include <vector>

#include "decompila/ritorno.hpp"
#include "model/messaggio.hpp"

namespace compattatore::decompila {

struct Decompilato {
    std::string linea;  // the line description
    std::string treno;  // the train description
    std::string nome_percorso;  // from entry 85
    std::string numero_treno;   // from entry 86
    // What no description can give, and where the compiled texts differ from
    // the tables; empty when the round trip is exact.
    std::vector<Messaggio> problemi;

    bool esatto() const { return problemi.empty(); }
};

Decompilato decompila(const Tabelle& t);

}  // namespace compattatore::decompila
