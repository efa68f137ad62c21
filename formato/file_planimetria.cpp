#include "formato/file_planimetria.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "formato/codifica.hpp"
#include "formato/fonte.hpp"
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
    std::uint64_t offset = 0;
};

Elemento leggi_elemento(LettoreFonte& c) {
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

std::int64_t i64(std::uint64_t v) { return static_cast<std::int64_t>(v); }

ErroreDecodifica errore_a(std::uint64_t offset, std::string messaggio) {
    return ErroreDecodifica{i64(offset), std::move(messaggio)};
}

ErroreDecodifica fuori_schema(const Elemento& e, std::int64_t metro, int colonna, const std::string& atteso) {
    return errore_a(e.offset, "plan file: point " + n(metro) + " of column " + n(colonna) + " at byte " +
                                  n(i64(e.offset)) + " holds " + descrivi(e) + ", expected " + atteso +
                                  " (not a plan this system writes)");
}

// First pass: every tag known, every value complete; the number of elements.
std::variant<std::int64_t, ErroreDecodifica> conta_elementi(Fonte& fonte) {
    std::int64_t elementi = 0;
    LettoreFonte c(fonte);
    while (c.restanti() > 0) {
        const std::uint64_t inizio = c.pos();
        if (!c.resta(2)) {
            return errore_a(inizio, "plan file: 1 byte left at byte " + n(i64(inizio)) +
                                        ", where a 2-byte tag was expected");
        }
        const std::int16_t tag = c.intero();
        const std::size_t w = larghezza_valore(tag);
        if (w == static_cast<std::size_t>(-1)) {
            return errore_a(inizio, "plan file: unknown tag " + n(tag) + " at byte " + n(i64(inizio)) +
                                        " (expected 0 Empty, 2 Integer or 5 Double)");
        }
        if (!c.resta(w)) {
            return errore_a(inizio, "plan file: the " + std::string(nome_tag(tag)) + " at byte " + n(i64(inizio)) +
                                        " needs " + byte_s(static_cast<std::int64_t>(w)) + " of value, only " +
                                        byte_s(i64(c.restanti())) + " remain");
        }
        c.salta(w);
        ++elementi;
    }
    if (c.guasto()) return errore_a(c.pos(), "plan file: fewer bytes could be read than the file holds");
    return elementi;
}

// Column 0 against the pattern: the number of points with values, and the
// byte where column 1 starts.
struct Colonna0 {
    std::int64_t calcolati = 0;
    std::uint64_t fine = 0;
};

std::variant<Colonna0, ErroreDecodifica> verifica_colonna_0(Fonte& fonte, std::int64_t punti) {
    LettoreFonte c(fonte);
    std::int64_t calcolati = -1;  // set at the first Empty
    for (std::int64_t m = 0; m < punti; ++m) {
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
        if (e.tag == tag_vuoto) {
            calcolati = m;
        } else if (e.tag != tag_doppio) {
            return fuori_schema(e, m, 0, "a Double or Empty");
        }
    }
    if (c.guasto()) return errore_a(c.pos(), "plan file: fewer bytes could be read than the file holds");
    return Colonna0{calcolati < 0 ? punti : calcolati, c.pos()};
}

}  // namespace

std::optional<ErroreDecodifica> scorri_planimetria(Fonte& fonte, DestinazionePunti& destinazione) {
    const auto conteggio = conta_elementi(fonte);
    if (const auto* e = std::get_if<ErroreDecodifica>(&conteggio)) return *e;
    const std::int64_t elementi = std::get<std::int64_t>(conteggio);
    const std::uint64_t fine = fonte.dimensione();
    if (elementi % 2 != 0) {
        return errore_a(fine, "plan file: " + n(elementi) + " elements cannot be split into two columns of equal length");
    }
    const std::int64_t punti = elementi / 2;
    if (punti < 2) return errore_a(fine, "plan file: " + n(punti) + " points per column, a plan has at least 2");
    if (punti > punti_massimi) {
        return errore(0, "plan file: " + n(punti) + " points per column, more than the " + n(punti_massimi) +
                             " of the longest line (" + n(lunghezza_massima) + " m)");
    }
    const auto colonna_0 = verifica_colonna_0(fonte, punti);
    if (const auto* e = std::get_if<ErroreDecodifica>(&colonna_0)) return *e;
    const Colonna0 c0 = std::get<Colonna0>(colonna_0);

    // Last pass: column 1 against column 0, the two read side by side.
    destinazione.dimensioni(punti, c0.calcolati);
    LettoreFonte xs(fonte, 2 * byte_elemento_intero);  // point 2 of column 0
    LettoreFonte c(fonte, c0.fine);
    for (std::int64_t m = 0; m < punti; ++m) {
        const Elemento e = leggi_elemento(c);
        if (m < c0.calcolati && m < 2) {
            const std::int16_t atteso = static_cast<std::int16_t>(m);
            if (e.tag != tag_intero || e.intero != atteso) return fuori_schema(e, m, 1, "the Integer " + n(atteso));
        } else if (m < c0.calcolati) {
            if (e.tag != tag_doppio) return fuori_schema(e, m, 1, "a Double, since column 0 holds one for this point");
            xs.salta(byte_tag);
            destinazione.punto(xs.doppio(), e.doppio);
        } else if (e.tag != tag_vuoto) {
            return fuori_schema(e, m, 1, "Empty, since column 0 is Empty for this point");
        }
    }
    if (c.guasto() || xs.guasto()) {
        return errore_a(c.pos(), "plan file: fewer bytes could be read than the file holds");
    }
    return std::nullopt;
}

namespace {

// The points handed on, gathered into a plan.
class Raccolta final : public DestinazionePunti {
public:
    void dimensioni(std::int64_t punti, std::int64_t calcolati) override {
        p.dimensiona(static_cast<std::int32_t>(punti - 1));
        if (calcolati > 0) p.semina();
    }
    void punto(double x, double y) override { p.aggiungi(x, y); }
    Planimetria p;
};

}  // namespace

Decodifica<Planimetria> decodifica_planimetria(std::string_view byte) {
    FonteMemoria fonte(byte);
    Raccolta r;
    if (auto e = scorri_planimetria(fonte, r)) return std::move(*e);
    return std::move(r.p);
}

}  // namespace compattatore
