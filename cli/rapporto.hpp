// The report of a compile, the way compilers print theirs:
//
//   PATH:LINE:COLUMN: error N: what is wrong (P m, cell C)
//      LINE | the source line, as written
//           |      ^~~~ under the field that caused it
//   note: more about it
//
// a class of the tool's own in place of N ("error text-too-long:"),
// colour on a terminal; or, with --json, one JSON document (see stampa_json);
// or, with --sarif, a SARIF 2.1.0 log of the same diagnostics.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "model/diagnostica.hpp"
#include "model/messaggio.hpp"
#include "model/stato.hpp"

namespace compattatore::cli {

// The version of the JSON documents the tool prints ("format" key).
inline constexpr int formato_json = 2;

struct Rapporto {
    std::string percorso_linea;  // the paths as the user gave them
    std::string percorso_treno;
    std::string testo_linea;     // the texts read (Windows-1252), for the quoted lines
    std::string testo_treno;
    std::vector<Diagnostica> diagnostiche;
    // Index of the first diagnostic found after the first refusal, by a check
    // that went on with the refused entries left out; size() when none was.
    std::size_t dopo_il_primo = static_cast<std::size_t>(-1);
    bool altri_omessi = false;   // the check stopped at --max-errors
    Stato codice_errore = Stato::nessuno;
    std::int32_t posizione_errore = 0;
    Stato arresto = Stato::nessuno;  // a numbered error stop of the compile, or none
    std::vector<std::string> file_scritti;
    bool rifiutato = false;          // a description was refused
    Lingua lingua = Lingua::en;      // the language of the report's words

    bool successiva(std::size_t i) const { return i >= dopo_il_primo; }
};

// How the text report is coloured: --color=auto|always|never; auto colours
// on a terminal unless NO_COLOR is set to a non-empty value.
enum class Colore { auto_, sempre, mai };

// Reads --color (absent = auto); throws ErroreUso for another value.
Colore colore_di(const std::string& comando, const std::optional<std::string>& valore);
// Whether the report to standard error is coloured.
bool colora(Colore c);

// One diagnostic's first line (no line end, no colour), in the report's
// language or in l.
std::string riga_diagnostica(const Rapporto& r, const Diagnostica& d);
std::string riga_diagnostica(const Rapporto& r, const Diagnostica& d, Lingua l);

void stampa_testo(const Rapporto& r, std::ostream& err, bool colori = false);

// One JSON document:
//   {"format": 2, "command": C, "exit_status": N, "refused": B,
//    "error_code": N, "error_position": N|null, "stop": N|null,
//    "diagnostics": [{"file", "line", "column", "end_column", "severity",
//                     "number", "class", "message", "notes", "position",
//                     "cell", "after_first"}...],
//    "more_errors_omitted": B, "files": [...], "error": null}
// absent values are null, never 0.
void stampa_json(const Rapporto& r, const std::string& comando, int esito, std::ostream& out);

// The document of a run that ended in a usage or file error: the same keys,
// no diagnostic, "error": {"kind": "usage"|"file", "message": M}.
void stampa_json_errore(const std::string& comando, int esito, const std::string& tipo, const std::string& messaggio,
                        std::ostream& out);

// The diagnostics as a SARIF 2.1.0 log: one run of the tool, a rule per
// status or class met, a result per diagnostic with its physical location.
void stampa_sarif(const Rapporto& r, std::ostream& out);

}  // namespace compattatore::cli
