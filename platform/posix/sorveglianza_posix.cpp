#include <algorithm>
#include <cerrno>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <system_error>

#include <unistd.h>

#ifdef __linux__
#include <poll.h>
#include <sys/inotify.h>
#endif

#include "platform/sorveglianza.hpp"
#include "platform/messaggi.hpp"

namespace compattatore {

namespace fs = std::filesystem;

#ifdef __linux__

struct Sorveglianza::Stato {
    int fd = -1;
    std::map<int, std::set<std::string>> nomi;  // watch -> the file names kept in its folder
    std::chrono::milliseconds quiete{};

    ~Stato() {
        if (fd >= 0) ::close(fd);
    }

    // Reads what is pending; true when an event names one of the files.
    bool leggi() {
        alignas(inotify_event) char b[16384];
        bool nostro = false;
        for (;;) {
            const ssize_t n = ::read(fd, b, sizeof b);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return nostro;  // EAGAIN: nothing more for now
            for (ssize_t i = 0; i + static_cast<ssize_t>(sizeof(inotify_event)) <= n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(b + i);
                if (e->mask & IN_Q_OVERFLOW) nostro = true;  // events lost: assume ours among them
                const auto it = nomi.find(e->wd);
                if (e->len > 0 && it != nomi.end() && it->second.contains(std::string(e->name))) nostro = true;
                i += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            }
        }
    }

    // Waits for events up to `ms` (-1: without end); true when some came.
    bool aspetta(int ms) {
        pollfd p{fd, POLLIN, 0};
        for (;;) {
            const int r = ::poll(&p, 1, ms);
            if (r < 0 && errno == EINTR) continue;
            if (r < 0) throw Errore(Messaggio(messaggi::piattaforma_non_si_sorvegliano, std::generic_category().message(errno)));
            return r > 0;
        }
    }
};

Sorveglianza::Sorveglianza(const std::vector<fs::path>& file, std::chrono::milliseconds quiete) : s_(std::make_unique<Stato>()) {
    s_->quiete = quiete;
    s_->fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (s_->fd < 0) throw Errore(Messaggio(messaggi::piattaforma_non_si_sorvegliano, std::generic_category().message(errno)));
    constexpr std::uint32_t eventi = IN_CLOSE_WRITE | IN_MODIFY | IN_CREATE | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM;
    for (const fs::path& f : file) {
        fs::path cartella = f.parent_path();
        if (cartella.empty()) cartella = ".";
        const int w = ::inotify_add_watch(s_->fd, cartella.c_str(), eventi | IN_ONLYDIR);
        if (w < 0) {
            throw Errore(Messaggio(messaggi::piattaforma_cartella_non_sorvegliata, cartella.string(),
                                   std::generic_category().message(errno)));
        }
        s_->nomi[w].insert(f.filename().string());
    }
}

Sorveglianza::~Sorveglianza() = default;

void Sorveglianza::attendi() {
    while (!attendi_per(senza_fine)) {
    }
}

bool Sorveglianza::attendi_per(std::chrono::milliseconds massimo) {
    using namespace std::chrono;
    const auto scadenza = steady_clock::now() + massimo;
    for (;;) {
        const auto resto = duration_cast<milliseconds>(scadenza - steady_clock::now()).count();
        if (resto <= 0) return false;
        if (!s_->aspetta(static_cast<int>(std::min<long long>(resto, 1000LL * 3600)))) continue;
        if (s_->leggi()) break;
    }
    // The rest of the burst: until the folders are quiet.
    const int ms = static_cast<int>(s_->quiete.count());
    while (s_->aspetta(ms)) s_->leggi();
    return true;
}

void Sorveglianza::scarta() { s_->leggi(); }

#else

// No notifications here: the files' signatures are polled.
struct Sorveglianza::Stato {
    std::vector<fs::path> file;
    std::vector<FirmaFile> firme;
    std::chrono::milliseconds quiete{};
};

Sorveglianza::Sorveglianza(const std::vector<fs::path>& file, std::chrono::milliseconds quiete) : s_(std::make_unique<Stato>()) {
    s_->quiete = quiete;
    for (const fs::path& f : file) s_->firme.push_back(firma_di(f));
    s_->file = file;
}

Sorveglianza::~Sorveglianza() = default;

void Sorveglianza::attendi() {
    while (!attendi_per(senza_fine)) {
    }
}

bool Sorveglianza::attendi_per(std::chrono::milliseconds massimo) {
    return attendi_interrogando(s_->file, s_->firme, std::chrono::milliseconds(200), massimo);
}

void Sorveglianza::scarta() {
    for (std::size_t i = 0; i < s_->file.size(); ++i) s_->firme[i] = firma_di(s_->file[i]);
}

#endif

}  // namespace compattatore
