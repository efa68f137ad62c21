// The program on POSIX systems: one run of the build in the program's own
// folder, one run at a time.
#include <exception>

#include "describe/identita.hpp"
#include "driver/al_caricamento.hpp"
#include "formato/nomi_file.hpp"
#include "platform/blocco_cartella.hpp"
#include "platform/cartella_applicazione.hpp"
#include "platform/posix/ambiente_posix.hpp"
#include "platform/temporanei.hpp"

int main() {
    using namespace compattatore;
    installa_gestori_segnali();
    try {
        const std::filesystem::path cartella = cartella_applicazione();
        const BloccoCartella blocco(cartella);
        // The description texts are transient: a signal that ends the run
        // removes them with the temporaries.
        const PostoTemporaneo linea = registra_temporaneo(
            cartella / nome_file(File::descrizione_linea, nome_percorso_incorporato, numero_treno_incorporato));
        const PostoTemporaneo treno = registra_temporaneo(
            cartella / nome_file(File::descrizione_treno, nome_percorso_incorporato, numero_treno_incorporato));
        AmbientePosix ambiente(cartella);
        const int esito = al_caricamento(ambiente);
        libera_temporaneo(linea);
        libera_temporaneo(treno);
        return esito;
    } catch (const std::exception& guasto) {
        riga_errore("compattatore: ", guasto.what());
        return uscita_guasto;
    }
}
