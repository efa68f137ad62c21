#include "readers/memo_stazione.hpp"

#include <string>
#include <utility>

#include "model/arrotonda.hpp"
#include "readers/guasto_voce.hpp"
#include "readers/messaggi.hpp"

namespace compattatore {

namespace {

std::string metri(std::int64_t p) { return std::to_string(p) + " m"; }

EsitoMemo rifiuta(Scenario& s, Luogo dove, Stato stato, std::optional<std::int32_t> posizione,
                  std::optional<std::int64_t> cella, Messaggio messaggio) {
    s.segnala(stato, Sorgente::treno, dove, posizione, cella, std::move(messaggio));
    return rifiutato(stato);
}

struct Zona {
    std::int64_t inizio = 0;
    std::int64_t fine = 0;
};

// The zone of the station, with the option fields its kind and length clear.
Zona zona(Voce& v, std::int64_t l) {
    const std::int64_t p = v.posizione;
    Zona z;
    if (v.tipo == 5 || v.tipo == 6) {
        z = {p - l, p + 150};
        v.opzione_c = 0;
    } else if (v.tipo == 7 || v.tipo == 8) {
        z = {p - l, p + l};
        v.opzione_c = 0;
    } else {
        z = {p - l / 2, p + l / 2 + (v.opzione_c != 0 ? 50 : 0)};
    }
    return z;
}

}  // namespace

EsitoMemo controlla_posto(Scenario& s, Luogo dove, std::int32_t k, std::int32_t slot_cartelli) {
    if (k <= slot_cartelli) return registrato;
    return rifiuta(s, dove, Stato::stazioni_sui_cartelli, std::nullopt, std::nullopt,
                   Messaggio(messaggi::lettura_stazione_su_cartello, k));
}

EsitoMemo controlla_posizione(Scenario& s, Luogo dove, std::int32_t p) {
    if (p % 50 == 0) return registrato;
    return rifiuta(s, dove, Stato::stazione_non_multipla, p, std::nullopt,
                   Messaggio(messaggi::lettura_stazione_non_multipla, metri(p)));
}

EsitoMemo controlla_lunghezza(Scenario& s, Luogo dove, std::int32_t p, std::int64_t l) {
    if (l % 100 == 0) return registrato;
    return rifiuta(s, dove, Stato::lunghezza_stazione_non_multipla, p, std::nullopt,
                   Messaggio(messaggi::lettura_stazione_lunghezza_non_multipla, metri(p), metri(l)));
}

std::int32_t orario_stazione(Luogo luogo, std::int32_t p, std::int64_t ore, std::int64_t minuti,
                             std::int64_t secondi) {
    const std::int64_t orario = (ore * 60 + minuti) * 60 + secondi;
    if (!entra_in<std::int32_t>(orario)) {
        throw GuastoVoce(luogo, Messaggio(messaggi::lettura_stazione_orario_32_bit, metri(p), ore, minuti, secondi));
    }
    return static_cast<std::int32_t>(orario);
}

EsitoMemo memo_stazione(Scenario& s, Luogo dove, const DatiStazione& d) {
    const std::int32_t k = d.indice;
    Voce& v = s.voce(k);
    const std::int32_t p = v.posizione;
    const Zona z = zona(v, d.lunghezza);
    if (!entra_in<std::int32_t>(z.inizio) || !entra_in<std::int32_t>(z.fine)) {
        throw GuastoVoce(d.luogo_lunghezza,
                         Messaggio(messaggi::lettura_stazione_zona_32_bit, metri(p), metri(d.lunghezza)));
    }
    v.inizio = static_cast<std::int32_t>(z.inizio);
    v.fine = static_cast<std::int32_t>(z.fine);
    if (d.lunghezza < 600) v.opzione_d = 0;
    if (k == 1) {
        // The first station keeps the extra 50 m in its end all the same.
        v.opzione_c = 0;
        v.opzione_d = 0;
    }

    if (v.tipo < 25) {
        const std::int64_t fermata = arrotonda(z.fine - 50, 50);
        if (fermata > s.ultima_cella) {
            return rifiuta(s, dove, Stato::oltre_il_percorso, p, fermata,
                           Messaggio(messaggi::lettura_stazione_fermata_oltre, metri(p), fermata, s.ultima_cella));
        }
        if (v.tipo != 5 && v.tipo != 6) {
            // Approach marks 81 to 84 on the four cells before the stop, over
            // whatever mark they held.
            for (std::int64_t j = 1; j <= 4; ++j) {
                const std::int64_t e = arrotonda(z.fine - 50 * (j + 1), 50);
                if (e > 1) s.cella(e).preavviso = static_cast<std::uint8_t>(80 + j);
            }
        }
        if (fermata <= 1) {
            return rifiuta(s, dove, Stato::stazione_senza_fermata, std::nullopt, fermata,
                           Messaggio(messaggi::lettura_stazione_senza_fermata, metri(p), metri(z.fine)));
        }
        Cella& c = s.cella(fermata);
        c.tipo = tipo_cella::fermata;
        c.valore_1 = static_cast<std::int16_t>(k);
    }

    if (k > 1 && z.inizio - 350 < s.voce(k - 1).fine) {
        return rifiuta(s, dove, Stato::stazioni_troppo_vicine, p, std::nullopt,
                       Messaggio(messaggi::lettura_stazioni_vicine, metri(p), metri(z.inizio), metri(s.voce(k - 1).fine)));
    }
    if (k + 1 >= d.slot_cartelli) {
        return rifiuta(s, dove, Stato::stazioni_sui_cartelli, std::nullopt, std::nullopt,
                       Messaggio(messaggi::lettura_stazioni_sui_cartelli, k, metri(p), d.slot_cartelli));
    }
    return registrato;
}

}  // namespace compattatore
