#include "output/file_binari.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>

namespace compattatore {

void scrivi_planimetria(const Planimetria& p, Uscita& uscita) {
    // Points 0 and 1 are Integers, points 2 to calcolati() - 1 Doubles, the
    // rest Empty (see model/planimetria.hpp). The file is column 0, then
    // column 1, and the points are computed for each in turn, a block at a
    // time: on a curve the two coordinates are computed together either way,
    // and holding one column back for later would take more time in fresh
    // memory (8 MB at the longest line) than computing the curves again.
    constexpr std::size_t byte_doppio = 10;
    constexpr std::size_t blocco = 256;  // points per block: they stay in the first-level cache
    static_assert(blocco * byte_doppio <= Scrittore::capacita);
    const auto punti = static_cast<std::uint64_t>(std::max<std::int64_t>(p.numero_punti(), 0));
    std::array<double, blocco> valori{};  // the block of the column being written
    Scrittore w(uscita);
    for (int c = 0; c < 2; ++c) {
        GeneratorePunti generatore(p);
        std::uint64_t m = 0;
        while (const std::size_t n = generatore.prossimi(c == 0 ? valori.data() : nullptr,
                                                         c == 1 ? valori.data() : nullptr, blocco)) {
            std::size_t i = 0;
            for (; i < n && m < 2; ++i, ++m) {
                w.intero(tag_intero);
                w.intero(static_cast<std::int16_t>(valori[i]));
            }
            unsigned char* b = w.riserva((n - i) * byte_doppio);
            for (; i < n; ++i, ++m, b += byte_doppio) {
                std::uint64_t u = 0;
                std::memcpy(&u, &valori[i], sizeof u);
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
