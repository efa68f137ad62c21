#include "formato/file_planimetria.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "formato/codifica.hpp"
#include "formato/segni.hpp"

namespace compattatore {

using namespace dettaglio_decodifica;

void scrivi_planimetria(const Planimetria& p, Uscita& uscita) {
    // Points 0 and 1 are Integers, points 2 to calcolati() - 1 Doubles, the
    // rest Empty (see model/planimetria.hpp). The file is column 0, then
    // column 1, and the points are computed for each in turn, a block at a
    // time: on a curve the two coordinates are computed together either way,
    // and holding one column back for later would take more time in fresh
    // memory (8 MB at the longest line) than computing the curves again.
    constexpr std::size_t blocco = 256;  // points per block: they stay in the first-level cache
    static_assert(blocco * byte_elemento_doppio <= Scrittore::capacita);
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
            unsigned char* b = w.riserva((n - i) * byte_elemento_doppio);
            for (; i < n; ++i, ++m, b += byte_elemento_doppio) {
                std::uint64_t u = 0;
                std::memcpy(&u, &valori[i], sizeof u);
                Scrittore::metti_16(b, static_cast<std::uint16_t>(tag_doppio));
                Scrittore::metti_64(b + byte_tag, u);
            }
        }
        for (; m < punti; ++m) w.intero(tag_vuoto);
    }
    w.svuota();
}

namespace {

std::size_t larghezza_valore(std::int16_t tag) {
    switch (tag) {
        case tag_vuoto: return 0;
        case tag_intero: return 2;
        case tag_doppio: return 8;
        default: return static_cast<std::size_t>(-1);
    }
}

const char* nome_tag(std::int16_t tag) {
    switch (tag) {
        case tag_vuoto: return "Empty";
        case tag_intero: return "Integer";
        case tag_doppio: return "Double";
        default: return "unknown";
    }
}

struct Elemento {
    std::int16_t tag = 0;
    std::int16_t intero = 0;
    double doppio = 0;
    std::size_t offset = 0;
};

Elemento leggi_elemento(Lettore& c) {
    Elemento e;
    e.offset = c.pos();
    e.tag = c.intero();
    if (e.tag == tag_intero) e.intero = c.intero();
    if (e.tag == tag_doppio) e.doppio = c.doppio();
    return e;
}

std::string descrivi(const Elemento& e) {
    if (e.tag == tag_intero) return "the Integer " + n(e.intero);
    return std::string(e.tag == tag_vuoto ? "an " : "a ") + nome_tag(e.tag);
}

}  // namespace

Decodifica<Planimetria> decodifica_planimetria(std::string_view byte) {
    // First pass: every tag known, every value complete; count the elements.
    std::int64_t elementi = 0;
    {
        Lettore c(byte);
        while (c.restanti() > 0) {
            const std::size_t inizio = c.pos();
            if (!c.resta(2)) {
                return errore(inizio, "plan file: 1 byte left at byte " + n(static_cast<std::int64_t>(inizio)) +
                                          ", where a 2-byte tag was expected");
            }
            const std::int16_t tag = c.intero();
            const std::size_t w = larghezza_valore(tag);
            if (w == static_cast<std::size_t>(-1)) {
                return errore(inizio, "plan file: unknown tag " + n(tag) + " at byte " +
                                          n(static_cast<std::int64_t>(inizio)) +
                                          " (expected 0 Empty, 2 Integer or 5 Double)");
            }
            if (!c.resta(w)) {
                return errore(inizio, "plan file: the " + std::string(nome_tag(tag)) + " at byte " +
                                          n(static_cast<std::int64_t>(inizio)) + " needs " + byte_s(static_cast<std::int64_t>(w)) +
                                          " of value, only " + byte_s(static_cast<std::int64_t>(c.restanti())) + " remain");
            }
            c.salta(w);
            ++elementi;
        }
    }
    if (elementi % 2 != 0) {
        return errore(byte.size(), "plan file: " + n(elementi) +
                                       " elements cannot be split into two columns of equal length");
    }
    const std::int64_t punti = elementi / 2;
    if (punti < 2) {
        return errore(byte.size(), "plan file: " + n(punti) + " points per column, a plan has at least 2");
    }
    if (punti > punti_massimi) {
        return errore(0, "plan file: " + n(punti) + " points per column, more than the " + n(punti_massimi) +
                             " of the longest line (" + n(lunghezza_massima) + " m)");
    }

    // Second pass: column 0 in full, then column 1 against it.
    Planimetria p;
    p.dimensiona(static_cast<std::int32_t>(punti - 1));
    std::vector<double> xs;
    Lettore c(byte);
    std::int64_t calcolati = -1;  // points with values in column 0
    std::int64_t m = 0;
    const auto fuori_schema = [](const Elemento& e, std::int64_t metro, int colonna, const std::string& atteso) {
        return errore(e.offset, "plan file: point " + n(metro) + " of column " + n(colonna) + " at byte " +
                                    n(static_cast<std::int64_t>(e.offset)) + " holds " + descrivi(e) +
                                    ", expected " + atteso + " (not a plan this system writes)");
    };
    for (m = 0; m < punti; ++m) {
        const Elemento e = leggi_elemento(c);
        if (m == 0) {
            if (e.tag == tag_vuoto) {
                calcolati = 0;
            } else if (e.tag != tag_intero || e.intero != 0) {
                return fuori_schema(e, m, 0, "the Integer 0 or Empty");
            }
            continue;
        }
        if (calcolati >= 0) {  // already in the Empty tail
            if (e.tag != tag_vuoto) return fuori_schema(e, m, 0, "Empty, as the points before it");
            continue;
        }
        if (m == 1) {
            if (e.tag != tag_intero || e.intero != 0) return fuori_schema(e, m, 0, "the Integer 0");
            continue;
        }
        if (e.tag == tag_doppio) {
            xs.push_back(e.doppio);
        } else if (e.tag == tag_vuoto) {
            calcolati = m;
        } else {
            return fuori_schema(e, m, 0, "a Double or Empty");
        }
    }
    if (calcolati < 0) calcolati = punti;

    if (calcolati > 0) p.semina();
    for (m = 0; m < punti; ++m) {
        const Elemento e = leggi_elemento(c);
        if (m < calcolati && m < 2) {
            const std::int16_t atteso = static_cast<std::int16_t>(m);
            if (e.tag != tag_intero || e.intero != atteso) return fuori_schema(e, m, 1, "the Integer " + n(atteso));
        } else if (m < calcolati) {
            if (e.tag != tag_doppio) {
                return fuori_schema(e, m, 1, "a Double, since column 0 holds one for this point");
            }
            p.aggiungi(xs[static_cast<std::size_t>(m - 2)], e.doppio);
        } else if (e.tag != tag_vuoto) {
            return fuori_schema(e, m, 1, "Empty, since column 0 is Empty for this point");
        }
    }
    return p;
}

}  // namespace compattatore
