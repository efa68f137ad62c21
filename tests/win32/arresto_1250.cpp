// Test program of the Windows check: the real program, except that the run
// meets the numbered error stop 1250 when the driver, the descriptions
// written, turns to compiling them (its first read-back of the line
// description). The stop then takes the program's own road: al_caricamento
// catches it, the Win32 shell shows " Errore n. 1250" in its message box and
// the program ends with the stop's exit status, before any binary file.
#include <vector>
#include <exception>

#include "describe/identita.hpp"
#include "driver/al_caricamento.hpp"
#include "formato/nomi_file.hpp"
#include "platform/cartella_applicazione.hpp"
#include "platform/win32/ambiente_win32.hpp"

namespace {

using namespace compattatore;

class ArrestoAllaRilettura final : public Ambiente {
public:
    explicit ArrestoAllaRilettura(Ambiente& reale) : reale_(reale) {}

    void mostra_finestra() override { reale_.mostra_finestra(); }
    std::int32_t mostra_messaggio(std::string_view messaggio) override { return reale_.mostra_messaggio(messaggio); }
    void segnala_guasto(std::string_view messaggio) override { reale_.segnala_guasto(messaggio); }
    void sostituisci(const std::string& nome, const std::function<void(Uscita&)>& contenuto) override {
        reale_.sostituisci(nome, contenuto);
    }
    std::optional<std::string> leggi(const std::string& nome) override {
        if (nome == nome_file(File::descrizione_linea, nome_percorso_incorporato, numero_treno_incorporato)) {
            errore("1250");
        }
        return reale_.leggi(nome);
    }
    void elimina(const std::string& nome) override { reale_.elimina(nome); }
    void sostituisci_insieme(const std::vector<FileInsieme>& insieme) override { reale_.sostituisci_insieme(insieme); }
    void verifica_nomi(const std::vector<std::string>& nomi) override { reale_.verifica_nomi(nomi); }

private:
    Ambiente& reale_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE istanza, HINSTANCE, LPSTR, int) {
    try {
        AmbienteWin32 reale(cartella_applicazione(), istanza);
        ArrestoAllaRilettura ambiente(reale);
        return al_caricamento(ambiente);
    } catch (const std::exception& guasto) {
        mostra_guasto_win32(nullptr, guasto.what());
        return uscita_guasto;
    }
}
