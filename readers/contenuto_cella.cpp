#include "readers/contenuto_cella.hpp"

#include "readers/messaggi.hpp"

namespace compattatore {

Messaggio contenuto_cella(const Cella& c) {
    using namespace messaggi;
    switch (c.tipo) {
        case tipo_cella::vuota: return Messaggio(lettura_cella_niente);
        case tipo_cella::segnale: return Messaggio(lettura_un_segnale);
        case tipo_cella::fine_rallentamento: return Messaggio(lettura_una_fine_rallentamento);
        case tipo_cella::inizio_rallentamento: return Messaggio(lettura_cella_inizio_rallentamento);
        case tipo_cella::avviso_rallentamento: return Messaggio(lettura_cella_avviso_rallentamento);
        case tipo_cella::prima_avviso: return Messaggio(lettura_cella_prima_avviso);
        case tipo_cella::indicatore_v_max: return Messaggio(lettura_un_cartello_velocita);
        case tipo_cella::fermata: return Messaggio(lettura_cella_fermata);
        case tipo_cella::segnale_montagna: return Messaggio(lettura_cella_segnale_montagna);
        case tipo_cella::punto_codice: return Messaggio(lettura_un_punto_codice);
        case tipo_cella::abbattimento_zero: return Messaggio(lettura_cella_codice_zero);
        case tipo_cella::cartello: return Messaggio(lettura_cella_cartello);
        default: return Messaggio(lettura_cella_tipo, static_cast<int>(c.tipo));
    }
}

}  // namespace compattatore
