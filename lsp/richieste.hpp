// The answers to the requests that read one document: hover, completion,
// document symbols, inlay hints and formatting, the words in the client's
// language.
#pragma once

#include <nlohmann/json.hpp>

#include "lsp/documento.hpp"

namespace compattatore::lsp {

nlohmann::json hover(const Documento& d, Posizione p, Codifica c, Lingua lingua);
nlohmann::json completamento(const Documento& d, bool snippet, Lingua lingua);
nlohmann::json simboli(const Documento& d, Codifica c, bool gerarchia, Lingua lingua);
nlohmann::json suggerimenti(const Documento& d, std::int64_t prima_riga, std::int64_t ultima_riga, Codifica c,
                            Lingua lingua);
// The whole text in the canonical layout as one edit; none when it already is
// in it; null for a text that is not a description or that cannot be laid out.
nlohmann::json formattazione(const Documento& d, Codifica c);

}  // namespace compattatore::lsp
