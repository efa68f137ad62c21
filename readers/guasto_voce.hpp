// A run-time failure of the reading step that belongs to one entry of a
// description: it carries the place of the value that failed (or of the
// entry's keyword), so the guasto_lettura it ends in points there rather than
// at the last field read.
#pragma once

#include <exception>
#include <utility>

#include "model/scenario.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore {

class GuastoVoce : public ErroreLettura {
public:
    GuastoVoce(Luogo luogo, Messaggio messaggio) : ErroreLettura(std::move(messaggio)), luogo_(luogo) {}
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

// What a failure of the reading step says: the words of a failure of the
// reader or of an index outside a table, else the failure's own text.
inline Messaggio messaggio_del_guasto(const std::exception& guasto) {
    if (const auto* tabella = dynamic_cast<const FuoriTabella*>(&guasto)) return tabella->messaggio();
    return messaggio_di(guasto);
}

}  // namespace compattatore
