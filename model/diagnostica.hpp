// A problem found while reading or finishing a scenario.
//
// The system records every problem as a status (`codice_errore`) and a metre
// position (`posizione_errore`); only the last one stays in those two
// members. Each problem is also kept here, with the place in the description
// text that caused it and a sentence in words, so that a tool can report all
// of them the way a compiler does. Its severity follows from the status.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/luogo.hpp"
#include "model/messaggio.hpp"
#include "model/stato.hpp"

namespace compattatore {

enum class Sorgente : std::uint8_t {
    linea,       // the line description text
    treno,       // the train description text
    rifinitura,  // the track finishing rules
};

struct Diagnostica {
    Stato stato = Stato::nessuno;
    std::optional<std::int32_t> posizione;  // metres
    std::optional<std::int64_t> cella;      // track cell concerned, when one is
    Sorgente sorgente = Sorgente::linea;
    std::int32_t riga = 0;     // 1-based line of the entry in its text; 0 = none
    std::int32_t colonna = 0;  // 1-based column (byte) of the field concerned
    std::int32_t colonna_fine = 0;  // 1-based column one past the field's last byte; 0 = unknown
    Messaggio messaggio;       // what is wrong, in words
    std::vector<Messaggio> note;  // extra lines, printed as "note: ...", such as "did you mean `pendenza`?"

    std::int32_t numero() const { return compattatore::numero(stato); }
    Gravita gravita() const { return compattatore::gravita(stato); }
    bool avviso() const { return gravita() == Gravita::avviso; }  // the build goes on
    Luogo luogo() const { return {riga, colonna}; }

    bool operator==(const Diagnostica&) const = default;
};

}  // namespace compattatore
