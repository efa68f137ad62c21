// Whole-number conversions of the scenario arithmetic.
//
// Every conversion of a value with a fraction to a whole number (CLng, CInt,
// CByte in the format's own terms) rounds to the nearest whole number, halves
// to the even neighbour. All such values here are exact quotients of whole
// numbers (p / 50, p / 50 + 1, 20 * vas + vad / 5, speed / 5), so they are
// computed on integers, never through floating point.
#pragma once

#include <cstdint>
#include <limits>

namespace compattatore {

// num / den rounded to the nearest whole number, halves to the even
// neighbour. den must be positive; num may be negative.
constexpr std::int64_t arrotonda(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den;  // truncates towards zero
    std::int64_t r = num % den;  // same sign as num
    if (r < 0) {                 // floor division
        q -= 1;
        r += den;
    }
    // Now num = q * den + r with 0 <= r < den; the fraction is r / den.
    const std::int64_t doppio = 2 * r;
    if (doppio > den || (doppio == den && (q % 2 != 0))) {
        q += 1;
    }
    return q;
}

// True when v fits the whole-number type T (Byte, Integer or Long).
template <class T>
constexpr bool entra_in(std::int64_t v) {
    return v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max();
}

// The low 16 bits of v as a signed Integer: the packing of the recorders,
// which keep the low bits of what they compute and know no overflow.
constexpr std::int16_t basso_16(std::int64_t v) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint64_t>(v) & 0xFFFFu));
}

// The low 8 bits of v as an unsigned Byte.
constexpr std::uint8_t basso_8(std::int64_t v) {
    return static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) & 0xFFu);
}

}  // namespace compattatore
