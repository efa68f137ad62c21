// Byte output of the core.
//
// `Uscita` is where bytes go (a file, a buffer in memory); `Scrittore` is the
// one buffered little-endian encoder in front of it. Every member is encoded
// explicitly at its own width, so the bytes are the same on every platform
// and never depend on how the compiler lays out a struct.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

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

}  // namespace compattatore
