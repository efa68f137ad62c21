#include <stdexcept>
#include <string>

#include "platform/blocco_cartella.hpp"
#include "platform/messaggi.hpp"
#include "platform/win32/windows_minimo.hpp"

namespace compattatore {

namespace {

// The lock file; deleted when the last run that has it open closes it.
constexpr wchar_t nome_blocco[] = L"compattatore.lock";

// How long a run waits for the lock file while another run is deleting it.
constexpr int attese_massime = 3000;  // of 10 ms
}  // namespace

BloccoCartella::BloccoCartella(const std::filesystem::path& cartella) {
    const std::filesystem::path p = cartella / nome_blocco;
    HANDLE h = INVALID_HANDLE_VALUE;
    for (int attesa = 0; attesa < attese_massime; ++attesa) {
        h = ::CreateFileW(p.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (h != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_ACCESS_DENIED) break;
        ::Sleep(10);  // the file is being deleted by a run that has ended
    }
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD errore = ::GetLastError();
        throw Errore(Messaggio(messaggi::piattaforma_cartella_non_bloccata_win32, cartella.string(), errore));
    }
    OVERLAPPED tutto{};
    if (::LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &tutto)) {
        preso_ = true;
        maniglia_ = h;
        return;
    }
    ::CloseHandle(h);
}

BloccoCartella::~BloccoCartella() {
    if (maniglia_ != nullptr) ::CloseHandle(static_cast<HANDLE>(maniglia_));
}

}  // namespace compattatore
