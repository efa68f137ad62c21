// What the fuzz targets share: the split of one input into the two
// description texts, the test of a documented status, and a failure that
// libFuzzer reports as a finding.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "model/stato.hpp"

namespace compattatore::fuzz {

// A property that does not hold: print it and abort, so libFuzzer keeps the
// input as a crash.
[[noreturn]] inline void viola(const char* proprieta) {
    std::fprintf(stderr, "property violated: %s\n", proprieta);
    std::abort();
}

inline void verifica(bool condizione, const char* proprieta) {
    if (!condizione) viola(proprieta);
}

// Every status the reading step and the finishing rules may leave: none, or
// one of the catalogue that is not a numbered error stop.
inline bool stato_documentato(Stato s) {
    if (s == Stato::nessuno) return true;
    const VoceCatalogo* v = cerca(s);
    return v != nullptr && v->gravita != Gravita::arresto;
}

// One input as up to three parts separated by a byte 0x00: the line
// description, the train description (absent when there is no separator) and
// options.
struct Parti {
    std::string_view linea;
    std::optional<std::string_view> treno;
    std::string_view opzioni;
};

inline Parti dividi(const std::uint8_t* dati, std::size_t n) {
    const std::string_view tutto(reinterpret_cast<const char*>(dati), n);
    Parti p;
    const std::size_t a = tutto.find('\0');
    if (a == std::string_view::npos) {
        p.linea = tutto;
        return p;
    }
    p.linea = tutto.substr(0, a);
    const std::string_view resto = tutto.substr(a + 1);
    const std::size_t b = resto.find('\0');
    if (b == std::string_view::npos) {
        p.treno = resto;
    } else {
        p.treno = resto.substr(0, b);
        p.opzioni = resto.substr(b + 1);
    }
    return p;
}

}  // namespace compattatore::fuzz
