// The explanations of the statuses and diagnostic classes, in Italian and in
// English: for each, what it means, a small scenario that produces it and how
// to fix it. `compattatore-cli explain` prints them; an editor's hover can
// show the same words. They are keyed by the stable name of the class in the
// status catalogue, so that this layer stays free of the core.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "guida/tipi_voce.hpp"

namespace compattatore::guida {

struct Spiegazione {
    std::string_view nome;   // the class's name in the catalogue: "signal_cell_taken"
    Testo titolo;            // one line
    Testo significato;       // what happened, in the author's terms
    Testo rimedio;           // how to fix it
    // A small scenario that produces the status: the line description (none
    // when the example is a missing line description) and the train
    // description, with "\n" line ends; a file holds them with CR LF.
    std::optional<std::string> linea;
    std::string treno;
};

// Every explanation, in the order of the catalogue.
const std::vector<Spiegazione>& spiegazioni();

// The explanation of a class; nullptr when there is none.
const Spiegazione* spiegazione(std::string_view nome);

// The name of a severity ("error", "warning", "stop") in a language.
std::string_view nome_gravita(std::string_view gravita, Lingua lingua);

}  // namespace compattatore::guida
