#include "platform/win32/ambiente_win32.hpp"

#include <stdexcept>
#include <string>

#include "platform/messaggi.hpp"
#include "platform/win32/testo_win32.hpp"

namespace compattatore {

namespace {

constexpr wchar_t classe_form1[] = L"compattatore_Form1";

// Geometry in twips, as the form was designed.
constexpr int client_larghezza_twip = 4200;
constexpr int client_altezza_twip = 2688;
constexpr int label1_sinistra_twip = 960;
constexpr int label1_alto_twip = 960;
constexpr int label1_larghezza_twip = 2652;
constexpr int label1_altezza_twip = 792;
constexpr int label1_punti = 24;
constexpr int twip_per_pollice = 1440;
constexpr int punti_per_pollice = 72;

// Fixed single border: a caption with the system menu and the minimise box,
// no sizing frame, no maximise box.
constexpr DWORD stile_form1 = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

[[noreturn]] void fallito(const Modello& cosa) {
    const DWORD errore = GetLastError();
    throw Errore(Messaggio(messaggi::piattaforma_win32_guasto, Messaggio(cosa), errore));
}

struct Risoluzione {
    int x = 96;
    int y = 96;
};

Risoluzione risoluzione_schermo() {
    Risoluzione r;
    if (HDC dc = GetDC(nullptr)) {
        r.x = GetDeviceCaps(dc, LOGPIXELSX);
        r.y = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
    }
    if (r.x <= 0) r.x = 96;
    if (r.y <= 0) r.y = 96;
    return r;
}

int pixel(int twip, int dpi) { return MulDiv(twip, dpi, twip_per_pollice); }

}  // namespace

void mostra_guasto_win32(HWND proprietaria, std::string_view messaggio) {
    const std::wstring testo = testo_largo(messaggio);
    MessageBoxW(proprietaria, testo.c_str(), titolo_applicazione, MB_OK | MB_ICONERROR);
}

AmbienteWin32::AmbienteWin32(std::filesystem::path cartella, HINSTANCE istanza, std::uint32_t trattieni_ms)
    : AmbienteFile(std::move(cartella)), istanza_(istanza), trattieni_ms_(trattieni_ms) {}

AmbienteWin32::~AmbienteWin32() {
    if (form1_ != nullptr) DestroyWindow(form1_);  // Label1 goes with it
    if (carattere_ != nullptr) DeleteObject(carattere_);
    if (classe_ != 0) UnregisterClassW(classe_form1, istanza_);
}

void AmbienteWin32::mostra_finestra() {
    if (form1_ != nullptr) return;

    WNDCLASSEXW classe{};
    classe.cbSize = sizeof classe;
    classe.lpfnWndProc = DefWindowProcW;
    classe.hInstance = istanza_;
    classe.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    classe.lpszClassName = classe_form1;
    classe_ = RegisterClassExW(&classe);
    if (classe_ == 0) fallito(messaggi::piattaforma_win32_classe);

    const Risoluzione dpi = risoluzione_schermo();
    RECT esterno{0, 0, pixel(client_larghezza_twip, dpi.x), pixel(client_altezza_twip, dpi.y)};
    if (!AdjustWindowRectEx(&esterno, stile_form1, FALSE, 0)) fallito(messaggi::piattaforma_win32_misura);

    form1_ = CreateWindowExW(0, classe_form1, titolo_applicazione, stile_form1, CW_USEDEFAULT, CW_USEDEFAULT,
                             esterno.right - esterno.left, esterno.bottom - esterno.top, nullptr, nullptr,
                             istanza_, nullptr);
    if (form1_ == nullptr) fallito(messaggi::piattaforma_win32_finestra);

    label1_ = CreateWindowExW(0, L"STATIC", L"Attendere", WS_CHILD | WS_VISIBLE | SS_LEFT,
                              pixel(label1_sinistra_twip, dpi.x), pixel(label1_alto_twip, dpi.y),
                              pixel(label1_larghezza_twip, dpi.x), pixel(label1_altezza_twip, dpi.y), form1_,
                              nullptr, istanza_, nullptr);
    if (label1_ == nullptr) fallito(messaggi::piattaforma_win32_etichetta);

    carattere_ = CreateFontW(-MulDiv(label1_punti, dpi.y, punti_per_pollice), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
    if (carattere_ == nullptr) fallito(messaggi::piattaforma_win32_carattere);
    SendMessageW(label1_, WM_SETFONT, reinterpret_cast<WPARAM>(carattere_), FALSE);

    ShowWindow(form1_, SW_SHOWNORMAL);
    UpdateWindow(form1_);
    GdiFlush();

    if (trattieni_ms_ > 0) Sleep(trattieni_ms_);
}

std::int32_t AmbienteWin32::mostra_messaggio(std::string_view messaggio) {
    const std::wstring testo = testo_largo(messaggio);
    const int risposta = MessageBoxW(form1_, testo.c_str(), titolo_applicazione, MB_OK);
    if (risposta == 0) fallito(messaggi::piattaforma_win32_riquadro);
    return risposta;
}

void AmbienteWin32::segnala_guasto(std::string_view messaggio) { mostra_guasto_win32(form1_, messaggio); }

}  // namespace compattatore
