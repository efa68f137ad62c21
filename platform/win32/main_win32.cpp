// The program on Windows: one run of the build in the program's own folder,
// one run at a time, with the window "Attendere" on screen while it lasts.
// The exit status is the run's: 0, 1 after a numbered error stop, 2 after a
// failure.
#include <exception>

#include "driver/al_caricamento.hpp"
#include "platform/blocco_cartella.hpp"
#include "platform/cartella_applicazione.hpp"
#include "platform/win32/ambiente_win32.hpp"

#ifdef COMPATTATORE_TRATTIENI_FINESTRA_MS
// Test builds only: hold the painted window on screen so it can be looked at.
constexpr std::uint32_t trattieni_finestra_ms = COMPATTATORE_TRATTIENI_FINESTRA_MS;
#else
constexpr std::uint32_t trattieni_finestra_ms = 0;
#endif

int WINAPI WinMain(HINSTANCE istanza, HINSTANCE, LPSTR, int) {
    try {
        const std::filesystem::path cartella = compattatore::cartella_applicazione();
        const compattatore::BloccoCartella blocco(cartella);  // one run at a time in the folder
        compattatore::AmbienteWin32 ambiente(cartella, istanza, trattieni_finestra_ms);
        return compattatore::al_caricamento(ambiente);
    } catch (const std::exception& guasto) {
        compattatore::mostra_guasto_win32(nullptr, guasto.what());
        return compattatore::uscita_guasto;
    }
}
