// The application folder: the folder that holds the running program, found
// from the program itself, not from the current directory.
#pragma once

#include <filesystem>

namespace compattatore {

// Throws an Errore when the platform cannot say where the program is.
std::filesystem::path cartella_applicazione();

}  // namespace compattatore
