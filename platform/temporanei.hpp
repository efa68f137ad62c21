// The files a run must not leave behind when it is stopped by a signal: the
// temporaries being written and, in the program, its transient description
// texts. They are kept in a fixed table that a signal handler can walk with
// async-signal-safe calls only (no allocation, no locks, no streams).
//
// On POSIX, installa_gestori_segnali makes SIGXFSZ ignored (a write past a
// file-size limit then fails with EFBIG, "File too large", and takes the
// ordinary failure path) and gives SIGTERM, SIGINT and SIGHUP a handler that
// removes every file of the table and then ends the process by the same
// signal, with its default action (a shell reports 128 + the signal number).
// On Windows, the console's Ctrl+C, Ctrl+Break and close events do the same
// for the tool.
#pragma once

#include <filesystem>

#ifndef _WIN32
#include <signal.h>
#endif

namespace compattatore {

// A place in the table; -1 when the table was full or the name too long
// (the file is then not removed on a signal: a later run removes stale
// temporaries by their names).
using PostoTemporaneo = int;

// Records percorso; it is removed if a signal ends the process.
PostoTemporaneo registra_temporaneo(const std::filesystem::path& percorso);

// Forgets the file of a place (it was renamed into place, or removed). A
// place of -1 is ignored.
void libera_temporaneo(PostoTemporaneo posto);

// Removes every recorded file. Async-signal-safe.
void rimuovi_temporanei_registrati();

// Installs the handlers described above; once, at the start of a program.
void installa_gestori_segnali();

// Holds SIGTERM, SIGINT and SIGHUP back for as long as it lives, so that a
// rename and the forgetting of its temporary happen together: a handler never
// sees a recorded name that already is the target. Nothing on Windows.
class SegnaliTrattenuti {
public:
    SegnaliTrattenuti();
    ~SegnaliTrattenuti();
    SegnaliTrattenuti(const SegnaliTrattenuti&) = delete;
    SegnaliTrattenuti& operator=(const SegnaliTrattenuti&) = delete;

#ifndef _WIN32
private:
    sigset_t prima_{};  // the mask before
#endif
};

}  // namespace compattatore
