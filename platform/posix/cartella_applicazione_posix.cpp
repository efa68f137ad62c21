#include <stdexcept>
#include <system_error>

#include "platform/cartella_applicazione.hpp"

namespace compattatore {

std::filesystem::path cartella_applicazione() {
    std::error_code ec;
    const std::filesystem::path programma = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) throw std::runtime_error("cannot find the program's own folder: " + ec.message());
    return programma.parent_path();
}

}  // namespace compattatore
