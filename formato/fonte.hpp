// The bytes of a file to decode when they are not all in memory: a source
// asked for a window at a time, and the cursor that reads it. The plan file
// of the longest line is 20 MB; a tool that only summarises it reads it
// through a window of `LettoreFonte::finestra` bytes instead of holding it.
//
// The cursor has the interface of `Lettore` (formato/codifica.hpp) and the
// same rule: a read never goes past the end of the source; one that would
// reads nothing, returns 0 and marks the cursor `fuori`. A source that gives
// fewer bytes than it said it holds (the file shrank, a read failed) marks
// the cursor `guasto`, and what it reads from there on is zeros.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "formato/codifica.hpp"

namespace compattatore {

class Fonte {
public:
    virtual ~Fonte() = default;
    // The number of bytes the source holds.
    virtual std::uint64_t dimensione() const = 0;
    // Copies up to n bytes from offset into dst; returns how many were
    // copied (fewer than asked only at the end or on a failure).
    virtual std::size_t leggi(std::uint64_t offset, char* dst, std::size_t n) = 0;
};

class FonteMemoria final : public Fonte {
public:
    explicit FonteMemoria(std::string_view b) : b_(b) {}
    std::uint64_t dimensione() const override { return b_.size(); }
    std::size_t leggi(std::uint64_t offset, char* dst, std::size_t n) override {
        if (offset >= b_.size()) return 0;
        const std::size_t k = std::min<std::size_t>(n, b_.size() - static_cast<std::size_t>(offset));
        std::memcpy(dst, b_.data() + offset, k);
        return k;
    }

private:
    std::string_view b_;
};

class LettoreFonte {
public:
    static constexpr std::size_t finestra = std::size_t{1} << 16;

    explicit LettoreFonte(Fonte& f, std::uint64_t da = 0) : f_(f), fine_(f.dimensione()), pos_(std::min(da, fine_)) {}
    LettoreFonte(const LettoreFonte&) = delete;
    LettoreFonte& operator=(const LettoreFonte&) = delete;

    std::uint64_t pos() const { return pos_; }
    std::uint64_t restanti() const { return fine_ - pos_; }
    bool resta(std::uint64_t n) const { return n <= restanti(); }
    bool fuori() const { return fuori_; }
    bool guasto() const { return guasto_; }

    std::uint8_t byte() {
        unsigned char b[1] = {};
        return prendi(b, 1) ? b[0] : 0;
    }
    std::int16_t intero() {
        unsigned char b[2] = {};
        return prendi(b, 2) ? static_cast<std::int16_t>(Lettore::leggi_16(b)) : std::int16_t{0};
    }
    double doppio() {
        unsigned char b[8] = {};
        if (!prendi(b, 8)) return 0;
        const std::uint64_t u = Lettore::leggi_64(b);
        double d = 0;
        std::memcpy(&d, &u, sizeof d);
        return d;
    }
    void salta(std::uint64_t n) {
        if (!resta(n)) {
            fuori_ = true;
            return;
        }
        pos_ += n;
    }

    // The next n bytes (n at most `finestra`) in place, reloading the window
    // from pos() when they are not all in it; nullptr when fewer than n
    // remain or could be read. The cursor does not move: salta(n) after.
    const unsigned char* vista(std::size_t n) {
        if (!resta(n)) return nullptr;
        if (pos_ < inizio_ || pos_ + n > inizio_ + pieni_) carica();
        if (pos_ + n > inizio_ + pieni_) return nullptr;
        return reinterpret_cast<const unsigned char*>(buffer_.data()) + (pos_ - inizio_);
    }

    // Every byte from pos() to the end of the window, reloading it first when
    // fewer than n are there; empty when fewer than n remain or could be read.
    std::span<const unsigned char> vista_finestra(std::size_t n) {
        const unsigned char* p = vista(n);
        if (p == nullptr) return {};
        return {p, static_cast<std::size_t>(inizio_ + pieni_ - pos_)};
    }

private:
    // Copies the next n (at most 8) bytes into dst; false (and fuori) when
    // fewer remain.
    bool prendi(unsigned char* dst, std::size_t n) {
        if (!resta(n)) {
            fuori_ = true;
            return false;
        }
        if (pos_ >= inizio_ && pos_ + n <= inizio_ + pieni_) {
            std::memcpy(dst, buffer_.data() + (pos_ - inizio_), n);
            pos_ += n;
            return true;
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (pos_ < inizio_ || pos_ >= inizio_ + pieni_) carica();
            dst[i] = pos_ - inizio_ < pieni_ ? static_cast<unsigned char>(buffer_[pos_ - inizio_]) : 0;
            ++pos_;
        }
        return true;
    }
    void carica() {
        inizio_ = pos_;
        const std::size_t voluti = static_cast<std::size_t>(std::min<std::uint64_t>(finestra, fine_ - pos_));
        pieni_ = f_.leggi(pos_, buffer_.data(), voluti);
        if (pieni_ < voluti) guasto_ = true;
    }

    Fonte& f_;
    std::uint64_t fine_;
    std::uint64_t pos_;
    std::uint64_t inizio_ = 0;  // the window: bytes inizio_ to inizio_ + pieni_ - 1
    std::size_t pieni_ = 0;
    bool fuori_ = false;
    bool guasto_ = false;
    std::array<char, finestra> buffer_;
};

}  // namespace compattatore
