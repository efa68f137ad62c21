#include <stdexcept>
#include <system_error>

#include "platform/cartella_applicazione.hpp"
#include "platform/messaggi.hpp"

namespace compattatore {

std::filesystem::path cartella_applicazione() {
    std::error_code ec;
    const std::filesystem::path programma = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) throw Errore(Messaggio(messaggi::piattaforma_cartella_programma, ec.message()));
    return programma.parent_path();
}

}  // namespace compattatore
