#include "readers/contenuto_cella.hpp"

namespace compattatore {

std::string contenuto_cella(const Cella& c) {
    switch (c.tipo) {
        case tipo_cella::vuota: return "nothing";
        case tipo_cella::segnale: return "a signal";
        case tipo_cella::fine_rallentamento: return "a slowdown end";
        case tipo_cella::inizio_rallentamento: return "a slowdown start";
        case tipo_cella::avviso_rallentamento: return "a slowdown warning board";
        case tipo_cella::prima_avviso: return "a cell before a slowdown warning";
        case tipo_cella::indicatore_v_max: return "a speed board";
        case tipo_cella::fermata: return "a station stop";
        case tipo_cella::segnale_montagna: return "a mountain-zone marker";
        case tipo_cella::punto_codice: return "a code point";
        case tipo_cella::abbattimento_zero: return "a zero code point";
        case tipo_cella::cartello: return "a text board";
        default: return "type " + std::to_string(static_cast<int>(c.tipo));
    }
}

}  // namespace compattatore
