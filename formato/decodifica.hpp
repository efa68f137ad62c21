// What reading a binary scenario file back gives: the decoded table or the
// error, and the names the competition codes are checked against. The
// decoders themselves sit beside their writers (formato/file_*.hpp).
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
#include <cstddef>
#include <string>
#include <utility>
#include <variant>

#include "formato/messaggi.hpp"
#include "model/messaggio.hpp"

namespace compattatore {

// Why a file is not one this system writes.
struct ErroreDecodifica {
    std::int64_t offset = 0;  // byte of the file where the problem lies
    Messaggio messaggio;      // a full sentence, starting with the file kind

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

// The pieces of the decoders' messages.
namespace dettaglio_decodifica {

inline ErroreDecodifica errore(std::size_t offset, Messaggio messaggio) {
    return ErroreDecodifica{static_cast<std::int64_t>(offset), std::move(messaggio)};
}

// "1 byte", "N bytes".
inline Messaggio byte_s(std::int64_t v) {
    return v == 1 ? Messaggio(messaggi::formato_un_byte) : Messaggio(messaggi::formato_byte, v);
}

}  // namespace dettaglio_decodifica

}  // namespace compattatore
