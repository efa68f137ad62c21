// How the shell's file operations fail: a std::runtime_error saying what
// could not be done to which file, and why, in the system's words.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace compattatore {

inline std::string perche(int errore) { return std::generic_category().message(errore); }

[[noreturn]] inline void fallisce(const std::string& cosa, const std::filesystem::path& p, int errore) {
    throw std::runtime_error("cannot " + cosa + " " + p.string() + ": " + perche(errore));
}

}  // namespace compattatore
