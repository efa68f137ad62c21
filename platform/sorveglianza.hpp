// Waiting for a change to a few files. The folders of the files are watched,
// not the files, so that an editor that saves by writing a new file and
// renaming it over the old one is seen; events are kept by file name, so the
// files a run writes beside its inputs do not wake it.
//
// On Linux the watch is inotify; on Windows a change notification on each
// folder, with each file's time and size compared to tell its files from the
// others; elsewhere each file's time and size are polled every 200 ms.
// A burst of events (an editor's truncate, write, close and rename) is one
// change: the wait ends when the folders have been quiet for `quiete`.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace compattatore {

// What a file looks like from outside: whether it is there, its time and size.
struct FirmaFile {
    bool presente = false;
    std::int64_t tempo = 0;
    std::uintmax_t dimensione = 0;
    bool operator==(const FirmaFile&) const = default;
};

FirmaFile firma_di(const std::filesystem::path& p);

class Sorveglianza {
public:
    // Throws an Errore naming the folder that cannot be watched.
    explicit Sorveglianza(const std::vector<std::filesystem::path>& file,
                          std::chrono::milliseconds quiete = std::chrono::milliseconds(5));
    ~Sorveglianza();
    Sorveglianza(const Sorveglianza&) = delete;
    Sorveglianza& operator=(const Sorveglianza&) = delete;

    // Blocks until one of the files was written, created, renamed or removed,
    // and the burst of events it came with is over.
    void attendi();

    // The same, for at most `massimo`; false when nothing changed in time.
    bool attendi_per(std::chrono::milliseconds massimo);

    // Forgets the changes made so far, for a caller about to read the files
    // itself: a later wait ends only for a change made after this call.
    void scarta();

    struct Stato;

private:
    std::unique_ptr<Stato> s_;
};

// The polling wait, for the systems without notifications: true when a
// file's signature differs from the one in `firme` (which it updates), false
// when none did within `massimo`.
bool attendi_interrogando(const std::vector<std::filesystem::path>& file, std::vector<FirmaFile>& firme,
                          std::chrono::milliseconds intervallo, std::chrono::milliseconds massimo);

// Longest wait a caller can ask for: in effect, without end.
inline constexpr std::chrono::milliseconds senza_fine{std::chrono::hours(24 * 365)};

}  // namespace compattatore
