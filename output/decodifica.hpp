// Reading the three binary scenario files back into tables: the exact inverse
// of the serialisers (output/file_binari.hpp), for tools that show what a
// build produced.
//
// The decoders trust nothing in the bytes. A size that does not fit the
// layout, an unknown tag, a string length running past the end, a missing
// file mark (5121 in cell 1, 610 in entry 85), a competition code that does
// not match the names, a plan whose tags do not follow the pattern this
// system writes, a table larger than the longest line (1,000,000 m) makes:
// each gives an error with the byte offset where it was found
// and what was expected there. No exception leaves a decoder for bad bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "model/cella.hpp"
#include "model/planimetria.hpp"
#include "model/voce.hpp"
#include "output/compila.hpp"  // the file marks

namespace compattatore {

// Why a file is not one this system writes.
struct ErroreDecodifica {
    std::int64_t offset = 0;  // byte of the file where the problem lies
    std::string messaggio;    // a full sentence, starting with the file kind

    bool operator==(const ErroreDecodifica&) const = default;
};

// Either the decoded table or the error.
template <class T>
class Decodifica {
public:
    Decodifica(T tabella) : esito_(std::move(tabella)) {}
    Decodifica(ErroreDecodifica errore) : esito_(std::move(errore)) {}

    bool riuscita() const { return std::holds_alternative<T>(esito_); }
    explicit operator bool() const { return riuscita(); }
    // Only when riuscita().
    const T& tabella() const { return std::get<T>(esito_); }
    T& tabella() { return std::get<T>(esito_); }
    // Only when not riuscita().
    const ErroreDecodifica& errore() const { return std::get<ErroreDecodifica>(esito_); }

private:
    std::variant<T, ErroreDecodifica> esito_;
};

// The identity the competition codes are computed from.
struct NomiGara {
    std::string nome_percorso;  // Windows-1252 bytes
    std::string numero_treno;
};

// Plan file: 2 x (lunghezza_estesa + 1) tagged elements, column 0 then
// column 1. Accepted only in the pattern the line reader produces: points 0
// and 1 the Integers (0, 0) and (0, 1), then Doubles in both columns for the
// same metres, then Empty to the end; or Empty throughout.
Decodifica<Planimetria> decodifica_planimetria(std::string_view byte);

// Entry file: 87 entries of 34 + n bytes and nothing after them; the mark 610
// in entry 85 and its weighted competition code matching the names in
// entries 85 (route) and 86 (train).
Decodifica<Voci> decodifica_voci(std::string_view byte);

// Track file: cells of 15 bytes, at least cells 0 and 1, the mark 5121 in
// cell 1. When the names are given, the plain competition code in cell 1
// must match them.
Decodifica<std::vector<Cella>> decodifica_percorso(std::string_view byte,
                                                   const std::optional<NomiGara>& nomi = std::nullopt);

}  // namespace compattatore
