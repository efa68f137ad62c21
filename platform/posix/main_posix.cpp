// The program on POSIX systems: one run of the build in the program's own
// folder.
#include <exception>
#include <iostream>

#include "driver/al_caricamento.hpp"
#include "platform/cartella_applicazione.hpp"
#include "platform/posix/ambiente_posix.hpp"

int main() {
    try {
        compattatore::AmbientePosix ambiente(compattatore::cartella_applicazione());
        return compattatore::al_caricamento(ambiente);
    } catch (const std::exception& guasto) {
        std::cerr << "compattatore: " << guasto.what() << std::endl;
        return compattatore::uscita_guasto;
    }
}
