// How the shell's file operations fail: an Errore saying what could not be
// done to which file, and why, in the system's words.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "model/messaggio.hpp"
#include "platform/messaggi.hpp"

namespace compattatore {

inline std::string perche(int errore) { return std::generic_category().message(errore); }

// cosa: a Modello of the path ({0}) and the system's reason ({1}).
[[noreturn]] inline void fallisce(const Modello& cosa, const std::filesystem::path& p, int errore) {
    throw Errore(Messaggio(cosa, p.string(), perche(errore)));
}

}  // namespace compattatore
