// One run of the program at a time in a folder: a second run started while
// the first works waits until the first has ended, instead of mixing its
// transient texts and files with the first one's.
//
// On POSIX the lock is an flock on the folder itself, so it leaves no file
// behind; it is released when the process ends, however it ends. A file
// system without locks (some network folders) gives no lock: the run goes on
// as it would have without one. On Windows it is a lock (LockFileEx) on a
// file of the folder that is deleted when the last run closes it.
#pragma once

#include <filesystem>

namespace compattatore {

class BloccoCartella {
public:
    // Waits for the lock. Throws an Errore when the folder cannot
    // be opened.
    explicit BloccoCartella(const std::filesystem::path& cartella);
    ~BloccoCartella();
    BloccoCartella(const BloccoCartella&) = delete;
    BloccoCartella& operator=(const BloccoCartella&) = delete;

    // False when the file system gave no lock.
    bool preso() const { return preso_; }

private:
    bool preso_ = false;
#ifdef _WIN32
    void* maniglia_ = nullptr;
#else
    int d_ = -1;
#endif
};

}  // namespace compattatore
