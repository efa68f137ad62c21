#include "output/decodifica.hpp"

#include <cstdint>
#include <cstring>

#include "model/scenario.hpp"
#include "output/codici_gara.hpp"
#include "output/file_binari.hpp"

namespace compattatore {

namespace {

// Little-endian reads at a cursor. Every read is preceded by a test of what
// remains (resta), so no read goes past the end.
class Cursore {
public:
    explicit Cursore(std::string_view b) : b_(b) {}

    std::size_t pos() const { return pos_; }
    std::size_t restanti() const { return b_.size() - pos_; }
    bool resta(std::size_t n) const { return n <= restanti(); }

    std::uint8_t byte() { return static_cast<std::uint8_t>(b_[pos_++]); }
    std::int16_t intero() {
        const std::uint16_t basso = byte();
        const std::uint16_t alto = byte();
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(basso | (alto << 8)));
    }
    std::int32_t lungo() {
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(byte()) << (8 * i);
        return static_cast<std::int32_t>(u);
    }
    double doppio() {
        std::uint64_t u = 0;
        for (int i = 0; i < 8; ++i) u |= static_cast<std::uint64_t>(byte()) << (8 * i);
        double d = 0;
        static_assert(sizeof u == sizeof d);
        std::memcpy(&d, &u, sizeof d);
        return d;
    }
    std::string testo(std::size_t n) {
        std::string t(b_.substr(pos_, n));
        pos_ += n;
        return t;
    }
    void salta(std::size_t n) { pos_ += n; }

private:
    std::string_view b_;
    std::size_t pos_ = 0;
};

// The largest tables a build makes: a line of lunghezza_massima metres plus
// the extension, one plan point per metre, one cell per 50 m.
constexpr std::int64_t punti_massimi = std::int64_t{lunghezza_massima} + prolungamento + 1;
constexpr std::int64_t celle_massime = (std::int64_t{lunghezza_massima} + prolungamento) / 50 + 1;

ErroreDecodifica errore(std::size_t offset, std::string messaggio) {
    return ErroreDecodifica{static_cast<std::int64_t>(offset), std::move(messaggio)};
}

std::string n(std::int64_t v) { return std::to_string(v); }

std::string byte_s(std::int64_t v) { return v == 1 ? "1 byte" : n(v) + " bytes"; }

// ---- plan file -------------------------------------------------------------

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

Elemento leggi_elemento(Cursore& c) {
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
        Cursore c(byte);
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
    Cursore c(byte);
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

// ---- entry file ------------------------------------------------------------

Decodifica<Voci> decodifica_voci(std::string_view byte) {
    Voci voci{};
    Cursore c(byte);
    std::size_t offset_marchio = 0;
    std::size_t offset_codice = 0;
    for (int i = 0; i < numero_voci; ++i) {
        const std::size_t inizio = c.pos();
        const std::string dove = "entry " + n(i) + " at byte " + n(static_cast<std::int64_t>(inizio));
        if (!c.resta(16)) {
            return errore(inizio, "entry file: " + byte_s(static_cast<std::int64_t>(c.restanti())) + " left for " +
                                      dove + ", which needs at least " + n(byte_voce_senza_nome) +
                                      " (the file is truncated)");
        }
        Voce& v = voci[static_cast<std::size_t>(i)];
        v.tipo = c.byte();
        v.inizio = c.lungo();
        v.fine = c.lungo();
        v.posizione = c.lungo();
        v.prolunga = c.byte();
        const std::size_t offset_lunghezza = c.pos();
        const std::int16_t lunghezza = c.intero();
        if (lunghezza < 0) {
            return errore(offset_lunghezza, "entry file: " + dove + " has a negative name length " + n(lunghezza) +
                                                " at byte " + n(static_cast<std::int64_t>(offset_lunghezza)));
        }
        const auto resto = static_cast<std::size_t>(lunghezza) + (byte_voce_senza_nome - 16);
        if (!c.resta(resto)) {
            return errore(offset_lunghezza,
                          "entry file: the name length " + n(lunghezza) + " of " + dove + " (at byte " +
                              n(static_cast<std::int64_t>(offset_lunghezza)) + ") runs past the end of the file: " +
                              byte_s(static_cast<std::int64_t>(c.restanti())) + " remain, the entry needs " +
                              n(static_cast<std::int64_t>(resto)) + " more");
        }
        v.nome = c.testo(static_cast<std::size_t>(lunghezza));
        if (i == indice_voce::linea) offset_marchio = c.pos();
        v.dato_a = c.intero();
        v.dato_b = c.intero();
        v.dato_c = c.intero();
        v.dato_d = c.intero();
        v.dato_e = c.intero();
        v.opzione_a = c.byte();
        v.opzione_b = c.byte();
        v.opzione_c = c.byte();
        v.opzione_d = c.byte();
        if (i == indice_voce::linea) offset_codice = c.pos();
        v.orario = c.lungo();
    }
    if (c.restanti() > 0) {
        const auto extra = static_cast<std::int64_t>(c.restanti());
        return errore(c.pos(), "entry file: " + n(extra) + (extra == 1 ? " extra byte" : " extra bytes") +
                                   " after the last entry (86), which ends at byte " +
                                   n(static_cast<std::int64_t>(c.pos())) + "; the file should end there");
    }
    const Voce& linea = voci[indice_voce::linea];
    const Voce& treno = voci[indice_voce::treno];
    if (linea.dato_a != marchio_voci) {
        return errore(offset_marchio, "entry file: the file mark at byte " + n(static_cast<std::int64_t>(offset_marchio)) +
                                          " (entry 85) is " + n(linea.dato_a) + ", expected " + n(marchio_voci));
    }
    const std::int32_t atteso = codice_gara_st(treno.nome, linea.nome);
    if (linea.orario != atteso) {
        return errore(offset_codice, "entry file: the weighted competition code at byte " +
                                         n(static_cast<std::int64_t>(offset_codice)) + " (entry 85) is " +
                                         n(linea.orario) + ", expected " + n(atteso) +
                                         " for the train and route names of entries 86 and 85");
    }
    return voci;
}

// ---- track file ------------------------------------------------------------

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
    Cursore c(byte);
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
    const Cella& prima = percorso[1];
    if (prima.valore_1 != marchio_percorso) {
        return errore(byte_cella + 1, "track file: the file mark at byte 16 (cell 1) is " + n(prima.valore_1) +
                                          ", expected " + n(marchio_percorso));
    }
    if (nomi) {
        const std::int16_t atteso = codice_gara_og(nomi->numero_treno, nomi->nome_percorso);
        if (prima.valore_2 != atteso) {
            return errore(byte_cella + 3, "track file: the plain competition code at byte 18 (cell 1) is " +
                                              n(prima.valore_2) + ", expected " + n(atteso) +
                                              " for the train and route names");
        }
    }
    return percorso;
}

}  // namespace compattatore
