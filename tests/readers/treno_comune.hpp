// Shared fixture of the train-reader tests: a track as the embedded line
// gives it (2001 cells) and a way to read a train text as the reading step
// does, a run-time failure becoming guasto_lettura.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "describe/dati_treno.hpp"
#include "driver/base/stampa.hpp"
#include "model/scenario.hpp"
#include "readers/guasto_voce.hpp"
#include "readers/memorizza_dati.hpp"

namespace compattatore::prova {

inline Scenario percorso_vuoto() {
    Scenario s;
    dimensiona_percorso(s, 93000);
    return s;
}

// Reads `testo` with the train reader; an exception of the reading step
// becomes guasto_lettura at its place, the way memorizza_dati handles it.
inline void leggi(Scenario& s, std::string_view testo, std::int32_t slot = 80) {
    LettoreCampi campi(testo);
    try {
        leggi_treno(s, campi, slot);
    } catch (const std::exception& guasto) {
        s.segnala(Stato::guasto_lettura, Sorgente::treno, luogo_del_guasto(guasto, campi.luogo()), std::nullopt,
                  std::nullopt, messaggio_del_guasto(guasto));
    }
}

// "[generale]", the given lines, "[fine]", each followed by CR LF.
inline std::string treno(std::initializer_list<std::string_view> righe) {
    std::string t = "[generale]\r\n";
    for (const auto r : righe) {
        t += r;
        t += "\r\n";
    }
    return t + "[fine]\r\n";
}

}  // namespace compattatore::prova
