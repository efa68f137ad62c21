// The reading step: the line description and then the train description are
// read field by field, checked and compiled into the scenario tables.
//
// The step works on text in memory. It never touches a file: it says which
// texts it has consumed, and the caller deletes them (the program) or keeps
// them (the command-line tool).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/scenario.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore {

// The two description texts; std::nullopt when a text does not exist.
struct Descrizioni {
    std::optional<std::string_view> linea;
    std::optional<std::string_view> treno;
};

// Which texts the reading step has done with: the program deletes them.
struct EsitoLettura {
    bool elimina_linea = false;
    bool elimina_treno = false;
};

// Reads both descriptions into s. The caller has cleared `voci` and reset
// `codice_errore`; on return `codice_errore` holds the status
// (Stato::nessuno = all went well) and `diagnostiche` every problem found. Never throws for bad
// input: every run-time failure of the step ends in Stato::guasto_lettura.
// When registro is given, it records every field read (see registro.hpp);
// the tables and the status are the same either way.
EsitoLettura memorizza_dati(Scenario& s, const Descrizioni& d, Registro* registro = nullptr);

// How the line half ended.
struct FineLinea {
    bool leggi_treno = false;          // false: a stop; the train half does not run
    std::int32_t slot_cartelli = 80;   // the voci index the next board text would take
};

// The line half, from the search for "[generale]" to the end of the line text
// (gradient fill and straight plan included). Throws ErroreLettura or
// FuoriTabella on a run-time failure.
FineLinea leggi_linea(Scenario& s, LettoreCampi& campi);

// The train half, from the search for "[generale]" to the completion.
// Throws ErroreLettura or FuoriTabella on a run-time failure.
void leggi_treno(Scenario& s, LettoreCampi& campi, std::int32_t slot_cartelli);

}  // namespace compattatore
