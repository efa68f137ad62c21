#include "readers/contenuto_cella.hpp"

#include "model/cella.hpp"

namespace compattatore {

std::string contenuto_cella(std::uint8_t tipo) {
    switch (tipo) {
        case tipo_cella::vuota: return "nothing";
        case tipo_cella::segnale: return "a signal";
        case tipo_cella::fine_rallentamento: return "a slowdown end board";
        case tipo_cella::inizio_rallentamento: return "a slowdown start board";
        case tipo_cella::avviso_rallentamento: return "a slowdown warning board";
        case tipo_cella::prima_avviso: return "a cell before a slowdown warning board";
        case tipo_cella::indicatore_v_max: return "a speed board";
        case tipo_cella::fermata: return "a station stopping point";
        case tipo_cella::segnale_montagna: return "a mountain-zone marker";
        case tipo_cella::punto_codice: return "a code point";
        case tipo_cella::abbattimento_zero: return "a speed cut";
        case tipo_cella::cartello: return "a text board";
        default: return "a feature of type " + std::to_string(tipo);
    }
}

}  // namespace compattatore
