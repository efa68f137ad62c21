// The line half of the reading step: the line description text, from the
// search for "[generale]" to the end of the text, into the track array, the
// entry table, the mountain-zone lists and the plan.
//
// The text is a heading "[generale]", the general section up to the next
// section header, then the feature part to the end of the text. Keyword
// fields are recognised by substring tests; those of "progressiva", "uno",
// "due", "tre", "sfondo", "ripetizione" and "segnali" are case-exact, every
// other one case-free. Fields holding "-" where a keyword is expected are
// comments (up to ten in a row in the general section, two in the feature
// part). A keyword field that is the last field of the text is dropped.
//
// Stops that end the line half (the text is given up, the train half does not
// run): every status this half records but oltre_il_percorso, which ends the
// feature part only: the gradients and the plan are completed and the train
// half runs. Run-time failures (malformed numbers, values that do not fit
// their tables) leave as exceptions and end in guasto_lettura.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "model/arrotonda.hpp"
#include "readers/contenuto_cella.hpp"
#include "readers/guasto_voce.hpp"
#include "readers/limite_percorso.hpp"
#include "readers/memo_indicatori_v_max.hpp"
#include "readers/memo_montagna.hpp"
#include "readers/memorizza_dati.hpp"
#include "readers/messaggi.hpp"
#include "readers/progressive_ordina.hpp"

namespace compattatore {

namespace {

constexpr int commenti_generale = 10;
constexpr int commenti_elementi = 2;
constexpr std::int32_t limite_punti = 1000000;  // a curve may not take the plan past this point
constexpr std::int32_t pendenza_minima = -100;
constexpr std::int32_t pendenza_massima = 155;

std::string metri(std::int64_t p) { return std::to_string(p) + " m"; }

void rifiuta(Scenario& s, Luogo luogo, Stato stato, std::optional<std::int32_t> posizione,
             std::optional<std::int64_t> cella, Messaggio messaggio) {
    s.segnala(stato, Sorgente::linea, luogo, posizione, cella, std::move(messaggio));
}

bool intestazione(std::string_view campo) {
    return contiene_esatto(campo, "[") && contiene_esatto(campo, "]") && !campo.starts_with('-');
}

// Curvature of a curve keyword, radians per metre: the class is the first of
// the digits 1 to 6 found in the field; an "s" makes it a left turn.
std::optional<double> curvatura(std::string_view campo) {
    static constexpr double per_classe[] = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};
    for (int classe = 0; classe < 6; ++classe) {
        if (campo.find(static_cast<char>('1' + classe)) != std::string_view::npos) {
            const double k = per_classe[classe];
            return contiene(campo, "s") ? -k : k;
        }
    }
    return std::nullopt;
}

class LetturaLinea {
public:
    LetturaLinea(Scenario& s, LettoreCampi& campi) : s_(s), campi_(campi) {}

    FineLinea leggi() {
        if (!cerca_generale()) return {false, slot_};
        if (!sezione_generale()) return {false, slot_};
        if (!s_.percorso_dimensionato()) {
            throw GuastoVoce(campi_.luogo(), Messaggio(messaggi::lettura_senza_lunghezza));
        }
        campi_.segna_parte(Parte::elementi);
        progressive_ordina(s_);
        s_.n_montagne = 0;
        if (s_.scrivi_linea != 0) s_.planimetria.semina();
        if (!parte_elementi()) return {false, slot_};
        completa();
        return {true, slot_};
    }

private:
    // Everything up to the first field holding "[generale]" is skipped.
    bool cerca_generale() {
        while (true) {
            bool trovato = false;
            if (!campi_.fine()) {
                trovato = contiene(campi_.campo_testo(), "[generale]");
                campi_.segna(Ruolo::chiave);
                if (!campi_.fine()) {
                    if (trovato) {
                        campi_.segna(Ruolo::intestazione);
                        campi_.segna_parte(Parte::generale);
                        return true;
                    }
                    continue;
                }
            }
            rifiuta(s_, campi_.luogo(), Stato::generale_assente, std::nullopt, std::nullopt,
                    Messaggio(messaggi::lettura_linea_senza_generale));
            return false;
        }
    }

    // The general section; false on a stop.
    bool sezione_generale() {
        while (!campi_.fine()) {
            campi_.nuova_voce();
            std::string_view campo = campi_.campo_testo();
            campi_.segna(Ruolo::chiave);
            if (campi_.fine()) break;
            for (int n = 0; n < commenti_generale && contiene(campo, "-"); ++n) {
                campi_.segna(Ruolo::commento);
                campo = campi_.campo_testo();
                campi_.segna(Ruolo::chiave);
            }
            const Luogo luogo = campi_.luogo();
            campi_.segna_voce();

            if (contiene(campo, "lunghezza") && contiene(campo, "percorso")) {
                campi_.segna(Genere::lunghezza);
                if (!lunghezza()) return false;
            }
            const auto progressiva = [&](const char* quale, int indice, Genere genere) {
                if (contiene_esatto(campo, "progressiva") && contiene_esatto(campo, quale)) {
                    campi_.segna(genere);
                    Voce& v = s_.voce(indice);
                    v.inizio = campi_.campo_numero();
                    v.fine = campi_.campo_numero();
                    v.posizione = campi_.campo_numero();
                    s_.progressive_scritte.push_back({std::string(campi_.chiave_voce()), luogo, v.inizio, v.fine,
                                                      campi_.luogo_valore(1), campi_.luogo_valore(2)});
                }
            };
            progressiva("tre", indice_voce::progressiva_tre, Genere::progressiva_tre);
            progressiva("due", indice_voce::progressiva_due, Genere::progressiva_due);
            progressiva("uno", indice_voce::progressiva_uno, Genere::progressiva_uno);
            Voce& linea = s_.voce(indice_voce::linea);
            const auto sfondo = [&](const char* quale, std::int32_t Voce::*membro, Genere genere) {
                if (contiene_esatto(campo, "sfondo") && contiene_esatto(campo, quale)) {
                    campi_.segna(genere);
                    linea.*membro = campi_.campo_numero();
                }
            };
            sfondo("uno", &Voce::inizio, Genere::sfondo_uno);
            sfondo("due", &Voce::posizione, Genere::sfondo_due);
            sfondo("tre", &Voce::fine, Genere::sfondo_tre);
            if (contiene_esatto(campo, "segnali") && contiene_esatto(campo, "ripetizione")) {
                campi_.segna(Genere::ripetizione);
                if (!ripetizione_segnali(campo, luogo)) return false;
            }
            if (intestazione(campo)) {
                campi_.segna(Ruolo::intestazione);
                break;
            }
        }
        return true;
    }

    bool lunghezza() {
        const std::int32_t l = campi_.campo_numero();
        s_.voce(indice_voce::parametri_treno).fine = l;
        if (l < 0 || l > lunghezza_massima) {
            rifiuta(s_, campi_.luogo_valore(1), Stato::lunghezza_fuori_limiti, std::nullopt, std::nullopt,
                    Messaggio(messaggi::lettura_lunghezza_fuori_limiti, metri(l), metri(lunghezza_massima)));
            return false;
        }
        dimensiona_percorso(s_, l);
        if (s_.scrivi_linea != 0) {
            s_.planimetria.dimensiona(s_.lunghezza_estesa);
        } else {
            s_.planimetria.svuota();
        }
        return true;
    }

    bool ripetizione_segnali(std::string_view campo, Luogo luogo) {
        Voce& treno = s_.voce(indice_voce::treno);
        treno.inizio = campi_.campo_numero();
        treno.fine = campi_.campo_numero();
        if (treno.inizio % 50 != 0) {
            rifiuta(s_, campi_.luogo_valore(1), Stato::ripetizione_inizio_non_multiplo, std::nullopt, std::nullopt,
                    Messaggio(messaggi::lettura_ripetizione_inizio, metri(treno.inizio)));
            return false;
        }
        if (treno.fine % 50 != 0) {
            rifiuta(s_, campi_.luogo_valore(2), Stato::ripetizione_fine_non_multipla, std::nullopt, std::nullopt,
                    Messaggio(messaggi::lettura_ripetizione_fine, metri(treno.fine)));
            return false;
        }
        if (contiene_esatto(campo, "4")) {
            treno.posizione = 4;
        } else if (contiene_esatto(campo, "9")) {
            treno.posizione = 9;
        } else {
            rifiuta(s_, luogo, Stato::ripetizione_senza_sistema, std::nullopt, std::nullopt,
                    Messaggio(messaggi::lettura_ripetizione_sistema));
            return false;
        }
        if (treno.fine == 0) treno.posizione = 0;
        return true;
    }

    // A feature may not begin beyond metre 50 * ultima_cella - 100.
    bool oltre_percorso(std::int32_t p, Luogo, const Elemento& cosa) {
        if (std::int64_t{s_.ultima_cella} * 50 >= std::int64_t{p} + 100) return false;
        rifiuta(s_, campi_.luogo_valore(1), Stato::oltre_il_percorso, p, std::nullopt,
                oltre_la_fine(s_, cosa, p, 100));
        fine_elementi_ = true;
        return true;
    }

    // The cell CLng(p / 50 + 1) of a point feature; a position before the
    // start of the line has none.
    std::int64_t cella_di_punto(std::int32_t p, Luogo luogo, const Elemento& cosa) {
        const std::int64_t c = arrotonda(std::int64_t{p} + 50, 50);
        if (!s_.cella_esiste(c)) {
            throw GuastoVoce(luogo, Messaggio(messaggi::lettura_cella_fuori_binario, Messaggio(cosa.nome), metri(p), c));
        }
        return c;
    }

    // Writes the current gradient into the next cell of the fill.
    void riempi(Luogo luogo) {
        if (!s_.cella_esiste(riempimento_)) {
            throw GuastoVoce(luogo, Messaggio(messaggi::lettura_riempimento_pendenze, riempimento_));
        }
        s_.cella(riempimento_).pendenza = basso_8(pendenza_corrente_ + 100);
        ++riempimento_;
    }

    // The feature part; false on a stop. A status 15 ends it with true.
    bool parte_elementi() {
        while (!campi_.fine()) {
            campi_.nuova_voce();
            std::string_view campo = campi_.campo_testo();
            campi_.segna(Ruolo::chiave);
            if (campi_.fine()) break;
            bool finito = false;
            for (int n = 0; n < commenti_elementi && contiene(campo, "-"); ++n) {
                campi_.segna(Ruolo::commento);
                campo = campi_.campo_testo();
                campi_.segna(Ruolo::chiave);
                if (campi_.fine()) {
                    finito = true;
                    break;
                }
            }
            if (finito) break;
            const Luogo luogo = campi_.luogo();
            campi_.segna_voce();

            if (contiene(campo, "pendenza")) {
                campi_.segna(Genere::pendenza);
                pendenza(luogo);
            }
            if (fine_elementi_) return true;
            // Without a plan a curve keyword is still a curve's, but its
            // values are not read.
            if (contiene(campo, "curva")) campi_.segna(Genere::curva);
            if (s_.scrivi_linea != 0 && contiene(campo, "curva")) {
                if (!curva(campo, luogo)) return false;
                if (fine_elementi_) return true;
            }
            if (contiene(campo, "montagna")) {
                campi_.segna(Genere::montagna);
                montagna(luogo);
            }
            if (fine_elementi_) return true;
            if (contiene(campo, "indicatori_v")) {
                campi_.segna(Genere::indicatori);
                if (!indicatore(luogo)) return false;
                if (fine_elementi_) return true;
            }
            if (contiene(campo, "cartello") && contiene(campo, "indicat")) {
                campi_.segna(Genere::cartello);
                if (!cartello(luogo)) return false;
                if (fine_elementi_) return true;
            }
        }
        return true;
    }

    void pendenza(Luogo luogo) {
        const std::int32_t p = campi_.campo_numero();
        const std::int32_t g = campi_.campo_numero();
        const Luogo luogo_g = campi_.luogo();
        if (oltre_percorso(p, luogo, elementi::pendenza)) return;
        if (g < pendenza_minima || g > pendenza_massima) {
            throw GuastoVoce(luogo_g, Messaggio(messaggi::lettura_pendenza_fuori, metri(p), g));
        }
        const std::int64_t c = arrotonda(p, 50);
        if (c > 0) {
            do {
                riempi(luogo);
            } while (riempimento_ < c);
        }
        pendenza_corrente_ = g;
    }

    bool curva(std::string_view campo, Luogo luogo) {
        const std::int32_t inizio = campi_.campo_numero();
        const std::int32_t lunghezza = campi_.campo_numero();
        if (oltre_percorso(inizio, luogo, elementi::curva)) return true;
        const std::optional<double> k = curvatura(campo);
        if (!k) {
            rifiuta(s_, luogo, Stato::curva_inutilizzabile, std::nullopt, std::nullopt,
                    Messaggio(messaggi::lettura_curva_senza_classe, metri(inizio), Messaggio::citato(campo)));
            return false;
        }
        const std::int64_t fine = std::int64_t{inizio} + lunghezza;
        const std::int64_t ultimo_punto = std::int64_t{s_.lunghezza_estesa} - 2;
        if (fine > ultimo_punto) {
            rifiuta(s_, luogo, Stato::curva_inutilizzabile, std::nullopt, std::nullopt,
                    Messaggio(messaggi::lettura_curva_oltre_piano, metri(inizio), metri(lunghezza), ultimo_punto));
            return false;
        }
        // Straight on to the curve's start, then the curve; the plan may not
        // pass point limite_punti while a curve entry draws it.
        Planimetria& plan = s_.planimetria;
        const auto disegna = [&](std::int64_t fino, const std::optional<double>& curva_k) {
            if (plan.calcolati() > fino) return true;
            const auto ultimo = static_cast<std::int32_t>(std::min<std::int64_t>(fino, limite_punti));
            if (curva_k) plan.curva_fino(ultimo, *curva_k);
            else plan.dritto_fino(ultimo);
            if (plan.calcolati() <= limite_punti) return true;
            rifiuta(s_, luogo, Stato::curva_inutilizzabile, std::nullopt, std::nullopt,
                    Messaggio(messaggi::lettura_curva_oltre_punto, metri(inizio), limite_punti));
            return false;
        };
        if (!disegna(inizio, std::nullopt)) return false;
        if (!disegna(fine, k)) return false;
        return true;
    }

    void montagna(Luogo luogo) {
        const std::int32_t a = campi_.campo_numero();
        const std::int32_t b = campi_.campo_numero();
        std::int32_t t = campi_.campo_numero();
        if (oltre_percorso(a, luogo, elementi::zona_montagna)) return;
        // A zone that ends beyond the track ends the feature part, as a
        // feature beyond it does.
        if (!memo_montagna(s_, campi_.luogo_valore(2), a, b, t).registrato()) fine_elementi_ = true;
    }

    bool indicatore(Luogo luogo) {
        std::int32_t v[9];
        for (std::int32_t& x : v) x = campi_.campo_numero();
        if (oltre_percorso(v[0], luogo, elementi::cartello_velocita)) return true;
        cella_di_punto(v[0], luogo, elementi::cartello_velocita);
        return memo_indicatori_v_max(s_, campi_.luogo_valore(1), v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]).registrato();
    }

    bool cartello(Luogo luogo) {
        const std::int32_t p = campi_.campo_numero();
        const std::string_view testo = campi_.campo_testo();
        controlla_lunghezza_testo(s_, Sorgente::linea, campi_, testo, messaggi::lettura_testo_cartello);
        controlla_testo_sulla_riga(s_, Sorgente::linea, campi_);
        if (oltre_percorso(p, luogo, elementi::cartello_indicatore)) return true;
        const std::int64_t c = cella_di_punto(p, luogo, elementi::cartello_indicatore);
        Cella& cella = s_.cella(c);
        if (!cella.libera()) {
            rifiuta(s_, campi_.luogo_valore(1), Stato::cartello_su_cella_occupata, p, c,
                    Messaggio(messaggi::lettura_cella_occupata, Messaggio(messaggi::lettura_cartello_indicatore), metri(p), c,
                              contenuto_cella(cella)));
            return false;
        }
        if (slot_ < 0) {
            throw GuastoVoce(luogo, Messaggio(messaggi::lettura_cartelli_esauriti, metri(p), indice_voce::primo_cartello + 1));
        }
        cella.tipo = tipo_cella::cartello;
        cella.valore_1 = static_cast<std::int16_t>(slot_);
        s_.voce(slot_).nome = std::string(testo);
        --slot_;
        return true;
    }

    // The end of the line text: the last gradient runs on to cell
    // ultima_cella - 3 (at least one cell is written) and the plan runs
    // straight on to metre lunghezza_estesa - 2.
    void completa() {
        do {
            riempi(campi_.luogo());
        } while (riempimento_ < std::int64_t{s_.ultima_cella} - 2);
        if (s_.scrivi_linea != 0) s_.planimetria.dritto_fino(s_.lunghezza_estesa - 2);
    }

    Scenario& s_;
    LettoreCampi& campi_;
    std::int32_t slot_ = indice_voce::primo_cartello;
    std::int64_t riempimento_ = 0;       // next cell of the gradient fill
    std::int32_t pendenza_corrente_ = 0;  // per mille
    bool fine_elementi_ = false;          // a feature beyond the track ended the feature part
};

}  // namespace

FineLinea leggi_linea(Scenario& s, LettoreCampi& campi) { return LetturaLinea(s, campi).leggi(); }

}  // namespace compattatore
