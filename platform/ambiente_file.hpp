// The files of the application folder, for both shells: replace a file whole,
// read one, delete one. Names are joined to the folder with the platform's
// separator.
//
// A file is replaced by writing a temporary file in the same folder and
// renaming it over the target, so a failure while writing
// (a full disk, a file-size limit, a read-only folder) leaves the previous
// file as it was, never a truncated one, and the temporary file is removed;
// a set of files is replaced as a whole in the same way
// (platform/insieme_file.hpp).
// A target that is a folder is refused before anything is written. A target
// that is a symbolic link is replaced by the new file; the file it pointed
// to is not written through. Nothing is forced to the disk: a crash of the
// whole system right after a run can lose what the page cache still held, as
// for any program that writes without syncing (a sync per file made a run of
// the program eight times slower than writing the same bytes).
#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>

#include "driver/base/ambiente.hpp"

namespace compattatore {

// Replaces the file at percorso with what contenuto writes.
void sostituisci_file(const std::filesystem::path& percorso, const std::function<void(Uscita&)>& contenuto);

// The bytes of the regular file at percorso; nullopt when there is none.
// Throws an Errore when the file exists but cannot be read (an I/O
// error never passes for a shorter text) or holds more than massimo bytes
// (checked while reading, so memory stays bounded by massimo).
std::optional<std::string> leggi_file(const std::filesystem::path& percorso,
                                      std::uintmax_t massimo = std::numeric_limits<std::uintmax_t>::max());

// Deletes the file at percorso; a missing file is no error.
void elimina_file(const std::filesystem::path& percorso);

// The file part of Ambiente, on a real folder. The shells add the window and
// the message box.
class AmbienteFile : public Ambiente {
public:
    explicit AmbienteFile(std::filesystem::path cartella) : cartella_(std::move(cartella)) {}

    void sostituisci(const std::string& nome, const std::function<void(Uscita&)>& contenuto) override {
        sostituisci_file(cartella_ / nome, contenuto);
    }
    void sostituisci_insieme(const std::vector<FileInsieme>& insieme) override;
    void verifica_nomi(const std::vector<std::string>& nomi) override;
    std::optional<std::string> leggi(const std::string& nome) override { return leggi_file(cartella_ / nome); }
    void elimina(const std::string& nome) override { elimina_file(cartella_ / nome); }

    const std::filesystem::path& cartella() const { return cartella_; }

private:
    std::filesystem::path cartella_;
};

}  // namespace compattatore
