#include "output/file_binari.hpp"

#include <limits>
#include <stdexcept>
#include <string>

namespace compattatore {

void scrivi_planimetria(const Planimetria& p, Uscita& uscita) {
    Scrittore w(uscita);
    // The plan is a computed prefix of two Double columns: points 0 and 1 are
    // Integers, points 2 to calcolati() - 1 Doubles, the rest Empty (see
    // model/planimetria.hpp). Encoding the prefix directly keeps the 200000
    // elements of a full line away from a variant per element.
    const std::int32_t calcolati = p.calcolati();
    for (int colonna = 0; colonna < 2; ++colonna) {
        for (std::int32_t m = 0; m <= p.ultimo(); ++m) {
            if (m >= calcolati) {
                w.intero(tag_vuoto);
            } else {
                const double v = colonna == 0 ? p.x(m) : p.y(m);
                if (m < 2) {
                    w.intero(tag_intero);
                    w.intero(static_cast<std::int16_t>(v));
                } else {
                    w.intero(tag_doppio);
                    w.doppio(v);
                }
            }
        }
    }
    w.svuota();
}

void scrivi_voci(const Voci& voci, Uscita& uscita) {
    // A name is written with a 2-byte length: refuse one that cannot be,
    // before a single byte goes out.
    for (std::size_t i = 0; i < voci.size(); ++i) {
        if (voci[i].nome.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
            throw std::length_error("entry " + std::to_string(i) + ": a name of " +
                                    std::to_string(voci[i].nome.size()) +
                                    " bytes is longer than the entry file can hold (32767)");
        }
    }
    Scrittore w(uscita);
    for (const Voce& v : voci) {
        w.byte(v.tipo);
        w.lungo(v.inizio);
        w.lungo(v.fine);
        w.lungo(v.posizione);
        w.byte(v.prolunga);
        w.intero(static_cast<std::int16_t>(v.nome.size()));
        w.testo(v.nome);
        w.intero(v.dato_a);
        w.intero(v.dato_b);
        w.intero(v.dato_c);
        w.intero(v.dato_d);
        w.intero(v.dato_e);
        w.byte(v.opzione_a);
        w.byte(v.opzione_b);
        w.byte(v.opzione_c);
        w.byte(v.opzione_d);
        w.lungo(v.orario);
    }
    w.svuota();
}

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

}  // namespace compattatore
