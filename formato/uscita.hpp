// Where bytes go: a file, a buffer in memory, a counter. The encoder
// (formato/codifica.hpp), the print rule and the shells all write to an
// `Uscita`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace compattatore {

class Uscita {
public:
    virtual ~Uscita() = default;
    virtual void scrivi(const char* dati, std::size_t n) = 0;
};

// Collects the bytes in memory.
class UscitaMemoria final : public Uscita {
public:
    void scrivi(const char* dati, std::size_t n) override { byte.append(dati, n); }
    std::string byte;
};

// Counts the bytes and drops them.
class UscitaConteggio final : public Uscita {
public:
    void scrivi(const char*, std::size_t n) override { totale += n; }
    std::uint64_t totale = 0;
};

}  // namespace compattatore
