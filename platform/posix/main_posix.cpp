// The program on POSIX systems: one run of the build in the program's own
// folder.
#include <exception>

#include "driver/al_caricamento.hpp"
#include "platform/cartella_applicazione.hpp"
#include "platform/posix/ambiente_posix.hpp"

int main() {
    try {
        compattatore::AmbientePosix ambiente(compattatore::cartella_applicazione());
        return compattatore::al_caricamento(ambiente);
    } catch (const std::exception& guasto) {
        compattatore::riga_errore("compattatore: ", guasto.what());
        return compattatore::uscita_guasto;
    }
}
