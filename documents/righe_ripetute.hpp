// Building the line list of a fixed-width document whose middle is one row
// repeated many times (the empty rows of a grid or a table), without copying
// that row by hand.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace compattatore {

// The lines of prima, then riga N times, then the lines of dopo.
template <std::size_t N, std::size_t A, std::size_t B>
constexpr std::array<std::string_view, A + N + B> con_righe_ripetute(const std::array<std::string_view, A>& prima,
                                                                     std::string_view riga,
                                                                     const std::array<std::string_view, B>& dopo) {
    std::array<std::string_view, A + N + B> righe{};
    std::size_t i = 0;
    for (const std::string_view r : prima) righe[i++] = r;
    for (std::size_t k = 0; k < N; ++k) righe[i++] = riga;
    for (const std::string_view r : dopo) righe[i++] = r;
    return righe;
}

}  // namespace compattatore
