#include "output/file_binari.hpp"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>

namespace compattatore {

void scrivi_planimetria(const Planimetria& p, Uscita& uscita) {
    Scrittore w(uscita);
    // The plan is a computed prefix of two Double columns: points 0 and 1 are
    // Integers, points 2 to calcolati() - 1 Doubles, the rest Empty (see
    // model/planimetria.hpp). The Doubles, 10 bytes each, are encoded in
    // place a buffer at a time.
    constexpr std::size_t byte_doppio = 10;
    const auto calcolati = static_cast<std::size_t>(p.calcolati());
    const auto punti = static_cast<std::size_t>(p.numero_punti());
    for (int c = 0; c < 2; ++c) {
        const std::span<const double> valori = p.colonna(c);
        std::size_t m = 0;
        for (; m < calcolati && m < 2; ++m) {
            w.intero(tag_intero);
            w.intero(static_cast<std::int16_t>(valori[m]));
        }
        while (m < calcolati) {
            const std::size_t n = std::min(calcolati - m, Scrittore::capacita / byte_doppio);
            unsigned char* b = w.riserva(n * byte_doppio);
            for (std::size_t i = 0; i < n; ++i, ++m, b += byte_doppio) {
                std::uint64_t u = 0;
                std::memcpy(&u, &valori[m], sizeof u);
                Scrittore::metti_16(b, static_cast<std::uint16_t>(tag_doppio));
                Scrittore::metti_64(b + 2, u);
            }
        }
        for (; m < punti; ++m) w.intero(tag_vuoto);
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
