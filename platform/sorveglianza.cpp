#include "platform/sorveglianza.hpp"

#include <thread>

namespace compattatore {

FirmaFile firma_di(const std::filesystem::path& p) {
    std::error_code ec;
    FirmaFile f;
    const auto tempo = std::filesystem::last_write_time(p, ec);
    if (ec) return f;
    const std::uintmax_t dimensione = std::filesystem::file_size(p, ec);
    if (ec) return f;
    f.presente = true;
    f.tempo = static_cast<std::int64_t>(tempo.time_since_epoch().count());
    f.dimensione = dimensione;
    return f;
}

bool attendi_interrogando(const std::vector<std::filesystem::path>& file, std::vector<FirmaFile>& firme,
                          std::chrono::milliseconds intervallo, std::chrono::milliseconds massimo) {
    firme.resize(file.size());
    const auto scadenza = std::chrono::steady_clock::now() + massimo;
    for (;;) {
        bool cambiato = false;
        for (std::size_t i = 0; i < file.size(); ++i) {
            const FirmaFile f = firma_di(file[i]);
            if (!(f == firme[i])) {
                firme[i] = f;
                cambiato = true;
            }
        }
        if (cambiato) return true;
        if (std::chrono::steady_clock::now() >= scadenza) return false;
        std::this_thread::sleep_for(intervallo);
    }
}

}  // namespace compattatore
