#include <cerrno>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/blocco_cartella.hpp"
#include "platform/messaggi.hpp"

namespace compattatore {

BloccoCartella::BloccoCartella(const std::filesystem::path& cartella) {
    d_ = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d_ < 0) {
        throw Errore(Messaggio(messaggi::piattaforma_cartella_non_bloccata, cartella.string(),
                               std::generic_category().message(errno)));
    }
    for (;;) {
        if (::flock(d_, LOCK_EX) == 0) {
            preso_ = true;
            return;
        }
        if (errno != EINTR) break;
    }
    // No locks on this file system.
    ::close(d_);
    d_ = -1;
}

BloccoCartella::~BloccoCartella() {
    if (d_ >= 0) ::close(d_);  // the lock goes with the descriptor
}

}  // namespace compattatore
