#include "model/retta.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace compattatore {

namespace {

constexpr std::int64_t due_alla_53 = std::int64_t{1} << 53;

// A finite non-zero double as an odd integer times a power of two.
struct Scomposto {
    std::uint64_t dispari;
    int esponente;
};

Scomposto scomponi(double v) {
    const auto b = std::bit_cast<std::uint64_t>(v);
    const auto campo = static_cast<int>((b >> 52) & 0x7FF);
    std::uint64_t mantissa = b & ((std::uint64_t{1} << 52) - 1);
    int esponente = -1074;  // subnormal
    if (campo != 0) {
        mantissa |= std::uint64_t{1} << 52;
        esponente = campo - 1075;
    }
    const int zeri = std::countr_zero(mantissa);
    return {mantissa >> zeri, esponente + zeri};
}

// v as a signed multiple of 2^l (l at most v's own lowest bit), if that
// multiple is below 2^53 in magnitude.
bool multiplo(double v, const Scomposto& s, int l, std::int64_t& m) {
    if (v == 0) {
        m = 0;
        return true;
    }
    const int spostamento = s.esponente - l;
    if (std::bit_width(s.dispari) + spostamento > 53) return false;
    const auto a = static_cast<std::int64_t>(s.dispari << spostamento);
    m = std::signbit(v) ? -a : a;
    return true;
}

// A value that is its own next point for ever: v + (v - v) is v, except for
// -0 (where -0 + +0 is +0).
bool costante(double v0, double v1) {
    return std::bit_cast<std::uint64_t>(v0) == std::bit_cast<std::uint64_t>(v1) && !(v1 == 0 && std::signbit(v1));
}

}  // namespace

std::size_t passi_esatti(double v0, double v1, std::size_t massimo) {
    if (!std::isfinite(v0) || !std::isfinite(v1)) return 0;
    if (costante(v0, v1)) return massimo;
    if (v0 == v1) return 0;  // a zero step with signed zeros: the recurrence settles it
    // The spacing u = 2^l: the coarsest power of two both values are
    // multiples of. Zero is a multiple of any.
    const Scomposto s0 = v0 != 0 ? scomponi(v0) : Scomposto{0, 0};
    const Scomposto s1 = v1 != 0 ? scomponi(v1) : Scomposto{0, 0};
    int l = 0;
    if (v0 != 0 && v1 != 0) {
        l = std::min(s0.esponente, s1.esponente);
    } else {
        l = v0 != 0 ? s0.esponente : s1.esponente;
    }
    // Both values as integer multiples of u, each below 2^53.
    std::int64_t m0 = 0;
    std::int64_t m1 = 0;
    if (!multiplo(v0, s0, l, m0) || !multiplo(v1, s1, l, m1)) return 0;
    const std::int64_t passo = m1 - m0;  // the step, exactly, in units of u
    const std::int64_t ampiezza = passo < 0 ? -passo : passo;
    const std::int64_t partenza = m1 < 0 ? -m1 : m1;
    if (ampiezza >= due_alla_53) return 0;
    // Point j is (m1 + j*passo) u: exact, and its step exact, while
    // |m1| + j |passo| stays below 2^53 (which also keeps j*passo exact).
    const auto j = static_cast<std::uint64_t>((due_alla_53 - 1 - partenza) / ampiezza);
    return static_cast<std::size_t>(std::min<std::uint64_t>(j, massimo));
}

void prosegui_retta(double& v0, double& v1, double* out, std::size_t n) {
    // Below this many exact points the recurrence is as quick.
    constexpr std::size_t salto_minimo = 8;
    // Counted in 32 bits, which the vector units convert to doubles.
    constexpr std::size_t tratto_massimo = std::size_t{1} << 30;
    std::size_t i = 0;
    while (i < n) {
        const std::size_t esatti = passi_esatti(v0, v1, std::min(n - i, tratto_massimo));
        if (esatti >= salto_minimo) {
            const double passo = v1 - v0;
            const double base = v1;
            double* o = out + i;
            const auto quanti = static_cast<std::int32_t>(esatti);
            for (std::int32_t j = 0; j < quanti; ++j) o[j] = base + static_cast<double>(j + 1) * passo;
            i += esatti;
            v0 = out[i - 2];  // esatti >= 2
            v1 = out[i - 1];
            continue;
        }
        // A few points one at a time, then look again.
        const std::size_t fine = std::min(n, i + 2 * salto_minimo);
        for (; i < fine; ++i) {
            const double vn = v1 + (v1 - v0);
            out[i] = vn;
            v0 = v1;
            v1 = vn;
        }
    }
}

void salta_retta(double& v0, double& v1, std::size_t n) {
    while (n > 0) {
        const std::size_t esatti = passi_esatti(v0, v1, n);
        if (esatti >= 2) {
            const double passo = v1 - v0;
            const double base = v1;
            v0 = base + static_cast<double>(esatti - 1) * passo;
            v1 = base + static_cast<double>(esatti) * passo;
            n -= esatti;
        } else {
            const double vn = v1 + (v1 - v0);
            v0 = v1;
            v1 = vn;
            --n;
        }
    }
}

}  // namespace compattatore
