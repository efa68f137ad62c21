// What the three decoder targets share: the checks on an error, the bytes a
// table encodes to, and a decoder call that may not throw.
#pragma once

#include <cstddef>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "fuzz/comune.hpp"
#include "formato/decodifica.hpp"
#include "formato/uscita.hpp"

namespace compattatore::fuzz {

// An error names a byte of the input (0 to its size, the size itself for
// "the file ends too soon") and says, first, which file kind it is about.
inline void verifica_errore(const ErroreDecodifica& e, std::size_t dimensione, std::string_view tipo) {
    verifica(e.offset >= 0 && static_cast<std::size_t>(e.offset) <= dimensione,
             "an error's offset lies inside the input (0 to its size)");
    const std::string m = e.messaggio.en();
    verifica(m.size() > tipo.size() && m.compare(0, tipo.size(), tipo) == 0,
             "an error's message names the file kind and says something after it");
}

// The bytes one of the file serialisers writes.
template <class Scrivi>
std::string codificato(Scrivi&& scrivi) {
    UscitaMemoria u;
    scrivi(u);
    return std::move(u.byte);
}

// Runs f; an exception leaving it is a finding.
template <class F>
auto senza_eccezioni(F&& f) {
    try {
        return f();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "exception: %s\n", e.what());
        viola("no exception leaves a decoder or a serialiser");
    } catch (...) {
        viola("no exception leaves a decoder or a serialiser");
    }
}

}  // namespace compattatore::fuzz
