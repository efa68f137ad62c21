#include "platform/insieme_file.hpp"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <mutex>
#include <set>
#include <system_error>

#include "platform/guasto_file.hpp"
#include "platform/temporanei.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <share.h>
#include <sys/stat.h>

#include "platform/win32/windows_minimo.hpp"
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace compattatore {

namespace fs = std::filesystem;

namespace {


#ifdef _WIN32
int chiudi(int d) { return ::_close(d); }
unsigned long numero_processo() { return static_cast<unsigned long>(::_getpid()); }
#else
int chiudi(int d) { return ::close(d); }
unsigned long numero_processo() { return static_cast<unsigned long>(::getpid()); }
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
            if (scritti < 0) fallisce(messaggi::piattaforma_non_si_scrive, bersaglio_, errno);
            if (scritti == 0) fallisce(messaggi::piattaforma_non_si_scrive, bersaglio_, ENOSPC);  // no progress: the device is full
            dati += scritti;
            n -= static_cast<std::size_t>(scritti);
        }
    }

private:
    int d_;
    const fs::path& bersaglio_;
};

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

// The next name for a temporary of bersaglio: the process number and a count
// of the names this process has tried. A run that writes the same target at
// the same time has another process number; a leftover of a killed run with
// the same number is passed over (EEXIST).
fs::path nome_temporaneo(const fs::path& bersaglio) {
    static std::atomic<std::uint32_t> tentati{0};
    static const std::string processo = std::to_string(numero_processo());
    fs::path t = bersaglio;
    t += "." + processo + "-" + std::to_string(tentati.fetch_add(1)) + ".tmp~";
    return t;
}

constexpr int tentativi_nome = 64;

#if defined(__linux__) && defined(O_TMPFILE)
// An unnamed file of cartella, or -1 where the kernel, the file system or a
// missing /proc (needed to give it a name) does not allow one.
int crea_anonimo(const fs::path& cartella) {
    static const bool proc = ::access("/proc/self/fd", X_OK) == 0;
    if (!proc) return -1;
    const int d = ::open(cartella.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    return d;
}

// Gives the unnamed file d a temporary name; returns the name.
fs::path dai_nome(int d, const fs::path& bersaglio, PostoTemporaneo& posto) {
    char sorgente[40];
    // Cannot truncate: a descriptor number has at most 10 digits.
    static_cast<void>(std::snprintf(sorgente, sizeof sorgente, "/proc/self/fd/%d", d));
    int errore = 0;
    for (int i = 0; i < tentativi_nome; ++i) {
        fs::path nome = nome_temporaneo(bersaglio);
        const SegnaliTrattenuti trattenuti;
        if (::linkat(AT_FDCWD, sorgente, AT_FDCWD, nome.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            posto = registra_temporaneo(nome);
            return nome;
        }
        errore = errno;
        if (errore != EEXIST) break;
    }
    fallisce(messaggi::piattaforma_non_si_scrive, bersaglio, errore);
}
#else
int crea_anonimo(const fs::path&) { return -1; }
fs::path dai_nome(int, const fs::path& bersaglio, PostoTemporaneo&) { fallisce(messaggi::piattaforma_non_si_scrive, bersaglio, EINVAL); }
#endif

// A named temporary of bersaglio, created and recorded; returns the
// descriptor.
int crea_con_nome(const fs::path& bersaglio, fs::path& nome, PostoTemporaneo& posto) {
    int errore = 0;
    for (int i = 0; i < tentativi_nome; ++i) {
        const fs::path candidato = nome_temporaneo(bersaglio);
        const SegnaliTrattenuti trattenuti;
        const int d = crea_nuovo(candidato);
        if (d >= 0) {
            nome = candidato;
            posto = registra_temporaneo(nome);
            return d;
        }
        errore = errno;
        if (errore != EEXIST) break;
    }
    fallisce(messaggi::piattaforma_non_si_scrive, bersaglio, errore);
}

// One file of the set on its way: open while written, then named, then
// renamed. Whatever is left of it when it goes is removed.
struct Temporaneo {
    fs::path bersaglio;
    fs::path nome;  // empty while unnamed, and once renamed
    int d = -1;
    PostoTemporaneo posto = -1;

    Temporaneo() = default;
    Temporaneo(const Temporaneo&) = delete;
    Temporaneo& operator=(const Temporaneo&) = delete;
    ~Temporaneo() {
        // The write has failed already; a failure to close adds nothing.
        if (d >= 0) static_cast<void>(chiudi(d));
        if (!nome.empty()) {
            std::error_code ignora;
            fs::remove(nome, ignora);
        }
        libera_temporaneo(posto);
    }

    void chiudi_controllando() {
        const int chiuso = d;
        d = -1;
        if (chiudi(chiuso) != 0) fallisce(messaggi::piattaforma_non_si_scrive, bersaglio, errno);
    }
};

void scrivi_temporaneo(Temporaneo& t, const fs::path& cartella, const FileInsieme& f) {
    t.bersaglio = cartella / f.nome;
    t.d = crea_anonimo(cartella.empty() ? fs::path(".") : cartella);
    if (t.d < 0) t.d = crea_con_nome(t.bersaglio, t.nome, t.posto);
    UscitaFile u(t.d, t.bersaglio);
    f.contenuto(u);
    // A named temporary is closed at once: the error of a late write (on a
    // network folder, say) comes at the close.
    if (!t.nome.empty()) t.chiudi_controllando();
}

void rimuovi_orfani_una_volta(const fs::path& cartella) {
    static std::mutex guardia;
    static std::set<fs::path> viste;
    std::error_code ec;
    fs::path chiave = fs::absolute(cartella.empty() ? fs::path(".") : cartella, ec);
    if (ec) return;
    {
        const std::lock_guard<std::mutex> chiuso(guardia);
        if (!viste.insert(chiave).second) return;
    }
    static_cast<void>(rimuovi_temporanei_orfani(chiave));
}

std::string elenco(const std::vector<fs::path>& p) {
    std::string s;
    for (const fs::path& x : p) s += (s.empty() ? "" : ", ") + x.string();
    return s;
}

bool processo_vivo(unsigned long numero) {
#ifdef _WIN32
    HANDLE h = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(numero));
    if (h != nullptr) {
        DWORD codice = 0;
        const bool vivo = ::GetExitCodeProcess(h, &codice) && codice == STILL_ACTIVE;
        ::CloseHandle(h);
        return vivo;
    }
    return ::GetLastError() != ERROR_INVALID_PARAMETER;  // denied: someone else's, alive
#else
    if (numero > static_cast<unsigned long>(std::numeric_limits<pid_t>::max())) return true;  // not a process number
    return ::kill(static_cast<pid_t>(numero), 0) == 0 || errno != ESRCH;
#endif
}

}  // namespace

void sostituisci_insieme(const fs::path& cartella, const std::vector<FileInsieme>& insieme) {
    std::vector<fs::path> sostituiti;
    try {
        // A folder under a target's name is refused before anything is written.
        for (const FileInsieme& f : insieme) {
            std::error_code ec;
            const fs::path p = cartella / f.nome;
            if (fs::is_directory(p, ec)) throw Errore(Messaggio(messaggi::piattaforma_e_una_cartella, p.string()));
        }
        rimuovi_orfani_una_volta(cartella);

        std::vector<Temporaneo> t(insieme.size());
        for (std::size_t i = 0; i < insieme.size(); ++i) scrivi_temporaneo(t[i], cartella, insieme[i]);
        // All complete: the unnamed ones get their names, then all are
        // renamed in order.
        for (Temporaneo& x : t) {
            if (x.nome.empty()) {
                x.nome = dai_nome(x.d, x.bersaglio, x.posto);
                x.chiudi_controllando();
            }
        }
        for (Temporaneo& x : t) {
            std::error_code ec;
            {
                const SegnaliTrattenuti trattenuti;
                fs::rename(x.nome, x.bersaglio, ec);
                if (!ec) {
                    libera_temporaneo(x.posto);
                    x.posto = -1;
                    x.nome.clear();
                }
            }
            if (ec) throw Errore(Messaggio(messaggi::piattaforma_non_si_sostituisce, x.bersaglio.string(), ec.message()));
            sostituiti.push_back(x.bersaglio);
        }
    } catch (const std::exception& guasto) {
        if (insieme.size() < 2) throw;
        const Messaggio causa = messaggio_di(guasto);
        Messaggio m = sostituiti.empty()
                          ? Messaggio(messaggi::piattaforma_insieme_nessuno, causa)
                          : Messaggio(messaggi::piattaforma_insieme_sostituiti, causa, elenco(sostituiti));
        throw ErroreInsieme(std::move(m), std::move(sostituiti));
    }
}

std::size_t lunghezza_massima_nome(const fs::path& cartella) {
    long limite = 255;
#ifndef _WIN32
    errno = 0;
    const long chiesto = ::pathconf(cartella.empty() ? "." : cartella.c_str(), _PC_NAME_MAX);
    if (chiesto > 0) limite = chiesto;
#else
    static_cast<void>(cartella);
#endif
    const auto l = static_cast<std::size_t>(limite);
    return l > lunghezza_suffisso_temporaneo ? l - lunghezza_suffisso_temporaneo : 0;
}

void verifica_nomi(const fs::path& cartella, const std::vector<std::string>& nomi) {
    const std::size_t massimo = lunghezza_massima_nome(cartella);
    for (const std::string& n : nomi) {
        if (n.size() <= massimo) continue;
        throw Errore(Messaggio(messaggi::piattaforma_nome_troppo_lungo, (cartella / n).string(), n.size(), massimo,
                               massimo + lunghezza_suffisso_temporaneo));
    }
}

unsigned long processo_del_temporaneo(const std::string& nome) {
    constexpr std::string_view coda = ".tmp~";
    if (nome.size() <= coda.size() || !nome.ends_with(coda)) return 0;
    std::size_t fine = nome.size() - coda.size();
    const auto cifre = [&](std::size_t& i) {
        const std::size_t f = i;
        while (i > 0 && nome[i - 1] >= '0' && nome[i - 1] <= '9') --i;
        return f - i;
    };
    std::size_t i = fine;
    if (cifre(i) == 0 || i == 0 || nome[i - 1] != '-') return 0;  // the count
    --i;
    const std::size_t n = cifre(i);
    if (n == 0 || n > 10 || i < 2 || nome[i - 1] != '.') return 0;  // the process number, after a name
    return std::stoul(nome.substr(i, n));
}

std::size_t rimuovi_temporanei_orfani(const fs::path& cartella) {
    std::size_t rimossi = 0;
    std::error_code ec;
    fs::directory_iterator it(cartella.empty() ? fs::path(".") : cartella, ec);
    const fs::directory_iterator fine;
    const unsigned long proprio = numero_processo();
    for (; !ec && it != fine; it.increment(ec)) {
        const unsigned long processo = processo_del_temporaneo(it->path().filename().string());
        if (processo == 0 || processo == proprio || processo_vivo(processo)) continue;
        std::error_code ignora;
        if (!it->is_regular_file(ignora) || it->is_symlink(ignora)) continue;
        if (fs::remove(it->path(), ignora)) ++rimossi;
    }
    return rimossi;
}

}  // namespace compattatore
