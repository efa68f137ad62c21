// The entry kinds of the two descriptions as the editor shows them: the
// guide's one table (guida/tipi_voce.hpp) seen by document, with what the
// editor needs besides the words: which values are texts, which entries get
// their fields named inline, and the keyword a completion writes.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "guida/tipi_voce.hpp"

namespace compattatore::lsp {

enum class Descrizione { linea, treno };

// Whether a kind stands in a part of the given description.
bool della_descrizione(const guida::TipoVoce& t, Descrizione d);

// The value i of a kind is a text (it runs to the comma or the line end):
// a station's name, a board's text.
bool campo_testo(const guida::TipoVoce& t, std::size_t i);

// The entries whose value fields inlay hints name: the long ones (station,
// signal, slowdown, speed board).
bool nomina_campi(const guida::TipoVoce& t);

// The keyword a completion writes: the one of the kind's example line, which
// for a keyword with a digit the reader needs ("ripetizione segnali 4
// codici") holds one.
std::string_view parola_da_scrivere(const guida::TipoVoce& t);

// The section headers of a description, in the writers' order.
std::vector<const guida::Intestazione*> intestazioni(Descrizione d);

}  // namespace compattatore::lsp
