// The compile of one scenario, without files: the core of
// `memorizza_percorso`. Reset, reading step, finishing rules, file marks and
// competition codes; the caller then writes the binary files.
#pragma once

#include <cstdint>

#include "model/scenario.hpp"
#include "readers/memorizza_dati.hpp"

namespace compattatore {


struct EsitoCompilazione {
    EsitoLettura lettura;  // which description texts the program deletes
    Stato arresto = Stato::nessuno;  // or the numbered error stop: marchio_occupato, codice_gara_occupato
    bool percorso_assente = false;  // the track was never sized: no binary file can be written
};

// Stamps the file marks and then the competition codes into cell 1 and entry
// 85 of a sized track. Returns Stato::nessuno; marchio_occupato when a mark
// slot is already taken (nothing stamped); codice_gara_occupato when a code
// slot is (the marks stamped, no code).
Stato marchia(Scenario& s);

// memorizza_percorso(j) up to the files: stores j in scrivi_linea, resets
// codice_errore, clears voci, reads, finishes, stamps marks and codes. When
// the reading leaves the track unsized nothing after it runs: the result says
// percorso_assente and codice_errore holds a status that says why.
// With registro, the reading is recorded there as well.
EsitoCompilazione compila(Scenario& s, std::int32_t j, const Descrizioni& d, Registro* registro = nullptr);

}  // namespace compattatore
