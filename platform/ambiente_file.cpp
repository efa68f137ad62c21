#include "platform/ambiente_file.hpp"

#include <cerrno>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace compattatore {

namespace fs = std::filesystem;

namespace {

std::string perche(int errore) { return std::generic_category().message(errore); }

[[noreturn]] void fallisce(const std::string& cosa, const fs::path& p, int errore) {
    throw std::runtime_error("cannot " + cosa + " " + p.string() + ": " + perche(errore));
}

// Writes through a C stream, so every failure of the file system (a full
// disk, a file-size limit, an I/O error) is seen on the call that meets it.
class UscitaFile final : public Uscita {
public:
    UscitaFile(std::FILE* f, const fs::path& bersaglio) : f_(f), bersaglio_(bersaglio) {}
    void scrivi(const char* dati, std::size_t n) override {
        if (n > 0 && std::fwrite(dati, 1, n, f_) != n) fallisce("write", bersaglio_, errno);
    }

private:
    std::FILE* f_;
    const fs::path& bersaglio_;
};

// Opens a file for reading, with the platform's own names (wide on Windows).
std::FILE* apri_lettura(const fs::path& p) {
#ifdef _WIN32
    return ::_wfopen(p.c_str(), L"rb");
#else
    return std::fopen(p.c_str(), "rb");
#endif
}

// Creates a new file for writing; fails (EEXIST) when the name exists, so it
// never writes through another file or a link.
std::FILE* crea_nuovo(const fs::path& p) {
#ifdef _WIN32
    int d = -1;
    if (::_wsopen_s(&d, p.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYNO, _S_IREAD | _S_IWRITE) != 0) {
        return nullptr;
    }
    std::FILE* f = ::_fdopen(d, "wb");
#else
    const int d = ::open(p.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (d < 0) return nullptr;
    std::FILE* f = ::fdopen(d, "wb");
#endif
    if (f == nullptr) {
        const int errore = errno;
#ifdef _WIN32
        ::_close(d);
#else
        ::close(d);
#endif
        errno = errore;
    }
    return f;
}

// Creates a new file next to the target, under a name no other file has
// (a run that writes the same target at the same time uses another one).
std::FILE* crea_temporaneo(const fs::path& percorso, fs::path& temporaneo) {
    std::random_device caso;
    int errore = 0;
    for (int tentativo = 0; tentativo < 16; ++tentativo) {
        std::string suffisso = ".";
        const auto numero = static_cast<std::uint32_t>(caso());
        for (int cifra = 7; cifra >= 0; --cifra) suffisso += "0123456789abcdef"[(numero >> (4 * cifra)) & 0xFu];
        suffisso += ".tmp~";
        temporaneo = percorso;
        temporaneo += suffisso;
        std::FILE* f = crea_nuovo(temporaneo);
        if (f != nullptr) return f;
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
    std::FILE* f = crea_temporaneo(percorso, temporaneo);
    try {
        UscitaFile u(f, percorso);
        contenuto(u);
        if (std::fflush(f) != 0) fallisce("write", percorso, errno);
        std::FILE* chiuso = f;
        f = nullptr;
        if (std::fclose(chiuso) != 0) fallisce("write", percorso, errno);
        fs::rename(temporaneo, percorso, ec);
        if (ec) throw std::runtime_error("cannot replace " + percorso.string() + ": " + ec.message());
    } catch (...) {
        // The write has failed already; a failure to close adds nothing.
        if (f != nullptr) static_cast<void>(std::fclose(f));
        std::error_code ignora;
        fs::remove(temporaneo, ignora);
        throw;
    }
}

std::optional<std::string> leggi_file(const fs::path& percorso, std::uintmax_t massimo) {
    std::error_code ec;
    if (!fs::is_regular_file(percorso, ec)) return std::nullopt;
    std::FILE* f = apri_lettura(percorso);
    if (f == nullptr) fallisce("read", percorso, errno);
    const auto troppo_grande = [&] {
        static_cast<void>(std::fclose(f));  // read only: closing cannot lose data
        throw std::runtime_error("cannot read " + percorso.string() + ": it is larger than " +
                                 std::to_string(massimo) + " bytes");
    };
    std::string byte;
    const auto dimensione = fs::file_size(percorso, ec);
    if (!ec && dimensione > massimo) troppo_grande();
    if (!ec) byte.reserve(static_cast<std::size_t>(dimensione));
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
    static_cast<void>(std::fclose(f));  // read only: closing cannot lose data
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
