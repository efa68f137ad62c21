// The compile of one scenario, without files: the core of
// `memorizza_percorso`. Reset, reading step, finishing rules, file marks and
// competition codes; the caller then writes the binary files.
#pragma once

#include <cstdint>

#include "model/scenario.hpp"
#include "readers/memorizza_dati.hpp"

namespace compattatore {

// The numbered error stops of the compile.
inline constexpr int errore_marchio = 1250;  // a file-mark slot already taken
inline constexpr int errore_codice = 1251;   // a competition-code slot already taken

struct EsitoCompilazione {
    EsitoLettura lettura;  // which description texts the program deletes
    int arresto = 0;       // 0, or the numbered error stop (1250, 1251)
    bool percorso_assente = false;  // the track was never sized: no binary file can be written
};

// Stamps the file marks and then the competition codes into cell 1 and entry
// 85 of a sized track. Returns 0; errore_marchio when a mark slot is already
// taken (nothing stamped); errore_codice when a code slot is (the marks
// stamped, no code).
int marchia(Scenario& s);

// memorizza_percorso(j) up to the files: stores j in scrivi_linea, resets
// codice_errore, clears voci, reads, finishes, stamps marks and codes. When
// the reading leaves the track unsized nothing after it runs: the result says
// percorso_assente and codice_errore holds a non-zero status.
EsitoCompilazione compila(Scenario& s, std::int32_t j, const Descrizioni& d);

}  // namespace compattatore
