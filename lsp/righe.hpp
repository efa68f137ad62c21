// One line of a description read as the readers read an entry on it: the
// keyword field (after up to two comment fields) and its value fields, each
// with its byte columns. Entries whose values run onto the next line are
// seen only as far as their first line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/campi.hpp"

namespace compattatore::lsp {

struct CampoLetto {
    std::string_view testo;   // without the blanks in front
    std::int64_t inizio = 0;  // 0-based byte column of its first character
    std::int64_t fine = 0;    // one past its last character
};

struct VoceRiga {
    CampoLetto parola;                       // the keyword field
    const guida::TipoVoce* tipo = nullptr;   // nullptr: no kind
    bool intestazione = false;               // a section header
    std::vector<CampoLetto> valori;          // as many as the kind takes, or fewer
};

// The line `riga` (0-based) of a text, without its line end.
std::string_view riga_di(std::string_view testo, const std::vector<std::size_t>& righe, std::int64_t riga);

// Reads the entry on one line standing in the given part; nullopt for a
// blank line.
std::optional<VoceRiga> leggi_riga(std::string_view riga, guida::Parte parte);

// The part a description's lines are in before any section header, and after
// the header `intestazione`: the line's general section runs from
// "[generale]" to the next header, the features from there on; the train's
// entries are one part to its reader.
guida::Parte parte_iniziale(Descrizione d);
guida::Parte parte_dopo(std::string_view intestazione, Descrizione d);

// The part the line `riga` (0-based) stands in: the nearest header above it
// decides.
guida::Parte parte_della_riga(std::string_view testo, const std::vector<std::size_t>& righe, std::int64_t riga,
                              Descrizione d);

// A whole number field ("" reads as 0); nullopt when malformed.
std::optional<std::int64_t> numero(std::string_view campo);

}  // namespace compattatore::lsp
