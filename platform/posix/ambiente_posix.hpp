// The console shell: "Attendere" and the error message go to standard error,
// the files to the application folder. Standard error is written through
// C stdio: the program has no use for the C++ streams, whose start-up alone
// is a noticeable part of a run this short.
#pragma once

#include <cstdio>
#include <string_view>

#include "platform/ambiente_file.hpp"

namespace compattatore {

// One line on standard error, at once.
inline void riga_errore(std::string_view prima, std::string_view testo = {}) {
    for (const std::string_view parte : {prima, testo}) {
        if (!parte.empty()) static_cast<void>(std::fwrite(parte.data(), 1, parte.size(), stderr));
    }
    static_cast<void>(std::fputc('\n', stderr));
    static_cast<void>(std::fflush(stderr));
}

class AmbientePosix final : public AmbienteFile {
public:
    using AmbienteFile::AmbienteFile;

    void mostra_finestra() override { riga_errore("Attendere"); }
    std::int32_t mostra_messaggio(std::string_view messaggio) override {
        riga_errore(messaggio);
        return 1;  // the OK button
    }
    void segnala_guasto(std::string_view messaggio) override { riga_errore("compattatore: ", messaggio); }
};

}  // namespace compattatore
