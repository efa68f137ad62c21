// Replacing a set of files in one folder as a whole: the three binary files
// of a scenario, the descriptions and documents of an export.
//
// Every file of the set is written to a temporary file of its own in the
// target folder. Only when all of them are complete are they renamed over
// their targets, in the order of the set. A failure while writing (a full
// disk, a file-size limit, a folder under a target's name) removes the
// temporaries and replaces nothing. A rename can still fail midway (the
// target became a folder meanwhile): the files renamed before it stay new,
// nothing after it is replaced, and the error names both.
//
// Temporaries are named after their target: target + "." + the process
// number + "-" + a count + ".tmp~". On Linux a temporary is first written as
// an unnamed file of the folder (O_TMPFILE) and given its name only once it
// is complete, just before the renames, so a process killed while writing
// leaves nothing in the folder. Elsewhere, and on file systems without
// unnamed files, it is created under its name at once (O_EXCL). Named
// temporaries are recorded so that a handled signal removes them
// (platform/temporanei.hpp); those of a run that was killed outright are
// removed by a later write into the same folder, once their process is gone.
#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/base/ambiente.hpp"
#include "model/messaggio.hpp"

namespace compattatore {

// The failure of a set: its message says what failed and which files, if
// any, were replaced already (those are in sostituiti, in order).
class ErroreInsieme : public Errore {
public:
    ErroreInsieme(Messaggio messaggio, std::vector<std::filesystem::path> sostituiti)
        : Errore(std::move(messaggio)), sostituiti_(std::move(sostituiti)) {}
    const std::vector<std::filesystem::path>& sostituiti() const { return sostituiti_; }

private:
    std::vector<std::filesystem::path> sostituiti_;
};

// Replaces the files of insieme, by name, in cartella. Throws ErroreInsieme
// for a set of two files or more; a set of one throws the Errore of
// the message of the failure alone.
void sostituisci_insieme(const std::filesystem::path& cartella, const std::vector<FileInsieme>& insieme);

// The room a temporary's name takes after its target's name.
inline constexpr std::size_t lunghezza_suffisso_temporaneo = 27;  // "." 10 digits "-" 10 digits ".tmp~"

// The longest name, in bytes, of a file written into cartella: the folder's
// limit on a name (255 where it cannot be asked) less the temporary's suffix.
std::size_t lunghezza_massima_nome(const std::filesystem::path& cartella);

// Throws an Errore naming the first of nomi that is longer than
// lunghezza_massima_nome(cartella).
void verifica_nomi(const std::filesystem::path& cartella, const std::vector<std::string>& nomi);

// The process number in the name of a temporary of this program
// (NAME.PID-COUNT.tmp~); 0 when the name is not one.
unsigned long processo_del_temporaneo(const std::string& nome);

// Removes from cartella the regular files named as temporaries of this
// program whose process no longer exists; returns how many. Never throws:
// what cannot be listed or removed is left.
std::size_t rimuovi_temporanei_orfani(const std::filesystem::path& cartella);

}  // namespace compattatore
