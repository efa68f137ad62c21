#include "platform/ambiente_file.hpp"

#include "platform/insieme_file.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/guasto_file.hpp"

namespace compattatore {

namespace fs = std::filesystem;

namespace {


// The size of an open file when it is a regular file.
std::optional<std::uintmax_t> dimensione_file_regolare(std::FILE* f) {
#ifdef _WIN32
    struct _stat64 st {};
    if (::_fstat64(::_fileno(f), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) return std::nullopt;
#else
    struct stat st {};
    if (::fstat(::fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
#endif
    return static_cast<std::uintmax_t>(st.st_size);
}

// Opens a file for reading, with the platform's own names (wide on Windows).
// On POSIX the open does not wait: a pipe under the name (which the reader
// then declines, as anything but a regular file) would block it for as long
// as no one writes to the other end.
std::FILE* apri_lettura(const fs::path& p) {
#ifdef _WIN32
    return ::_wfopen(p.c_str(), L"rb");
#else
    const int d = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (d < 0) return nullptr;
    std::FILE* f = ::fdopen(d, "rb");
    if (f == nullptr) {
        const int errore = errno;
        ::close(d);
        errno = errore;
    }
    return f;
#endif
}

}  // namespace

void sostituisci_file(const fs::path& percorso, const std::function<void(Uscita&)>& contenuto) {
    sostituisci_insieme(percorso.parent_path(), {FileInsieme{percorso.filename().string(), contenuto}});
}

std::optional<std::string> leggi_file(const fs::path& percorso, std::uintmax_t massimo) {
    std::FILE* f = apri_lettura(percorso);
    if (f == nullptr) {
        const int errore = errno;
        std::error_code ec;
        if (!fs::is_regular_file(percorso, ec)) return std::nullopt;  // no such file (or not a file)
        fallisce(messaggi::piattaforma_non_si_legge, percorso, errore);
    }
    const auto chiudi_lettura = [&] { static_cast<void>(std::fclose(f)); };  // read only: closing cannot lose data
    const std::optional<std::uintmax_t> dimensione = dimensione_file_regolare(f);
    if (!dimensione) {
        chiudi_lettura();
        return std::nullopt;  // a folder, say, under the name
    }
    const auto troppo_grande = [&] {
        chiudi_lettura();
        throw Errore(Messaggio(messaggi::piattaforma_troppo_grande, percorso.string(), massimo));
    };
    if (*dimensione > massimo) troppo_grande();
    // The blocks below are the buffer: the stream needs none of its own.
    static_cast<void>(std::setvbuf(f, nullptr, _IONBF, 0));
    std::string byte;
    byte.reserve(static_cast<std::size_t>(*dimensione));
    char blocco[1 << 16];
    for (;;) {
        const std::size_t letti = std::fread(blocco, 1, sizeof blocco, f);
        // Checked while reading too: a file may grow, and some report no size.
        if (byte.size() + letti > massimo) troppo_grande();
        byte.append(blocco, letti);
        if (letti < sizeof blocco) break;
    }
    const bool guasto = std::ferror(f) != 0;
    const int errore = errno;
    chiudi_lettura();
    // A read error must not pass for a shorter text.
    if (guasto) fallisce(messaggi::piattaforma_non_si_legge, percorso, errore);
    return byte;
}

void AmbienteFile::sostituisci_insieme(const std::vector<FileInsieme>& insieme) {
    compattatore::sostituisci_insieme(cartella_, insieme);
}

void AmbienteFile::verifica_nomi(const std::vector<std::string>& nomi) { compattatore::verifica_nomi(cartella_, nomi); }

void elimina_file(const fs::path& percorso) {
    std::error_code ec;
    fs::remove(percorso, ec);
    if (ec) throw Errore(Messaggio(messaggi::piattaforma_non_si_elimina, percorso.string(), ec.message()));
}

}  // namespace compattatore
