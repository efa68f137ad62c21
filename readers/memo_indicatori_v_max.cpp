#include "readers/memo_indicatori_v_max.hpp"

#include <string>

#include "model/arrotonda.hpp"
#include "readers/contenuto_cella.hpp"
#include "readers/guasto_voce.hpp"
#include "readers/messaggi.hpp"

namespace compattatore {

namespace {
std::string metri(std::int64_t p) { return std::to_string(p) + " m"; }

std::int16_t in_16_bit(Luogo luogo, std::int32_t posizione, std::int64_t v, const Modello& cosa) {
    if (!entra_in<std::int16_t>(v)) {
        throw GuastoVoce(luogo, Messaggio(messaggi::lettura_indicatore_16_bit, metri(posizione), Messaggio(cosa), v));
    }
    return static_cast<std::int16_t>(v);
}
}  // namespace

EsitoMemo memo_indicatori_v_max(Scenario& s, Luogo luogo, std::int32_t posizione, std::int32_t vas,
                                std::int32_t vbs, std::int32_t vcs, std::int32_t strisces, std::int32_t vad,
                                std::int32_t vbd, std::int32_t vcd, std::int32_t strisced) {
    const std::int64_t c = arrotonda(std::int64_t{posizione} + 50, 50);
    Cella& cella = s.cella(c);
    if (!cella.libera()) {
        s.segnala(Stato::indicatore_su_cella_occupata, Sorgente::linea, luogo, posizione, c,
                  Messaggio(messaggi::lettura_cella_occupata, Messaggio(messaggi::lettura_cartello_velocita),
                            metri(posizione), c, contenuto_cella(cella)));
        return rifiutato(Stato::indicatore_su_cella_occupata);
    }

    // CInt(v_s * 20 + v_d / 5) = (100 * v_s + v_d) / 5, rounded.
    const auto lato = [](std::int32_t v_s, std::int32_t v_d) {
        return arrotonda(100 * std::int64_t{v_s} + v_d, 5);
    };
    const std::int16_t v1 = in_16_bit(luogo, posizione, lato(vas, vad), messaggi::lettura_prima_velocita);
    const std::int16_t v2 = in_16_bit(luogo, posizione, lato(vbs, vbd), messaggi::lettura_seconda_velocita);
    const std::int16_t v3 = in_16_bit(luogo, posizione, lato(vcs, vcd), messaggi::lettura_terza_velocita);
    const std::int16_t s_s = in_16_bit(luogo, posizione, strisces, messaggi::lettura_strisce_s);
    const std::int16_t s_d = in_16_bit(luogo, posizione, strisced, messaggi::lettura_strisce_d);
    const std::int16_t v4 = in_16_bit(luogo, posizione, std::int64_t{s_s} * 10 + s_d, messaggi::lettura_strisce_composte);

    cella.tipo = tipo_cella::indicatore_v_max;
    cella.valore_1 = v1;
    cella.valore_2 = v2;
    cella.valore_3 = v3;
    cella.valore_4 = v4;
    return registrato;
}

}  // namespace compattatore
