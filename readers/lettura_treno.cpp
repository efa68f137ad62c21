// The train half of the reading step: the train description, from the search
// for "[generale]" to the completion of the speed-limit and adhesion profiles.
//
// The text is read as a stream of fields. After "[generale]" every field in
// keyword position is tested for the keywords below, in this order, each test
// on its own and without regard to letter case; a field without a keyword
// (the section headings among them) is dropped. One or two fields holding a
// "-" in front of a keyword are comments and are skipped.
//
//   "frenata" and "massa"  braked mass             -> voci(84).inizio
//   "vetture"              number of cars          -> voci(84).posizione
//   "velocit"              position, km/h          -> speed-limit profile
//   "aderenza"             position, value         -> adhesion profile
//   "orologio"             hours, minutes, seconds -> voci(86).dato_c, dato_d, dato_e
//   "sabbia"               sand                    -> voci(86).dato_a
//   "segnale"              eleven numbers          -> memo_segnale
//   "rallentamento"        six numbers             -> memo_rallentamento
//   "abbattimento"         position, value         -> code point
//   "stazione"             seventeen fields        -> voci(k), memo_stazione
//
// A number read for an 8-bit or 16-bit member must fit it: anything else is a
// failure of the reading step (ErroreLettura or GuastoVoce, at the place of
// the value; guasto_lettura for the caller).
#include <optional>
#include <string>
#include <utility>

#include "model/arrotonda.hpp"
#include "readers/contenuto_cella.hpp"
#include "readers/guasto_voce.hpp"
#include "readers/limite_percorso.hpp"
#include "readers/memo_rallentamento.hpp"
#include "readers/memo_segnale.hpp"
#include "readers/memo_stazione.hpp"
#include "readers/memorizza_dati.hpp"
#include "readers/messaggi.hpp"

namespace compattatore {

namespace {

constexpr std::int32_t min_16 = -32768;
constexpr std::int32_t max_16 = 32767;
constexpr std::int32_t max_8 = 255;

// How an entry leaves the main loop.
enum class Esito {
    avanti,      // next field
    completa,    // beyond the track: straight to the completion
    ferma,       // a stop: the reading ends here, without the completion
};

// A profile of the track (speed limit or adhesion) as its entries arrive: the
// cells from 0 to indice - 1 are written; `precedente` is the value of the
// last entry, which governs the cells up to the next entry, and `luogo` the
// place of that value in the text, where a value that does not fit its byte
// is reported.
struct Profilo {
    std::int64_t indice = 0;
    std::optional<std::int32_t> precedente;  // none before the first entry
    Luogo luogo;
};

std::string metri(std::int64_t p) { return std::to_string(p) + " m"; }

// The speed-limit byte of a speed: km/h divided by 5, rounded.
std::uint8_t byte_velocita(std::int32_t kmh, Luogo luogo) {
    const std::int64_t v = arrotonda(kmh, 5);
    if (!entra_in<std::uint8_t>(v)) {
        throw GuastoVoce(luogo, Messaggio(messaggi::lettura_velocita_byte, kmh));
    }
    return static_cast<std::uint8_t>(v);
}

std::uint8_t byte_aderenza(std::int32_t a, Luogo) { return basso_8(a); }

struct LetturaTreno {
    Scenario& s;
    LettoreCampi& campi;
    std::int32_t slot_cartelli;
    std::int32_t stazione = 1;  // voci index of the next station
    Profilo velocita;
    Profilo aderenza;

    std::uint8_t numero_8() { return static_cast<std::uint8_t>(campi.campo_numero_tra(0, max_8)); }
    std::int16_t numero_16() { return static_cast<std::int16_t>(campi.campo_numero_tra(min_16, max_16)); }

    // The range check of every entry: (p + margine) / 50 must not exceed the
    // last cell. Otherwise oltre_il_percorso with p, and the completion follows.
    bool oltre_il_percorso(Luogo dove, const Elemento& voce, std::int64_t p, std::int64_t margine) {
        if (p + margine <= 50 * std::int64_t{s.ultima_cella}) return false;
        s.segnala(Stato::oltre_il_percorso, Sorgente::treno, dove, static_cast<std::int32_t>(p), std::nullopt,
                  oltre_la_fine(s, voce, p, margine));
        return true;
    }

    // One entry of a profile at position p with value nuovo: the previous
    // value is written from the fill index up to the cell before CLng(p / 50).
    // An entry whose cell does not lie beyond the fill index still writes one
    // cell. The fill never passes the last cell of the track.
    template <class Byte>
    void voce_profilo(Profilo& profilo, std::int32_t p, std::int32_t nuovo, Luogo luogo, Byte byte,
                      std::uint8_t Cella::*membro) {
        // Before the first entry its own value governs, from cell 0.
        if (!profilo.precedente) {
            profilo.precedente = nuovo;
            profilo.luogo = luogo;
        }
        const std::int64_t n = arrotonda(p, 50);
        if (n > 0) {
            const std::uint8_t valore = byte(*profilo.precedente, profilo.luogo);
            do {
                if (profilo.indice >= s.ultima_cella) break;
                s.cella(profilo.indice).*membro = valore;
                ++profilo.indice;
            } while (profilo.indice < n);
        }
        profilo.precedente = nuovo;
        profilo.luogo = luogo;
    }

    // The end of a profile: its last value up to ultima_cella - 3, at least
    // one cell.
    template <class Byte>
    void completa_profilo(Profilo& profilo, Byte byte, std::uint8_t Cella::*membro) {
        const std::uint8_t valore = byte(profilo.precedente.value_or(0), profilo.luogo);
        do {
            if (!s.cella_esiste(profilo.indice)) break;
            s.cella(profilo.indice).*membro = valore;
            ++profilo.indice;
        } while (profilo.indice < std::int64_t{s.ultima_cella} - 2);
    }

    template <class Byte>
    Esito profilo(Profilo& profilo, const Elemento& nome, Byte byte, std::uint8_t Cella::*membro) {
        const std::int32_t p = campi.campo_numero();
        const std::int32_t valore = campi.campo_numero();
        const Luogo luogo_valore = campi.luogo();
        if (oltre_il_percorso(campi.luogo_valore(1), nome, p, 100)) return Esito::completa;
        voce_profilo(profilo, p, valore, luogo_valore, byte, membro);
        return Esito::avanti;
    }

    Esito segnale() {
        DatiSegnale d;
        for (std::int32_t* campo : {&d.posizione, &d.sx, &d.s1, &d.s2, &d.s3, &d.rapp, &d.dx, &d.d1, &d.d2, &d.d3,
                                    &d.tempo}) {
            *campo = campi.campo_numero();
        }
        const Luogo posizione = campi.luogo_valore(1);
        if (oltre_il_percorso(posizione, elementi::segnale, d.posizione, 100)) return Esito::completa;
        // Stop only on a refusal of this signal, never on a status left by an
        // earlier step (the line half may have left 15).
        return dopo(memo_segnale(s, posizione, d));
    }

    Esito rallentamento() {
        DatiRallentamento d;
        for (std::int32_t* campo : {&d.x, &d.v, &d.l, &d.f_tt, &d.f_ta, &d.d_v}) *campo = campi.campo_numero();
        const Luogo posizione = campi.luogo_valore(1);
        if (oltre_il_percorso(posizione, elementi::rallentamento, d.x, 100)) return Esito::completa;
        // The end cell must lie on the track as well.
        if (oltre_il_percorso(campi.luogo_valore(3), elementi::fine_rallentamento, std::int64_t{d.x} + d.l, 100)) {
            return Esito::completa;
        }
        return dopo(memo_rallentamento(s, posizione, d));
    }

    Esito abbattimento() {
        const std::int32_t p = campi.campo_numero();
        const std::int32_t valore = campi.campo_numero();
        const Luogo luogo_valore = campi.luogo();
        const Luogo posizione = campi.luogo_valore(1);
        if (oltre_il_percorso(posizione, elementi::punto_codice, p, 100)) return Esito::completa;
        const std::int64_t c = arrotonda(p, 50);
        Cella& cella = s.cella(c);
        if (!cella.libera()) {
            s.segnala(Stato::abbattimento_su_cella_occupata, Sorgente::treno, posizione, p, c,
                      Messaggio(messaggi::lettura_cella_occupata, Messaggio(messaggi::lettura_punto_codice), metri(p), c,
                                contenuto_cella(cella)));
            return Esito::ferma;
        }
        if (valore >= 1) {
            if (!entra_in<std::int16_t>(valore)) {
                throw GuastoVoce(luogo_valore, Messaggio(messaggi::lettura_codice_16_bit, metri(p), valore));
            }
            cella.tipo = tipo_cella::punto_codice;
            cella.valore_1 = static_cast<std::int16_t>(valore);
        } else {
            cella.tipo = tipo_cella::abbattimento_zero;
        }
        return Esito::avanti;
    }

    Esito stazione_voce(Luogo dove);

    // A recorder's refusal ends the reading; one beyond the track goes to the
    // completion, as the reader's own range check does.
    static Esito dopo(const EsitoMemo& e) {
        if (e.registrato()) return Esito::avanti;
        return *e.rifiuto == Stato::oltre_il_percorso ? Esito::completa : Esito::ferma;
    }
};

Esito LetturaTreno::stazione_voce(Luogo dove) {
    DatiStazione d{stazione, 0, Luogo{}, slot_cartelli};
    if (!controlla_posto(s, dove, d.indice, slot_cartelli).registrato()) return Esito::ferma;
    // The fields go into the entry as they are read, each rule before the
    // next field is read.
    Voce& v = s.voce(d.indice);
    const std::int32_t p = campi.campo_numero();
    v.posizione = p;
    const Luogo posizione = campi.luogo();
    if (oltre_il_percorso(posizione, elementi::stazione, p, 800)) return Esito::completa;
    if (!controlla_posizione(s, posizione, p).registrato()) return Esito::ferma;
    v.tipo = numero_8();
    d.lunghezza = campi.campo_numero();
    d.luogo_lunghezza = campi.luogo();
    if (!controlla_lunghezza(s, d.luogo_lunghezza, p, d.lunghezza).registrato()) return Esito::ferma;
    v.prolunga = numero_8();
    v.opzione_d = numero_8();
    v.opzione_c = numero_8();
    v.dato_a = numero_16();
    v.dato_b = numero_16();
    v.opzione_a = numero_8();
    v.dato_c = numero_16();
    v.dato_d = numero_16();
    v.dato_e = numero_16();
    v.opzione_b = numero_8();
    const std::int64_t ore = campi.campo_numero();
    const Luogo luogo_ore = campi.luogo();
    const std::int64_t minuti = campi.campo_numero();
    const std::int64_t secondi = campi.campo_numero();
    v.orario = orario_stazione(luogo_ore, p, ore, minuti, secondi);
    v.nome = std::string(campi.campo_testo());
    controlla_lunghezza_testo(s, Sorgente::treno, campi, v.nome, messaggi::lettura_nome_stazione);
    controlla_testo_sulla_riga(s, Sorgente::treno, campi);

    const Esito esito = dopo(memo_stazione(s, posizione, d));
    if (esito == Esito::avanti) stazione = d.indice + 1;
    return esito;
}

// Reads the next field in keyword position, skipping up to two comment
// fields. Empty when the end of the text is reached right after a field: that
// last field is never handled.
std::optional<std::string_view> campo_chiave(LettoreCampi& campi) {
    campi.nuova_voce();
    std::string_view campo = campi.campo_testo();
    campi.segna(Ruolo::chiave);
    if (campi.fine()) return std::nullopt;
    for (int i = 0; i < 2 && campo.find('-') != std::string_view::npos; ++i) {
        campi.segna(Ruolo::commento);
        campo = campi.campo_testo();
        campi.segna(Ruolo::chiave);
        if (campi.fine()) return std::nullopt;
    }
    return campo;
}

// A kilometric progressive whose start or end is not a multiple of 50 m, at
// the entry that the author wrote (the last one read with these values) when
// it is known.
void segnala_progressiva(Scenario& s, int indice, const Voce& v) {
    const ProgressivaScritta* scritta = nullptr;
    for (const ProgressivaScritta& p : s.progressive_scritte) {
        if (p.inizio == v.inizio && (p.fine == v.fine || std::int64_t{p.fine} + 100 == v.fine)) scritta = &p;
    }
    const bool inizio = v.inizio % 50 != 0;
    Messaggio valore = inizio ? Messaggio(messaggi::lettura_progressiva_inizio, metri(v.inizio))
                              : Messaggio(messaggi::lettura_progressiva_fine, metri(scritta ? scritta->fine : v.fine));
    if (scritta == nullptr) {
        s.segnala(Stato::progressiva_non_multipla, Sorgente::linea, Luogo{}, std::nullopt, std::nullopt,
                  Messaggio(messaggi::lettura_progressiva_in_voce, indice, std::move(valore)));
        return;
    }
    s.segnala(Stato::progressiva_non_multipla, Sorgente::linea, inizio ? scritta->luogo_inizio : scritta->luogo_fine,
              std::nullopt, std::nullopt,
              Messaggio(messaggi::lettura_progressiva_scritta, Messaggio::citato(scritta->parola), scritta->chiave.riga,
                        std::move(valore)));
}

}  // namespace

void leggi_treno(Scenario& s, LettoreCampi& campi, std::int32_t slot_cartelli) {
    LetturaTreno t{s, campi, slot_cartelli, 1, Profilo{}, Profilo{}};

    // Everything up to the first field that holds "[generale]" is dropped; a
    // text without it has no entry read at all.
    bool trovato = false;
    while (!trovato && !campi.fine()) {
        trovato = contiene(campi.campo_testo(), "[generale]");
        campi.segna(Ruolo::chiave);
    }
    if (trovato) {
        campi.segna(Ruolo::intestazione);
        campi.segna_parte(Parte::generale);
    } else {
        s.annota(Stato::treno_senza_generale, Sorgente::treno, Luogo{}, 0,
                 Messaggio(campi.luogo().riga == 0 ? messaggi::lettura_treno_vuoto : messaggi::lettura_treno_senza_generale));
    }

    bool fermata = false;
    while (trovato && !campi.fine()) {
        const std::optional<std::string_view> letto = campo_chiave(campi);
        if (!letto) break;
        const std::string_view campo = *letto;
        const Luogo dove = campi.luogo();
        campi.segna_voce();

        Esito esito = Esito::avanti;
        const auto prova = [&](Genere genere, bool vale, auto&& gestisci) {
            if (esito == Esito::avanti && vale) {
                campi.segna(genere);
                esito = gestisci();
            }
        };
        prova(Genere::massa_frenata, contiene(campo, "frenata") && contiene(campo, "massa"), [&] {
            s.voce(indice_voce::parametri_treno).inizio = campi.campo_numero();
            return Esito::avanti;
        });
        prova(Genere::vetture, contiene(campo, "vetture"), [&] {
            s.voce(indice_voce::parametri_treno).posizione = campi.campo_numero();
            return Esito::avanti;
        });
        prova(Genere::velocita, contiene(campo, "velocit"),
              [&] { return t.profilo(t.velocita, elementi::limite_velocita, byte_velocita, &Cella::velocita_limite); });
        prova(Genere::aderenza, contiene(campo, "aderenza"),
              [&] { return t.profilo(t.aderenza, elementi::aderenza, byte_aderenza, &Cella::aderenza); });
        prova(Genere::orologio, contiene(campo, "orologio"), [&] {
            Voce& treno = s.voce(indice_voce::treno);
            treno.dato_c = t.numero_16();
            treno.dato_d = t.numero_16();
            treno.dato_e = t.numero_16();
            return Esito::avanti;
        });
        prova(Genere::sabbia, contiene(campo, "sabbia"), [&] {
            s.voce(indice_voce::treno).dato_a = t.numero_16();
            return Esito::avanti;
        });
        prova(Genere::segnale, contiene(campo, "segnale"), [&] { return t.segnale(); });
        prova(Genere::rallentamento, contiene(campo, "rallentamento"), [&] { return t.rallentamento(); });
        prova(Genere::abbattimento, contiene(campo, "abbattimento"), [&] { return t.abbattimento(); });
        prova(Genere::stazione, contiene(campo, "stazione"), [&] { return t.stazione_voce(dove); });

        fermata = esito == Esito::ferma;
        if (esito != Esito::avanti) break;
    }
    if (fermata) return;  // a stop ends the reading without the completion

    // The completion: both profiles to the end of the track, then the
    // kilometric progressives of the line, whose first two values must be
    // multiples of 50.
    t.completa_profilo(t.velocita, byte_velocita, &Cella::velocita_limite);
    t.completa_profilo(t.aderenza, byte_aderenza, &Cella::aderenza);
    for (int i = indice_voce::progressiva_tre; i <= indice_voce::progressiva_uno; ++i) {
        const Voce& v = s.voce(i);
        if (v.inizio % 50 != 0 || v.fine % 50 != 0) segnala_progressiva(s, i, v);
    }
}

}  // namespace compattatore
