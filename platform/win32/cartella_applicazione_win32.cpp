// The application folder on Windows: the folder of the running module, from
// the wide-character API, so a folder whose name is not ASCII (or not in the
// ANSI code page) is found as it is.
#include <stdexcept>
#include <string>

#include "platform/win32/windows_minimo.hpp"

#include "platform/cartella_applicazione.hpp"
#include "platform/messaggi.hpp"

namespace compattatore {

std::filesystem::path cartella_applicazione() {
    // Long paths can exceed MAX_PATH: grow the buffer until the name fits.
    std::wstring nome(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, nome.data(), static_cast<DWORD>(nome.size()));
        if (n == 0) {
            const DWORD errore = GetLastError();
            throw Errore(Messaggio(messaggi::piattaforma_cartella_programma_win32, errore));
        }
        if (n < nome.size()) {
            nome.resize(n);
            break;
        }
        if (nome.size() >= 32768) throw Errore(Messaggio(messaggi::piattaforma_cartella_programma_lunga));
        nome.resize(nome.size() * 2);
    }
    return std::filesystem::path(nome).parent_path();
}

}  // namespace compattatore
