#include "platform/ambiente_file.hpp"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace compattatore {

namespace fs = std::filesystem;

namespace {

std::string perche(int errore) { return std::generic_category().message(errore); }

[[noreturn]] void fallisce(const std::string& cosa, const fs::path& p, int errore) {
    throw std::runtime_error("cannot " + cosa + " " + p.string() + ": " + perche(errore));
}

// A descriptor of the C runtime: open/write/close on POSIX, their
// underscored twins on Windows.
#ifdef _WIN32
int chiudi(int d) { return ::_close(d); }
#else
int chiudi(int d) { return ::close(d); }
#endif

// Writes straight to the descriptor: the writer in front of it buffers
// already, so each chunk is one system call. Every failure of the file system
// (a full disk, a file-size limit, an I/O error) is seen on the call that
// meets it.
class UscitaFile final : public Uscita {
public:
    UscitaFile(int d, const fs::path& bersaglio) : d_(d), bersaglio_(bersaglio) {}
    void scrivi(const char* dati, std::size_t n) override {
        while (n > 0) {
#ifdef _WIN32
            constexpr std::size_t blocco_massimo = std::size_t{1} << 30;  // _write counts in an unsigned int
            const int scritti = ::_write(d_, dati, static_cast<unsigned>(std::min(n, blocco_massimo)));
#else
            const ssize_t scritti = ::write(d_, dati, n);
            if (scritti < 0 && errno == EINTR) continue;
#endif
            if (scritti < 0) fallisce("write", bersaglio_, errno);
            if (scritti == 0) fallisce("write", bersaglio_, ENOSPC);  // no progress: the device is full
            dati += scritti;
            n -= static_cast<std::size_t>(scritti);
        }
    }

private:
    int d_;
    const fs::path& bersaglio_;
};

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

// Creates a new file for writing and returns its descriptor, or -1 with
// errno set; fails (EEXIST) when the name exists, so it never writes through
// another file or a link.
int crea_nuovo(const fs::path& p) {
#ifdef _WIN32
    int d = -1;
    const errno_t errore =
        ::_wsopen_s(&d, p.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYNO, _S_IREAD | _S_IWRITE);
    if (errore != 0) {
        errno = errore;
        return -1;
    }
    return d;
#else
    return ::open(p.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
#endif
}

#ifdef _WIN32
unsigned long numero_processo() { return static_cast<unsigned long>(::_getpid()); }
#else
unsigned long numero_processo() { return static_cast<unsigned long>(::getpid()); }
#endif

// Creates a new file next to the target, under a name no other file has: the
// process number and a count of the names this process has tried. A run that
// writes the same target at the same time has another process number; a
// leftover of a killed run with the same number is passed over (EEXIST).
int crea_temporaneo(const fs::path& percorso, fs::path& temporaneo) {
    static std::atomic<std::uint32_t> tentati{0};
    static const std::string processo = std::to_string(numero_processo());
    int errore = 0;
    for (int tentativo = 0; tentativo < 64; ++tentativo) {
        temporaneo = percorso;
        temporaneo += "." + processo + "-" + std::to_string(tentati.fetch_add(1)) + ".tmp~";
        const int d = crea_nuovo(temporaneo);
        if (d >= 0) return d;
        errore = errno;
        if (errore != EEXIST) break;
    }
    fallisce("write", percorso, errore);
}

}  // namespace

void sostituisci_file(const fs::path& percorso, const std::function<void(Uscita&)>& contenuto) {
    std::error_code ec;
    if (fs::is_directory(percorso, ec)) {
        throw std::runtime_error("cannot write " + percorso.string() + ": it is a folder");
    }
    fs::path temporaneo;
    int d = crea_temporaneo(percorso, temporaneo);
    try {
        UscitaFile u(d, percorso);
        contenuto(u);
        const int chiuso = d;
        d = -1;
        if (chiudi(chiuso) != 0) fallisce("write", percorso, errno);
        fs::rename(temporaneo, percorso, ec);
        if (ec) throw std::runtime_error("cannot replace " + percorso.string() + ": " + ec.message());
    } catch (...) {
        // The write has failed already; a failure to close adds nothing.
        if (d >= 0) static_cast<void>(chiudi(d));
        std::error_code ignora;
        fs::remove(temporaneo, ignora);
        throw;
    }
}

std::optional<std::string> leggi_file(const fs::path& percorso, std::uintmax_t massimo) {
    std::FILE* f = apri_lettura(percorso);
    if (f == nullptr) {
        const int errore = errno;
        std::error_code ec;
        if (!fs::is_regular_file(percorso, ec)) return std::nullopt;  // no such file (or not a file)
        fallisce("read", percorso, errore);
    }
    const auto chiudi_lettura = [&] { static_cast<void>(std::fclose(f)); };  // read only: closing cannot lose data
    const std::optional<std::uintmax_t> dimensione = dimensione_file_regolare(f);
    if (!dimensione) {
        chiudi_lettura();
        return std::nullopt;  // a folder, say, under the name
    }
    const auto troppo_grande = [&] {
        chiudi_lettura();
        throw std::runtime_error("cannot read " + percorso.string() + ": it is larger than " +
                                 std::to_string(massimo) + " bytes");
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
    if (guasto) fallisce("read", percorso, errore);
    return byte;
}

void elimina_file(const fs::path& percorso) {
    std::error_code ec;
    fs::remove(percorso, ec);
    if (ec) throw std::runtime_error("cannot delete " + percorso.string() + ": " + ec.message());
}

}  // namespace compattatore
