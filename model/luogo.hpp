// Where a field of a description text starts: 1-based line and column (in
// bytes). Line 0 stands for no place (a problem of the whole text, or of the
// finishing rules).
#pragma once

#include <cstdint>

namespace compattatore {

struct Luogo {
    std::int32_t riga = 0;
    std::int32_t colonna = 0;
    bool operator==(const Luogo&) const = default;
};

}  // namespace compattatore
