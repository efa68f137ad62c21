// The Windows shell: the window Form1 with its label "Attendere", the modal
// message box of the numbered error stop, and the files of the application
// folder (AmbienteFile).
//
// Form1 is a top-level window with a client area of 4200 x 2688 twips and one
// STATIC child, Label1, at 960, 960 twips, 2652 x 792 twips, "MS Sans Serif"
// 24 point bold. Twips become pixels at the screen's logical resolution (15
// twips a pixel at 96 dpi: a client of 280 x 179 pixels, the label at 64, 64,
// 177 x 53). The window is shown modeless and painted once; the program does
// no message processing afterwards, so the window stays as first painted
// until the run ends. Only a message box, which runs its own modal loop,
// dispatches messages again while it is up.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/win32/windows_minimo.hpp"

#include "platform/ambiente_file.hpp"

namespace compattatore {

// Title of the window and of every message box.
inline constexpr wchar_t titolo_applicazione[] = L"compattatore";

// Shows messaggio in a modal box with one OK button and an error icon, owned
// by proprietaria (may be null). For failures that end the run.
void mostra_guasto_win32(HWND proprietaria, std::string_view messaggio);

class AmbienteWin32 final : public AmbienteFile {
public:
    // trattieni_ms: how long the painted window is held on screen before the
    // run goes on; 0 in the program, set only by test builds.
    AmbienteWin32(std::filesystem::path cartella, HINSTANCE istanza, std::uint32_t trattieni_ms = 0);
    ~AmbienteWin32() override;
    AmbienteWin32(const AmbienteWin32&) = delete;
    AmbienteWin32& operator=(const AmbienteWin32&) = delete;

    // Creates Form1 and Label1, shows them and paints them once. Throws
    // an Errore when a window cannot be created.
    void mostra_finestra() override;

    // MessageBox with MB_OK and no icon, owned by Form1; returns its answer
    // (IDOK). Throws an Errore when the box cannot be shown.
    std::int32_t mostra_messaggio(std::string_view messaggio) override;

    void segnala_guasto(std::string_view messaggio) override;

    HWND form1() const { return form1_; }

private:
    HINSTANCE istanza_;
    std::uint32_t trattieni_ms_;
    ATOM classe_ = 0;
    HWND form1_ = nullptr;
    HWND label1_ = nullptr;
    HFONT carattere_ = nullptr;
};

}  // namespace compattatore
