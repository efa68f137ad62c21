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
                      "track file: " + byte_s(dimensione) + " is not a multiple of " + n(byte_cella) + " (" +
                          byte_s(dimensione - intere) + " after the last whole cell at byte " + n(intere) + ")");
    }
    if (dimensione / byte_cella < 2) {
        return errore(byte.size(), "track file: " + byte_s(dimensione) + " holds " + n(dimensione / byte_cella) +
                                       " cells, a track has at least cells 0 and 1");
    }
    if (dimensione / byte_cella > celle_massime) {
        return errore(0, "track file: " + n(dimensione / byte_cella) + " cells, more than the " + n(celle_massime) +
                             " of the longest line (" + n(lunghezza_massima) + " m)");
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
        return errore(offset_marchio_percorso, "track file: the file mark at byte " + n(offset_marchio_percorso) +
                                                   " (cell 1) is " + n(prima.valore_1) + ", expected " +
                                                   n(marchio_percorso));
    }
    if (nomi) {
        const std::int16_t atteso = codice_gara_og(nomi->numero_treno, nomi->nome_percorso);
        if (prima.valore_2 != atteso) {
            return errore(offset_codice_percorso, "track file: the plain competition code at byte " +
                                                      n(offset_codice_percorso) + " (cell 1) is " +
                                                      n(prima.valore_2) + ", expected " + n(atteso) +
                                                      " for the train and route names");
        }
    }
    return percorso;
}

}  // namespace compattatore
