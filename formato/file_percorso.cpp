#include "formato/file_percorso.hpp"

#include <cstdint>
#include <string>

#include "formato/codici_gara.hpp"
#include "formato/codifica.hpp"
#include "formato/segni.hpp"

namespace compattatore {

using namespace dettaglio_decodifica;

void scrivi_percorso(const std::vector<Cella>& percorso, Uscita& uscita) {
    Scrittore w(uscita);
    for (const Cella& c : percorso) {
        w.byte(c.tipo);
        w.intero(c.valore_1);
        w.intero(c.valore_2);
        w.intero(c.valore_3);
        w.intero(c.valore_4);
        w.byte(c.tempo_segnale);
        w.byte(c.preavviso);
        w.byte(c.montagna);
        w.byte(c.velocita_limite);
        w.byte(c.pendenza);
        w.byte(c.aderenza);
    }
    w.svuota();
}

Decodifica<std::vector<Cella>> decodifica_percorso(std::string_view byte, const std::optional<NomiGara>& nomi) {
    const auto dimensione = static_cast<std::int64_t>(byte.size());
    if (dimensione % byte_cella != 0) {
        const std::int64_t intere = dimensione / byte_cella * byte_cella;
        return errore(static_cast<std::size_t>(intere),
                      Messaggio(messaggi::formato_percorso_non_multiplo, byte_s(dimensione), byte_cella,
                                byte_s(dimensione - intere), intere));
    }
    if (dimensione / byte_cella < 2) {
        return errore(byte.size(),
                      Messaggio(messaggi::formato_percorso_poche_celle, byte_s(dimensione), dimensione / byte_cella));
    }
    if (dimensione / byte_cella > celle_massime) {
        return errore(0, Messaggio(messaggi::formato_percorso_troppe_celle, dimensione / byte_cella, celle_massime,
                                   lunghezza_massima));
    }
    std::vector<Cella> percorso(static_cast<std::size_t>(dimensione / byte_cella));
    Lettore c(byte);
    for (Cella& k : percorso) {
        k.tipo = c.byte();
        k.valore_1 = c.intero();
        k.valore_2 = c.intero();
        k.valore_3 = c.intero();
        k.valore_4 = c.intero();
        k.tempo_segnale = c.byte();
        k.preavviso = c.byte();
        k.montagna = c.byte();
        k.velocita_limite = c.byte();
        k.pendenza = c.byte();
        k.aderenza = c.byte();
    }
    const Cella& prima = percorso[cella_marchio];
    if (prima.valore_1 != marchio_percorso) {
        return errore(offset_marchio_percorso, Messaggio(messaggi::formato_percorso_marchio, offset_marchio_percorso,
                                                         prima.valore_1, marchio_percorso));
    }
    if (nomi) {
        const std::int16_t atteso = codice_gara_og(nomi->numero_treno, nomi->nome_percorso);
        if (prima.valore_2 != atteso) {
            return errore(offset_codice_percorso, Messaggio(messaggi::formato_percorso_codice, offset_codice_percorso,
                                                            prima.valore_2, atteso));
        }
    }
    return percorso;
}

}  // namespace compattatore
