#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>

#include "platform/sorveglianza.hpp"
#include "platform/messaggi.hpp"
#include "platform/win32/windows_minimo.hpp"

namespace compattatore {

namespace fs = std::filesystem;

// A change notification on each folder; a notification says only that
// something in the folder changed, so the files' signatures tell whether it
// was one of them.
struct Sorveglianza::Stato {
    std::vector<fs::path> file;
    std::vector<FirmaFile> firme;
    std::vector<HANDLE> avvisi;
    std::chrono::milliseconds quiete{};

    ~Stato() {
        for (HANDLE h : avvisi) FindCloseChangeNotification(h);
    }

    // Waits up to ms for a folder's notification and re-arms it; true when one came.
    bool aspetta(DWORD ms) {
        const DWORD r = WaitForMultipleObjects(static_cast<DWORD>(avvisi.size()), avvisi.data(), FALSE, ms);
        if (r == WAIT_TIMEOUT) return false;
        if (r >= WAIT_OBJECT_0 + avvisi.size()) throw Errore(Messaggio(messaggi::piattaforma_non_si_sorvegliano_win32));
        FindNextChangeNotification(avvisi[r - WAIT_OBJECT_0]);
        return true;
    }

    bool cambiate() {
        bool c = false;
        for (std::size_t i = 0; i < file.size(); ++i) {
            const FirmaFile f = firma_di(file[i]);
            if (!(f == firme[i])) {
                firme[i] = f;
                c = true;
            }
        }
        return c;
    }
};

Sorveglianza::Sorveglianza(const std::vector<fs::path>& file, std::chrono::milliseconds quiete) : s_(std::make_unique<Stato>()) {
    s_->quiete = quiete;
    std::map<fs::path, bool> cartelle;
    for (const fs::path& f : file) {
        fs::path c = f.parent_path();
        if (c.empty()) c = ".";
        cartelle[c] = true;
        s_->firme.push_back(firma_di(f));
    }
    for (const auto& [c, _] : cartelle) {
        const HANDLE h = FindFirstChangeNotificationW(
            c.c_str(), FALSE,
            FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
        if (h == INVALID_HANDLE_VALUE) throw Errore(Messaggio(messaggi::piattaforma_cartella_non_sorvegliata_win32, c.string()));
        s_->avvisi.push_back(h);
    }
    s_->file = file;
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
        if (!s_->aspetta(static_cast<DWORD>(std::min<long long>(resto, 1000LL * 3600)))) continue;
        // The rest of the burst, then the signatures.
        while (s_->aspetta(static_cast<DWORD>(s_->quiete.count()))) {
        }
        if (s_->cambiate()) return true;
    }
}

// A notification already pending then finds the files as they were here.
void Sorveglianza::scarta() { s_->cambiate(); }

}  // namespace compattatore
