// The one table of the entry kinds of the two description texts, in Italian
// and in English: for each kind the keyword as the readers match it, where it
// stands, how it is matched, and its values in order with their names, units,
// ranges and meanings. The authors' references (docs/formato.md,
// docs/format.md), the editor's hover texts and inlay hints, and the tool's
// explanations all take their words from here.
//
// The table describes the readers, it does not use them: it needs only the
// languages of the model.
#pragma once

#include <string_view>
#include <vector>

#include "model/messaggio.hpp"

namespace compattatore::guida {

using compattatore::Lingua;

// A short text in both languages.
struct Testo {
    std::string_view it;
    std::string_view en;

    std::string_view in(Lingua l) const { return l == Lingua::it ? it : en; }
};

// Where an entry stands. The line reader recognises general entries only
// between "[generale]" and the next section header, and feature entries only
// after it; the train reader recognises every entry anywhere after
// "[generale]", and the two train parts say where the writer puts them.
enum class Parte {
    linea_generale,  // line description, general section
    linea_elementi,  // line description, feature part
    treno_generale,  // train description, general data
    treno_elementi,  // train description, profiles and features
};

// How the words of a keyword are sought in the keyword field: each word
// anywhere in the field, with exact case or ignoring the case of ASCII
// letters.
enum class Confronto { esatto, senza_maiuscole };

// One value of an entry, in the order of the text.
struct Campo {
    std::string_view nome;   // snake_case, as a placeholder or inlay hint shows it
    std::string_view unita;  // "m", "km/h", "‰", "%", "s" ... or "" when the value has none
    Testo intervallo;        // the values accepted
    Testo significato;       // one line
};

struct TipoVoce {
    std::string_view parola_chiave;          // the keyword as the writer spells it
    std::vector<std::string_view> parole;    // every one of them must be in the field
    Parte parte;
    Confronto confronto;
    Testo nome;                              // a few words: what the entry is
    Testo significato;                       // one paragraph: what it does to the scenario
    std::vector<Campo> campi;
    std::string_view esempio;                // one entry line, as an author writes it
};

// A section header as the writers put them.
struct Intestazione {
    std::string_view testo;  // "[generale]", "[curve]" ...
    bool linea;              // true: line description; false: train description
    Testo significato;
};

// Every entry kind: the line's general section, its feature part, the train's
// general data, its profiles and features.
const std::vector<TipoVoce>& tipi_voce();

// Every section header of the two writers, line first.
const std::vector<Intestazione>& intestazioni();

// The kind that a keyword field standing in the given part is, as the reader
// of that part would recognise it; nullptr when the reader ignores the field.
// A field that holds the words of more than one kind is every one of them to
// the reader; this gives the first in the table. For the train reader the two
// train parts are one.
const TipoVoce* tipo_per_parola(std::string_view campo, Parte parte);

// The kind with the given keyword (as in `parola_chiave`); nullptr when none.
const TipoVoce* tipo_per_nome(std::string_view parola_chiave);

// The name of a part, for a reference or a hover text.
std::string_view nome_parte(Parte parte, Lingua lingua);

}  // namespace compattatore::guida
