#include "readers/memo_montagna.hpp"

#include <string>

#include "model/arrotonda.hpp"
#include "readers/guasto_voce.hpp"
#include "readers/messaggi.hpp"

namespace compattatore {

namespace {
std::string metri(std::int64_t p) { return std::to_string(p) + " m"; }
}  // namespace

EsitoMemo memo_montagna(Scenario& s, Luogo luogo, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo) {
    const std::int64_t prima = arrotonda(inizio, 50);
    const std::int64_t ultima = arrotonda(std::int64_t{fine} - 50, 50);
    const auto zona = [&] { return Messaggio(messaggi::lettura_zona_da_a, metri(inizio), metri(fine)); };
    if (s.n_montagne >= massimo_montagne) {
        throw GuastoVoce(luogo, Messaggio(messaggi::lettura_zone_esaurite, zona(), massimo_montagne));
    }
    if (prima <= ultima && (!s.cella_esiste(prima) || !s.cella_esiste(ultima))) {
        if (prima < 0) throw GuastoVoce(luogo, Messaggio(messaggi::lettura_zona_fuori_binario, zona()));
        // The zone begins on the track and ends beyond it.
        s.segnala(Stato::oltre_il_percorso, Sorgente::linea, luogo, fine, ultima,
                  Messaggio(messaggi::lettura_zona_oltre_fine, zona(), s.ultima_cella));
        return rifiutato(Stato::oltre_il_percorso);
    }

    bool segnali = false;
    if (tipo > 10) {
        tipo -= 10;
        segnali = true;
    }
    s.n_montagne += 1;
    const std::int32_t n = s.n_montagne;
    s.montagne_inizio.at(static_cast<std::size_t>(n)) = inizio;
    s.montagne_fine.at(static_cast<std::size_t>(n)) = fine;
    if (n > 1 && std::int64_t{inizio} - s.montagne_fine.at(static_cast<std::size_t>(n - 1)) <= 150) {
        tipo = 3;
    }

    std::int64_t conteggio = 0;
    for (std::int64_t i = prima; i <= ultima; ++i) {
        Cella& c = s.cella(i);
        ++conteggio;
        c.montagna = basso_8(tipo);
        if (segnali && conteggio % 4 == 0 && c.tipo == tipo_cella::vuota) {
            c.tipo = tipo_cella::segnale_montagna;
        }
    }
    return registrato;
}

}  // namespace compattatore
