// What the build driver needs from the platform: the window, the message box
// and the files of the application folder. The POSIX and Win32 shells
// implement it; tests use one in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formato/uscita.hpp"

namespace compattatore {

// One file of a set that is replaced as a whole: its name and what writes it.
struct FileInsieme {
    std::string nome;
    std::function<void(Uscita&)> contenuto;
};

class Ambiente {
public:
    virtual ~Ambiente() = default;

    // Shows the window with "Attendere", modeless, and repaints it once.
    virtual void mostra_finestra() = 0;

    // Shows a modal message with a single OK button; returns the answer.
    virtual std::int32_t mostra_messaggio(std::string_view messaggio) = 0;

    // Reports a failure that ends the run (a file that cannot be written).
    virtual void segnala_guasto(std::string_view messaggio) = 0;

    // The files of the application folder, by name. sostituisci replaces the
    // file whole with what contenuto writes: either the new file is complete
    // or the old one is left as it was. Failures throw std::runtime_error.
    virtual void sostituisci(const std::string& nome, const std::function<void(Uscita&)>& contenuto) = 0;
    // Replaces a set of files as a whole: every file is written completely
    // before any is replaced; on a failure nothing more is replaced and the
    // error says which files, if any, were replaced already.
    virtual void sostituisci_insieme(const std::vector<FileInsieme>& insieme) = 0;
    // Throws std::runtime_error, before anything is written, when one of
    // these names cannot be written in the folder (too long for it).
    virtual void verifica_nomi(const std::vector<std::string>& nomi) = 0;
    virtual std::optional<std::string> leggi(const std::string& nome) = 0;  // nullopt: no such file
    virtual void elimina(const std::string& nome) = 0;                       // a missing file is no error
};

}  // namespace compattatore
