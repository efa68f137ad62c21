// Test program of the Windows check: runs a program under test and reports
// what a person would see of it, one line per event on standard output (UTF-8,
// fields separated by tabs):
//
//   finestra  titolo=T  client=WxH  origine=X,Y  etichetta=L,T,W,H  testo=S
//       the program's first visible top-level window: its client size, the
//       screen position of the client's top left corner, the rectangle of its
//       STATIC child in client coordinates and that child's text
//   messaggio  titolo=T  testo=S  pulsanti=N  ok=0|1  icona=0|1
//       a message box (dialog class "#32770") of the program: its text, the
//       number of visible buttons, whether one of them is OK, whether an icon
//       shows; the probe then presses OK by posting IDOK
//   uscita  N | scaduta
//       the program's exit status, or "scaduta" when it ran past the limit
//       and was ended
//
// Usage: sonda esegui PROGRAMMA [SECONDI [MS_PRIMA_DI_OK]]
// The program runs in its own folder. The probe's own exit status is 0 when
// it could run the program, 2 otherwise.
#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/windows_minimo.hpp"
#include <shellapi.h>

namespace {

void scrivi(const std::wstring& riga) {
    const std::wstring con_a_capo = riga + L"\n";
    const int n = WideCharToMultiByte(CP_UTF8, 0, con_a_capo.data(), static_cast<int>(con_a_capo.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string byte(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, con_a_capo.data(), static_cast<int>(con_a_capo.size()), byte.data(), n, nullptr,
                        nullptr);
    DWORD scritti = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), byte.data(), static_cast<DWORD>(byte.size()), &scritti, nullptr);
}

std::wstring testo_di(HWND w) {
    const int n = GetWindowTextLengthW(w);
    std::wstring t(static_cast<std::size_t>(n) + 1, L'\0');
    const int letti = GetWindowTextW(w, t.data(), n + 1);
    t.resize(static_cast<std::size_t>(letti > 0 ? letti : 0));
    return t;
}

std::wstring classe_di(HWND w) {
    wchar_t c[256] = {};
    GetClassNameW(w, c, 256);
    return c;
}

struct Ricerca {
    DWORD processo;
    std::vector<HWND> trovate;
};

BOOL CALLBACK raccogli_finestre(HWND w, LPARAM dati) {
    auto* r = reinterpret_cast<Ricerca*>(dati);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == r->processo && IsWindowVisible(w)) r->trovate.push_back(w);
    return TRUE;
}

BOOL CALLBACK raccogli_figlie(HWND w, LPARAM dati) {
    reinterpret_cast<std::vector<HWND>*>(dati)->push_back(w);
    return TRUE;
}

std::vector<HWND> figlie(HWND w) {
    std::vector<HWND> f;
    EnumChildWindows(w, raccogli_figlie, reinterpret_cast<LPARAM>(&f));
    return f;
}

void descrivi_finestra(HWND w) {
    RECT client{};
    GetClientRect(w, &client);
    POINT origine{0, 0};
    ClientToScreen(w, &origine);
    std::wstring riga = L"finestra\ttitolo=" + testo_di(w) + L"\tclient=" + std::to_wstring(client.right) + L"x" +
                        std::to_wstring(client.bottom) + L"\torigine=" + std::to_wstring(origine.x) + L"," +
                        std::to_wstring(origine.y);
    for (HWND f : figlie(w)) {
        if (_wcsicmp(classe_di(f).c_str(), L"Static") != 0) continue;
        RECT r{};
        GetWindowRect(f, &r);
        MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
        riga += L"\tetichetta=" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
                std::to_wstring(r.right - r.left) + L"," + std::to_wstring(r.bottom - r.top) + L"\ttesto=" +
                testo_di(f);
        break;
    }
    scrivi(riga);
}

void descrivi_messaggio(HWND d) {
    int pulsanti = 0;
    bool ok = false;
    bool icona = false;
    for (HWND f : figlie(d)) {
        if (!IsWindowVisible(f)) continue;
        const std::wstring c = classe_di(f);
        if (_wcsicmp(c.c_str(), L"Button") == 0) {
            ++pulsanti;
            if (GetDlgCtrlID(f) == IDOK) ok = true;
        } else if (_wcsicmp(c.c_str(), L"Static") == 0) {
            const LONG_PTR stile = GetWindowLongPtrW(f, GWL_STYLE);
            if ((stile & SS_TYPEMASK) == SS_ICON && SendMessageW(f, STM_GETICON, 0, 0) != 0) icona = true;
        }
    }
    HWND testo = GetDlgItem(d, 0xFFFF);  // the text of a message box
    scrivi(L"messaggio\ttitolo=" + testo_di(d) + L"\ttesto=" + (testo ? testo_di(testo) : std::wstring()) +
           L"\tpulsanti=" + std::to_wstring(pulsanti) + L"\tok=" + (ok ? L"1" : L"0") + L"\ticona=" +
           (icona ? L"1" : L"0"));
}

int esegui(const std::wstring& programma, DWORD secondi, DWORD prima_di_ok_ms) {
    wchar_t pieno[32768] = {};
    wchar_t* nome = nullptr;
    if (GetFullPathNameW(programma.c_str(), 32768, pieno, &nome) == 0 || nome == nullptr) {
        scrivi(L"errore\tpercorso non valido: " + programma);
        return 2;
    }
    const std::wstring cartella(pieno, static_cast<std::size_t>(nome - pieno));
    std::wstring riga_comando = L"\"" + std::wstring(pieno) + L"\"";
    STARTUPINFOW avvio{};
    avvio.cb = sizeof avvio;
    PROCESS_INFORMATION processo{};
    if (!CreateProcessW(pieno, riga_comando.data(), nullptr, nullptr, FALSE, 0, nullptr, cartella.c_str(), &avvio,
                        &processo)) {
        scrivi(L"errore\tavvio non riuscito: " + std::to_wstring(GetLastError()));
        return 2;
    }
    CloseHandle(processo.hThread);

    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(secondi);
    bool finestra_vista = false;
    std::set<HWND> messaggi_visti;
    for (;;) {
        const bool finito = WaitForSingleObject(processo.hProcess, 20) == WAIT_OBJECT_0;
        if (finito) break;
        if (std::chrono::steady_clock::now() > limite) {
            TerminateProcess(processo.hProcess, 124);
            WaitForSingleObject(processo.hProcess, 5000);
            CloseHandle(processo.hProcess);
            scrivi(L"uscita\tscaduta");
            return 0;
        }
        Ricerca r{processo.dwProcessId, {}};
        EnumWindows(raccogli_finestre, reinterpret_cast<LPARAM>(&r));
        for (HWND w : r.trovate) {
            if (classe_di(w) == L"#32770") {
                if (messaggi_visti.count(w) != 0) continue;
                messaggi_visti.insert(w);
                Sleep(100);  // let the box finish laying itself out
                descrivi_messaggio(w);
                if (prima_di_ok_ms > 0) Sleep(prima_di_ok_ms);
                PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(w, IDOK)));
            } else if (!finestra_vista) {
                finestra_vista = true;
                descrivi_finestra(w);
            }
        }
    }
    DWORD uscita = 0;
    GetExitCodeProcess(processo.hProcess, &uscita);
    CloseHandle(processo.hProcess);
    scrivi(L"uscita\t" + std::to_wstring(uscita));
    return 0;
}

}  // namespace

int main() {
    int n = 0;
    LPWSTR* argomenti = CommandLineToArgvW(GetCommandLineW(), &n);
    if (argomenti == nullptr || n < 3 || std::wstring(argomenti[1]) != L"esegui") {
        scrivi(L"errore\tuso: sonda esegui PROGRAMMA [SECONDI [MS_PRIMA_DI_OK]]");
        return 2;
    }
    const DWORD secondi = n > 3 ? static_cast<DWORD>(_wtoi(argomenti[3])) : 60;
    const DWORD prima_di_ok = n > 4 ? static_cast<DWORD>(_wtoi(argomenti[4])) : 0;
    const int esito = esegui(argomenti[2], secondi, prima_di_ok);
    LocalFree(argomenti);
    return esito;
}
