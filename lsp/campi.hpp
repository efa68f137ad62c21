// The entry kinds of the two descriptions and their fields, in words: what
// the editor shows in hovers, inlay hints and completions.
//
// This is the one place the server asks; a shared table of the kinds can
// replace what voci_note() returns without touching anything else.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace compattatore::lsp {

enum class Descrizione { linea, treno };

struct Campo {
    std::string nome;         // short name, as in inlay hints: "position"
    std::string unita;        // "m", "km/h", "‰", "" for none
    std::string significato;  // one sentence
    bool testo = false;       // a text value (runs to the comma or line end)
};

struct GenereVoce {
    std::string parola;           // the keyword as written: "stazione"
    Descrizione descrizione;
    bool generale = false;        // an entry of the general section
    std::string significato;      // what the entry is
    std::vector<Campo> campi;     // its value fields, in order
    bool suggerimenti = false;    // its value fields are named by inlay hints
};

// Every entry kind of both descriptions.
const std::vector<GenereVoce>& voci_note();

// The section headers a writer uses, in order.
const std::vector<std::string>& intestazioni(Descrizione d);

// The kind a keyword field is of, by the readers' substring tests; nullptr
// for none. The general-section tests of the line compare case-exactly.
const GenereVoce* genere_di(std::string_view parola, Descrizione d);

}  // namespace compattatore::lsp
