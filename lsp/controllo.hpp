// The check of one open document: the compile of its description (a train
// with the line of its route), its problems as protocol diagnostics, each
// with the range of the field that caused it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "lsp/documento.hpp"
#include "model/messaggio.hpp"

namespace compattatore::lsp {

// The readers' own limit: a text larger than this is not checked.
inline constexpr std::size_t massimo_testo = std::size_t{32} * 1024 * 1024;

// The line description a train is checked against.
struct LineaDelTreno {
    std::string nome;              // its file name, for the messages
    std::optional<std::string_view> testo;  // Windows-1252; nullopt when neither open nor on disk
};

// The diagnostics array of a publishDiagnostics for d, in the client's language.
nlohmann::json diagnostiche(const Documento& d, const LineaDelTreno& linea, Codifica c, Lingua l);

// The protocol range of the field that starts at 1-based line `riga` and
// column `colonna` of the Windows-1252 text: to the next comma or line end.
nlohmann::json intervallo_campo(const Documento& d, std::int64_t riga, std::int64_t colonna, Codifica c);

nlohmann::json posizione_json(const Documento& d, std::int64_t riga, std::int64_t colonna_1252, Codifica c);

}  // namespace compattatore::lsp
