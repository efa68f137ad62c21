// The report of a compile: every diagnostic as compilers print them,
//   PATH:LINE:COLUMN: error N: what is wrong (cell C, P m)
// or, with --json, one JSON object with the final status, every diagnostic
// and the files written.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "model/diagnostica.hpp"
#include "model/stato.hpp"

namespace compattatore::cli {

struct Rapporto {
    std::string percorso_linea;  // the paths as the user gave them
    std::string percorso_treno;
    std::vector<Diagnostica> diagnostiche;
    Stato codice_errore = Stato::nessuno;
    std::int32_t posizione_errore = 0;
    Stato arresto = Stato::nessuno;  // a numbered error stop of the compile, or none
    std::vector<std::string> file_scritti;
    bool rifiutato = false;          // a description was refused
};

// One diagnostic as a line of text (no line end).
std::string riga_diagnostica(const Rapporto& r, const Diagnostica& d);

void stampa_testo(const Rapporto& r, std::ostream& err);
void stampa_json(const Rapporto& r, std::ostream& out);

}  // namespace compattatore::cli
