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

// An element that is not whole in the window: byte by byte, with every check
// of the cursor. Kept out of line, so that the common case stays small.
[[gnu::noinline]] Elemento leggi_elemento_lento(LettoreFonte& c) {
    Elemento e;
    e.offset = c.pos();
    e.tag = c.intero();
    if (e.tag == tag_intero) e.intero = c.intero();
    if (e.tag == tag_doppio) e.doppio = c.doppio();
    return e;
}

inline Elemento leggi_elemento(LettoreFonte& c) {
    // The common case: the largest element is whole in the window.
    const unsigned char* p = c.vista(byte_elemento_doppio);
    if (p == nullptr) return leggi_elemento_lento(c);
    Elemento e;
    e.offset = c.pos();
    e.tag = static_cast<std::int16_t>(Lettore::leggi_16(p));
    std::size_t w = 0;
    switch (e.tag) {
        case tag_doppio: {
            const std::uint64_t u = Lettore::leggi_64(p + byte_tag);
            std::memcpy(&e.doppio, &u, sizeof u);
            w = 8;
            break;
        }
        case tag_intero:
            e.intero = static_cast<std::int16_t>(Lettore::leggi_16(p + byte_tag));
            w = 2;
            break;
        default: w = 0; break;  // Empty, or a tag the first pass refused
    }
    c.salta(byte_tag + w);
    return e;
}

Messaggio descrivi(const Elemento& e) {
    switch (e.tag) {
        case tag_intero: return Messaggio(messaggi::formato_elemento_intero, e.intero);
        case tag_vuoto: return Messaggio(messaggi::formato_elemento_vuoto);
        case tag_doppio: return Messaggio(messaggi::formato_elemento_doppio);
        default: return Messaggio(messaggi::formato_elemento_ignoto);
    }
}

std::int64_t i64(std::uint64_t v) { return static_cast<std::int64_t>(v); }

ErroreDecodifica errore_a(std::uint64_t offset, Messaggio messaggio) {
    return ErroreDecodifica{i64(offset), std::move(messaggio)};
}

ErroreDecodifica fuori_schema(const Elemento& e, std::int64_t metro, int colonna, Messaggio atteso) {
    return errore_a(e.offset, Messaggio(messaggi::formato_planimetria_fuori_schema, metro, colonna, i64(e.offset),
                                        descrivi(e), std::move(atteso)));
}

// The elements of the file and where some of them start: every
// `passo_tappe`-th, so that the start of column 1 is found again without a
// second pass over column 0 and without holding an offset per element.
constexpr std::int64_t passo_tappe = 4096;

struct Conteggio {
    std::int64_t elementi = 0;
    std::vector<std::uint64_t> tappe;  // tappe[k]: the byte of element k * passo_tappe
};

// First pass: every tag known, every value complete; the number of elements.
std::variant<Conteggio, ErroreDecodifica> conta_elementi(Fonte& fonte) {
    Conteggio r;
    LettoreFonte c(fonte);
    while (c.restanti() > 0) {
        // The common case: whole elements of known tags, a window at a time.
        for (bool avanti = true; avanti;) {
            const std::span<const unsigned char> f = c.vista_finestra(byte_elemento_doppio);
            if (f.empty()) break;
            std::size_t i = 0;
            while (i + byte_elemento_doppio <= f.size()) {
                const std::size_t w = larghezza_valore(static_cast<std::int16_t>(Lettore::leggi_16(f.data() + i)));
                if (w == static_cast<std::size_t>(-1)) {
                    avanti = false;
                    break;
                }
                if (r.elementi % passo_tappe == 0) r.tappe.push_back(c.pos() + i);
                i += byte_tag + w;
                ++r.elementi;
            }
            c.salta(i);
        }
        if (c.restanti() == 0) break;
        // The last few bytes, or an unknown tag: one element with every check.
        const std::uint64_t inizio = c.pos();
        if (r.elementi % passo_tappe == 0) r.tappe.push_back(inizio);
        if (!c.resta(2)) {
            return errore_a(inizio, Messaggio(messaggi::formato_planimetria_un_byte, i64(inizio)));
        }
        const std::int16_t tag = c.intero();
        const std::size_t w = larghezza_valore(tag);
        if (w == static_cast<std::size_t>(-1)) {
            return errore_a(inizio, Messaggio(messaggi::formato_planimetria_tag_ignoto, tag, i64(inizio)));
        }
        if (!c.resta(w)) {
            return errore_a(inizio, Messaggio(messaggi::formato_planimetria_valore_corto, nome_tag(tag), i64(inizio),
                                              byte_s(static_cast<std::int64_t>(w)), byte_s(i64(c.restanti()))));
        }
        c.salta(w);
        ++r.elementi;
    }
    if (c.guasto()) return errore_a(c.pos(), Messaggio(messaggi::formato_planimetria_lettura_corta));
    return r;
}

// The byte where element k starts (the tags were checked by the first pass).
std::uint64_t inizio_elemento(Fonte& fonte, const Conteggio& conteggio, std::int64_t k) {
    const auto tappa = static_cast<std::size_t>(k / passo_tappe);
    if (tappa >= conteggio.tappe.size()) return fonte.dimensione();
    LettoreFonte c(fonte, conteggio.tappe[tappa]);
    for (std::int64_t e = static_cast<std::int64_t>(tappa) * passo_tappe; e < k; ++e) c.salta(larghezza_valore(c.intero()));
    return c.pos();
}

// Column 0 against the pattern, one point at a time: the error of point m,
// if any.
class Colonna0 {
public:
    std::optional<ErroreDecodifica> verifica(const Elemento& e, std::int64_t m) {
        if (m == 0) {
            if (e.tag == tag_vuoto) {
                calcolati_ = 0;
            } else if (e.tag != tag_intero || e.intero != 0) {
                return fuori_schema(e, m, 0, Messaggio(messaggi::formato_atteso_zero_o_vuoto));
            }
            return std::nullopt;
        }
        if (calcolati_ >= 0) {  // already in the Empty tail
            if (e.tag != tag_vuoto) return fuori_schema(e, m, 0, Messaggio(messaggi::formato_atteso_vuoto_come_prima));
            return std::nullopt;
        }
        if (m == 1) {
            if (e.tag != tag_intero || e.intero != 0) return fuori_schema(e, m, 0, Messaggio(messaggi::formato_elemento_intero, 0));
            return std::nullopt;
        }
        if (e.tag == tag_vuoto) {
            calcolati_ = m;
        } else if (e.tag != tag_doppio) {
            return fuori_schema(e, m, 0, Messaggio(messaggi::formato_atteso_doppio_o_vuoto));
        }
        return std::nullopt;
    }
    // Point m (just checked) holds values.
    bool con_valori(std::int64_t m) const { return calcolati_ < 0 || m < calcolati_; }

private:
    std::int64_t calcolati_ = -1;  // set at the first Empty
};

// Column 1 against column 0 at point m, whose column-0 element has values
// or not.
std::optional<ErroreDecodifica> verifica_colonna_1(const Elemento& e, std::int64_t m, bool con_valori) {
    if (con_valori && m < 2) {
        const std::int16_t atteso = static_cast<std::int16_t>(m);
        if (e.tag != tag_intero || e.intero != atteso) return fuori_schema(e, m, 1, Messaggio(messaggi::formato_elemento_intero, atteso));
    } else if (con_valori) {
        if (e.tag != tag_doppio) return fuori_schema(e, m, 1, Messaggio(messaggi::formato_atteso_doppio_come_colonna_0));
    } else if (e.tag != tag_vuoto) {
        return fuori_schema(e, m, 1, Messaggio(messaggi::formato_atteso_vuoto_come_colonna_0));
    }
    return std::nullopt;
}

}  // namespace

std::optional<ErroreDecodifica> scorri_planimetria(Fonte& fonte, DestinazionePunti& destinazione) {
    auto conteggio = conta_elementi(fonte);
    if (const auto* e = std::get_if<ErroreDecodifica>(&conteggio)) return *e;
    const Conteggio& conti = std::get<Conteggio>(conteggio);
    const std::int64_t elementi = conti.elementi;
    const std::uint64_t fine = fonte.dimensione();
    if (elementi % 2 != 0) {
        return errore_a(fine, Messaggio(messaggi::formato_planimetria_colonne_disuguali, elementi));
    }
    const std::int64_t punti = elementi / 2;
    if (punti < 2) return errore_a(fine, Messaggio(messaggi::formato_planimetria_pochi_punti, punti));
    if (punti > punti_massimi) {
        return errore(0, Messaggio(messaggi::formato_planimetria_troppi_punti, punti, punti_massimi, lunghezza_massima));
    }

    // Second pass: the two columns side by side. Every error of column 0
    // comes before any of column 1: after an error in column 1, the rest of
    // column 0 is still checked.
    LettoreFonte x(fonte);
    LettoreFonte y(fonte, inizio_elemento(fonte, conti, punti));
    Colonna0 colonna_0;
    std::optional<ErroreDecodifica> errore_1;
    for (std::int64_t m = 0; m < punti; ++m) {
        const Elemento ex = leggi_elemento(x);
        if (auto e = colonna_0.verifica(ex, m)) return e;
        if (m == 0) destinazione.dimensioni(punti, ex.tag == tag_intero);
        if (errore_1) continue;
        const Elemento ey = leggi_elemento(y);
        if ((errore_1 = verifica_colonna_1(ey, m, colonna_0.con_valori(m)))) continue;
        if (m >= 2 && ex.tag == tag_doppio) destinazione.punto(ex.doppio, ey.doppio);
    }
    if (errore_1) return errore_1;
    if (x.guasto() || y.guasto()) return errore_a(y.pos(), Messaggio(messaggi::formato_planimetria_lettura_corta));
    return std::nullopt;
}

namespace {

// The points handed on, gathered into a plan.
class Raccolta final : public DestinazionePunti {
public:
    void dimensioni(std::int64_t punti, bool seminata) override {
        p.dimensiona(static_cast<std::int32_t>(punti - 1));
        if (seminata) p.semina();
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
