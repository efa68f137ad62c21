// A run-time failure of the reading step that belongs to one entry of a
// description: it carries the place of the value that failed (or of the
// entry's keyword), so the guasto_lettura it ends in points there rather than
// at the last field read.
#pragma once

#include <exception>
#include <string>

#include "readers/lettore_campi.hpp"

namespace compattatore {

class GuastoVoce : public ErroreLettura {
public:
    GuastoVoce(Luogo luogo, const std::string& messaggio) : ErroreLettura(messaggio), luogo_(luogo) {}
    Luogo luogo() const { return luogo_; }

private:
    Luogo luogo_;
};

// Where a failure of the reading step is reported: its own place when it has
// one, else the field read last.
inline Luogo luogo_del_guasto(const std::exception& guasto, Luogo ultimo_letto) {
    if (const auto* voce = dynamic_cast<const GuastoVoce*>(&guasto)) return voce->luogo();
    return ultimo_letto;
}

}  // namespace compattatore
