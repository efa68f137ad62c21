// What plot and view draw from: the tables of a scenario, loaded from its
// descriptions (compiled in memory) or from its compiled files, with the
// banner a refused or partly read scenario gets and the window of
// --from KM --to KM.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "cli/argomenti.hpp"
#include "cli/messaggi.hpp"
#include "cli/plot.hpp"
#include "model/cella.hpp"
#include "model/planimetria.hpp"
#include "model/voce.hpp"

namespace compattatore::cli {

struct Disegnabile {
    Planimetria planimetria;
    Voci voci{};
    std::vector<Cella> percorso;
    OpzioniDisegno opzioni;
    std::string nome_linea, nome_treno;  // the description files as given; empty from compiled files
    std::string testo_linea, testo_treno;  // their bytes, for the lines of the entries
    int esito = 0;                       // the exit status once drawn
};

// The options both commands take besides -o.
inline constexpr Opzione opzione_da{"--from", "", "KM", messaggi::aiuto_opz_da};
inline constexpr Opzione opzione_a{"--to", "", "KM", messaggi::aiuto_opz_a};

// Loads what a and its positionals name (checked for the command); prints
// the compile's report to err. Empty when there is nothing to draw (the
// status then in esito).
std::optional<Disegnabile> carica_disegnabile(std::string_view comando, const Argomenti& a, std::ostream& err,
                                              int& esito);

}  // namespace compattatore::cli
