// The one little-endian coding of the binary files, both ways.
//
// `Scrittore` is the buffered encoder in front of an `Uscita`; `Lettore` the
// bounds-checked cursor every decoder reads with. Every member is coded
// explicitly at its own width, so the bytes are the same on every platform
// and never depend on how the compiler lays out a struct.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "formato/uscita.hpp"

namespace compattatore {

class Scrittore {
public:
    explicit Scrittore(Uscita& uscita) : uscita_(uscita) {}
    Scrittore(const Scrittore&) = delete;
    Scrittore& operator=(const Scrittore&) = delete;
    ~Scrittore() = default;  // call svuota() before: a destructor must not throw

    void byte(std::uint8_t v) { *riserva(1) = v; }
    void intero(std::int16_t v) { metti_16(riserva(2), static_cast<std::uint16_t>(v)); }  // Integer: 2 bytes signed
    void lungo(std::int32_t v) { metti_32(riserva(4), static_cast<std::uint32_t>(v)); }   // Long: 4 bytes signed
    void doppio(double v) {                                                               // Double: 8 bytes IEEE 754
        static_assert(sizeof(std::uint64_t) == sizeof v);
        std::uint64_t u = 0;
        std::memcpy(&u, &v, sizeof u);
        metti_64(riserva(8), u);
    }
    void testo(std::string_view t) { metti(t.data(), t.size()); }

    // Room for n bytes (at most `capacita`) at the end of the buffer, which the
    // caller fills whole: for runs of fixed-size elements, encoded in place
    // with metti_16 and metti_64.
    static constexpr std::size_t capacita = std::size_t{1} << 16;
    unsigned char* riserva(std::size_t n) {
        if (usati_ + n > buffer_.size()) svuota();
        unsigned char* p = reinterpret_cast<unsigned char*>(buffer_.data()) + usati_;
        usati_ += n;
        return p;
    }
    // Little-endian stores: on a little-endian host a plain copy of the
    // value's bytes, elsewhere byte by byte.
    static void metti_16(unsigned char* p, std::uint16_t u) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(p, &u, 2);
        } else {
            p[0] = static_cast<unsigned char>(u & 0xFF);
            p[1] = static_cast<unsigned char>(u >> 8);
        }
    }
    static void metti_32(unsigned char* p, std::uint32_t u) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(p, &u, 4);
        } else {
            for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>((u >> (8 * i)) & 0xFF);
        }
    }
    static void metti_64(unsigned char* p, std::uint64_t u) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(p, &u, 8);
        } else {
            for (int i = 0; i < 8; ++i) p[i] = static_cast<unsigned char>((u >> (8 * i)) & 0xFF);
        }
    }

    // Hands the buffered bytes to the output.
    void svuota() {
        if (usati_ > 0) uscita_.scrivi(buffer_.data(), usati_);
        usati_ = 0;
    }

private:
    void metti(const void* dati, std::size_t n) {
        if (usati_ + n > buffer_.size()) {
            svuota();
            if (n > buffer_.size()) {
                uscita_.scrivi(static_cast<const char*>(dati), n);
                return;
            }
        }
        std::memcpy(buffer_.data() + usati_, dati, n);
        usati_ += n;
    }

    Uscita& uscita_;
    std::array<char, capacita> buffer_;  // not cleared: only the bytes written are handed on
    std::size_t usati_ = 0;
};

// Little-endian reads at a cursor over bytes in memory. A read never goes past
// the end: one that would reads nothing, returns 0 (or an empty text), leaves
// the cursor where it was and marks the cursor `fuori`. Decoders test `resta`
// first so that they can say what was missing; `fuori` is the backstop.
class Lettore {
public:
    explicit Lettore(std::string_view b) : b_(b) {}

    std::size_t pos() const { return pos_; }
    std::size_t restanti() const { return b_.size() - pos_; }
    bool resta(std::size_t n) const { return n <= restanti(); }
    // A read or skip was refused for want of bytes.
    bool fuori() const { return fuori_; }

    std::uint8_t byte() {
        const unsigned char* p = prendi(1);
        return p == nullptr ? 0 : p[0];
    }
    std::int16_t intero() {
        const unsigned char* p = prendi(2);
        return p == nullptr ? std::int16_t{0} : static_cast<std::int16_t>(leggi_16(p));
    }
    std::int32_t lungo() {
        const unsigned char* p = prendi(4);
        return p == nullptr ? 0 : static_cast<std::int32_t>(leggi_32(p));
    }
    double doppio() {
        const unsigned char* p = prendi(8);
        if (p == nullptr) return 0;
        const std::uint64_t u = leggi_64(p);
        double d = 0;
        static_assert(sizeof u == sizeof d);
        std::memcpy(&d, &u, sizeof d);
        return d;
    }
    std::string testo(std::size_t n) {
        const unsigned char* p = prendi(n);
        return p == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(p), n);
    }
    void salta(std::size_t n) { prendi(n); }

    // Little-endian loads, the inverse of Scrittore's stores.
    static std::uint16_t leggi_16(const unsigned char* p) {
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    static std::uint32_t leggi_32(const unsigned char* p) {
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(p[i]) << (8 * i);
        return u;
    }
    static std::uint64_t leggi_64(const unsigned char* p) {
        std::uint64_t u = 0;
        for (int i = 0; i < 8; ++i) u |= static_cast<std::uint64_t>(p[i]) << (8 * i);
        return u;
    }

private:
    // The next n bytes, or nullptr (and fuori) when fewer remain.
    const unsigned char* prendi(std::size_t n) {
        if (!resta(n)) {
            fuori_ = true;
            return nullptr;
        }
        const auto* p = reinterpret_cast<const unsigned char*>(b_.data()) + pos_;
        pos_ += n;
        return p;
    }

    std::string_view b_;
    std::size_t pos_ = 0;
    bool fuori_ = false;
};

}  // namespace compattatore
