#include "controlli/controlli.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <set>
#include <span>
#include <string>

#include "controlli/codifica.hpp"
#include "controlli/messaggi.hpp"
#include "model/arrotonda.hpp"

namespace compattatore {

namespace {

// One entry as the reader took it: its keyword field and the values after it.
// The values follow their keyword field in the record.
struct Voce_ {
    const CampoLetto* chiave;
    std::span<const CampoLetto> valori;
    std::int32_t v(std::size_t i) const { return i < valori.size() ? valori[i].valore : 0; }
    bool ha(std::size_t i) const { return i < valori.size(); }
};

char minuscola(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string minuscole(std::string_view t) {
    std::string r;
    for (const char c : t) r += minuscola(c);
    return r;
}

bool ha(std::string_view t, std::string_view p) { return t.find(p) != std::string_view::npos; }

std::string_view senza_blanchi(std::string_view t) {
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

std::string metri(std::int64_t p) { return std::to_string(p) + " m"; }

bool generale(Genere g) { return g >= Genere::lunghezza && g <= Genere::ripetizione; }
bool generale_treno(Genere g) {
    return g == Genere::massa_frenata || g == Genere::vetture || g == Genere::orologio || g == Genere::sabbia;
}

std::string_view parola(Genere g) {
    static constexpr std::array<std::string_view, numero_generi> nomi{
        "",         "lunghezza percorso", "progressiva uno", "progressiva due", "progressiva tre", "sfondo uno",
        "sfondo due", "sfondo tre", "ripetizione segnali", "pendenza", "curva", "montagna", "indicatori_vmax",
        "cartello_indicatore", "massa frenata", "vetture", "velocita", "aderenza", "orologio", "sabbia",
        "segnale", "rallentamento", "abbattimento", "stazione"};
    return nomi[static_cast<std::size_t>(g)];
}

constexpr std::array<std::string_view, 7> sezioni_linea{"[generale]", "[curve]", "[pendenze]", "[montagne]",
                                                        "[cartelli]", "[indicazioni]", "[fine]"};
constexpr std::array<std::string_view, 8> sezioni_treno{"[generale]",      "[aderenze]", "[vel_limite]",
                                                        "[stazioni]",      "[rallentamenti]", "[segnali]",
                                                        "[codici]",        "[fine]"};
// The roots the readers test for, case-free.
constexpr std::array<std::string_view, 9> radici_linea{"lunghezza", "progressiva", "sfondo",   "ripetizione", "pendenza",
                                                       "curva",     "montagna",    "indicatori_v", "cartello"};
constexpr std::array<std::string_view, 10> radici_treno{"frenata",  "vetture", "velocit",       "aderenza", "orologio",
                                                        "sabbia",   "segnale", "rallentamento", "abbattimento", "stazione"};

class Controllo {
public:
    Controllo(const Registro& r, const Scenario& s) : r_(r), s_(s) {}

    std::vector<Diagnostica> esegui() {
        campi();
        for (const Voce_& v : voci_) voce(v);
        sequenze();
        std::stable_sort(fuori_.begin(), fuori_.end(), [](const Diagnostica& a, const Diagnostica& b) {
            if (a.sorgente != b.sorgente) return a.sorgente < b.sorgente;
            return a.riga != b.riga ? a.riga < b.riga : a.colonna < b.colonna;
        });
        return std::move(fuori_);
    }

private:
    Diagnostica& avvisa(Stato classe, const CampoLetto& c, Messaggio messaggio) {
        Diagnostica d;
        d.stato = classe;
        d.sorgente = c.sorgente;
        d.riga = c.riga;
        d.colonna = c.colonna;
        d.colonna_fine = c.colonna_fine();
        d.messaggio = std::move(messaggio);
        fuori_.push_back(std::move(d));
        return fuori_.back();
    }

    // One pass over the record: the entries (a taken keyword field and the
    // value fields right after it), the keyword-position fields that no
    // kind took, and the comments.
    void campi() {
        const std::vector<CampoLetto>& tutti = r_.campi;
        voci_.reserve(tutti.size() / 4);
        std::size_t inizio = 0, n = 0;
        bool aperta = false;  // a taken keyword field, and only values since
        const auto chiudi = [&] {
            if (aperta) voci_.push_back({&tutti[inizio], std::span<const CampoLetto>(tutti).subspan(inizio + 1, n)});
            aperta = false;
        };
        std::int32_t riga_voce = 0;  // the line of the entry the last values belong to
        Sorgente sorgente_voce = Sorgente::linea;
        bool curva_senza_valori = false;
        // The fields after an ignored keyword field on its line are its
        // values, read as keyword fields: the first one speaks for them.
        std::int32_t riga_ignorata = 0;
        Sorgente sorgente_ignorata = Sorgente::linea;
        for (std::size_t i = 0; i < tutti.size(); ++i) {
            const CampoLetto& c = tutti[i];
            if (c.ruolo == Ruolo::valore) {
                n += aperta ? 1 : 0;
                continue;
            }
            chiudi();
            const bool trattino = c.ruolo == Ruolo::chiave && ha(r_.testo(c), "-");
            if (trattino) {
                avvisa(Stato::avviso_commento, c,
                       Messaggio(messaggi::controllo_limite_commenti,
                                 Messaggio(c.parte == Parte::generale && c.sorgente == Sorgente::linea ? messaggi::controllo_dieci
                                                                                                      : messaggi::controllo_due)));
            }
            if (c.ruolo == Ruolo::chiave && c.genere != Genere::nessuno) {
                inizio = i;
                n = 0;
                aperta = true;
                riga_voce = c.riga;
                sorgente_voce = c.sorgente;
                curva_senza_valori = c.genere == Genere::curva && s_.scrivi_linea == 0;
                continue;
            }
            if (trattino) continue;
            if (c.ruolo == Ruolo::commento) {
                // A comment in front of an entry's values comments the entry out.
                riga_ignorata = c.riga;
                sorgente_ignorata = c.sorgente;
                commento(c);
                continue;
            }
            const std::string_view t = senza_blanchi(r_.testo(c));
            if (t.empty()) continue;
            if (c.ruolo == Ruolo::intestazione) {
                intestazione(c, t);
                continue;
            }
            if (c.parte == Parte::prima) {
                avvisa(Stato::avviso_posto, c, Messaggio(messaggi::controllo_prima_del_generale));
                continue;
            }
            if (t.starts_with('[') && t.ends_with(']')) {
                intestazione(c, t);
                continue;
            }
            if (c.sorgente == sorgente_ignorata && c.riga == riga_ignorata) continue;
            riga_ignorata = c.riga;
            sorgente_ignorata = c.sorgente;
            if (c.sorgente == sorgente_voce && c.riga == riga_voce) {
                if (curva_senza_valori) continue;  // the values of a curve not drawn without a plan
                avvisa(Stato::avviso_campi, c, Messaggio(messaggi::controllo_campi_in_piu, Messaggio::citato(t)));
                continue;
            }
            ignorato(c, t);
        }
        chiudi();
    }

    void intestazione(const CampoLetto& c, std::string_view t) {
        const std::string m = minuscole(t);
        const auto& note = c.sorgente == Sorgente::linea ? std::span<const std::string_view>(sezioni_linea)
                                                         : std::span<const std::string_view>(sezioni_treno);
        if (std::find(note.begin(), note.end(), m) != note.end()) return;
        avvisa(Stato::avviso_voce_sconosciuta, c, Messaggio(messaggi::controllo_intestazione_sconosciuta, Messaggio::citato(t)));
    }

    void commento(const CampoLetto& c) {
        const std::string m = minuscole(r_.testo(c));
        const auto& radici = c.sorgente == Sorgente::linea ? std::span<const std::string_view>(radici_linea)
                                                           : std::span<const std::string_view>(radici_treno);
        for (const std::string_view r : radici) {
            if (ha(m, r)) {
                avvisa(Stato::avviso_commento, c,
                       Messaggio(messaggi::controllo_commento_con_parola, Messaggio::citato(senza_blanchi(r_.testo(c))), r));
                return;
            }
        }
    }

    void ignorato(const CampoLetto& c, std::string_view t) {
        const std::string m = minuscole(t);
        if (t.starts_with('#') || t.starts_with("//") || t.starts_with(';')) {
            avvisa(Stato::avviso_commento, c, Messaggio(messaggi::controllo_non_commento, Messaggio::citato(t)));
            return;
        }
        if (c.sorgente == Sorgente::linea && c.parte == Parte::generale) {
            const bool uno = ha(m, "uno") || ha(m, "due") || ha(m, "tre");
            if ((ha(m, "progressiva") && uno) || (ha(m, "sfondo") && uno) || (ha(m, "segnali") && ha(m, "ripetizione"))) {
                avvisa(Stato::avviso_maiuscole, c, Messaggio(messaggi::controllo_maiuscole, Messaggio::citato(t)));
                return;
            }
            for (std::size_t i = 4; i < radici_linea.size(); ++i) {
                if (ha(m, radici_linea[i])) {
                    avvisa(Stato::avviso_posto, c, Messaggio(messaggi::controllo_elemento_nel_generale, radici_linea[i]));
                    return;
                }
            }
        }
        if (c.sorgente == Sorgente::linea && c.parte == Parte::elementi) {
            for (std::size_t i = 0; i < 4; ++i) {
                if (ha(m, radici_linea[i])) {
                    avvisa(Stato::avviso_posto, c, Messaggio(messaggi::controllo_generale_negli_elementi, radici_linea[i]));
                    return;
                }
            }
        }
        Diagnostica& d = avvisa(Stato::avviso_voce_sconosciuta, c,
                                Messaggio(messaggi::controllo_voce_sconosciuta, Messaggio::citato(t)));
        if (const auto p = parola_vicina(t, c.sorgente)) d.note.push_back(Messaggio(messaggi::controllo_forse, *p));
    }

    // A keyword the reader took by its root, but spelt a small edit away
    // from its own: "indicatori_vmx" is a speed board all the same.
    void quasi(const CampoLetto& k) {
        const std::string_view t = senza_blanchi(r_.testo(k));
        // A keyword spelt right, the usual case, is its own nearest; a
        // long line spells each kind in one or two ways ("curvas", "curvad")
        // entry after entry, but for a number at its end ("curvas12").
        Grafie& giuste = giuste_[static_cast<std::size_t>(k.genere)];
        const Grafia g{senza_numero(t), k.sorgente};
        if (g == giuste[0] || g == giuste[1]) return;
        if (parola_esatta(t, k.sorgente)) {
            giuste[1] = giuste[0];
            giuste[0] = g;
            return;
        }
        // The same spelling is looked at once: a long line repeats a few.
        if (!grafie_.insert(t).second) return;
        const std::optional<std::string_view> p = parola_vicina(t, k.sorgente);
        if (!p) return;
        std::string m = minuscole(t);
        while (!m.empty() && m.back() >= '0' && m.back() <= '9') m.pop_back();
        if (ha(m, *p)) return;
        Diagnostica& d = avvisa(Stato::avviso_voce_sconosciuta, k,
                                Messaggio(messaggi::controllo_per_radice, Messaggio::citato(t), parola(k.genere)));
        d.note.push_back(Messaggio(messaggi::controllo_forse, *p));
    }

    std::int32_t lunghezza() const { return s_.lunghezza_estesa - prolungamento; }

    // The checks of one entry on its own.
    void voce(const Voce_& v) {
        const CampoLetto& k = *v.chiave;
        if (k.secondo != Genere::nessuno) {
            avvisa(Stato::avviso_campi, k, Messaggio(messaggi::controllo_due_parole, parola(k.genere), parola(k.secondo)));
        }
        // The values' lines only grow: when the last is on the keyword's
        // line, they all are. A text value from the next line is reported
        // by the reader itself, at the keyword.
        const bool a_capo = !v.valori.empty() && v.valori.back().riga != k.riga;
        for (const CampoLetto& x : a_capo ? v.valori : std::span<const CampoLetto>{}) {
            if (x.riga != k.riga && x.numero) {
                avvisa(Stato::avviso_campi, x,
                       Messaggio(messaggi::controllo_campi_mancanti, parola(k.genere), k.riga,
                                 Messaggio::citato(senza_blanchi(r_.testo(x))), x.riga));
                break;
            }
        }
        if (!generale(k.genere) && !generale_treno(k.genere)) quasi(k);
        if (generale(k.genere) || generale_treno(k.genere)) {
            const auto [it, nuovo] = visti_.emplace(k.genere, &k);
            if (!nuovo) {
                avvisa(Stato::avviso_due_volte, k, Messaggio(messaggi::controllo_due_volte, parola(k.genere), it->second->riga));
            }
        }
        posizioni(v);
        valori(v);
    }

    // Grid and beyond-line.
    void posizioni(const Voce_& v) {
        const Genere g = v.chiave->genere;
        int punto = -1;  // 0 stretch, 1 point feature, 2 code point
        switch (g) {
            case Genere::pendenza: case Genere::velocita: case Genere::aderenza: case Genere::montagna: punto = 0; break;
            case Genere::indicatori: case Genere::cartello: case Genere::segnale: case Genere::rallentamento: punto = 1; break;
            case Genere::abbattimento: punto = 2; break;
            case Genere::stazione: punto = 3; break;
            default: return;
        }
        if (!v.ha(0) || !s_.percorso_dimensionato()) return;
        const CampoLetto& p = v.valori[0];
        const std::int64_t m = p.valore;
        if (m > lunghezza() && m <= s_.lunghezza_estesa) oltre_linea(p, g, m);
        if (punto == 3 || m % 50 == 0 || m < 0) return;
        griglia(p, g, punto == 1, m);
    }

    // The warnings of the checks run on every entry are built out of line,
    // so that the checks themselves stay small.
    [[gnu::cold, gnu::noinline]] void oltre_linea(const CampoLetto& p, Genere g, std::int64_t m) {
        avvisa(Stato::avviso_oltre_linea, p, Messaggio(messaggi::controllo_oltre_linea, parola(g), metri(m), metri(lunghezza())));
    }

    [[gnu::cold, gnu::noinline]] void griglia(const CampoLetto& p, Genere g, bool puntuale, std::int64_t m) {
        const std::int64_t cella = puntuale ? arrotonda(m + 50, 50) : arrotonda(m, 50);
        const std::int64_t arrivo = puntuale ? (cella - 1) * 50 : cella * 50;
        avvisa(Stato::avviso_griglia, p, Messaggio(messaggi::controllo_griglia, parola(g), metri(m), metri(arrivo), cella));
    }

    void orario(const Voce_& v, std::size_t da, const Modello& cosa) {
        if (!v.ha(da + 2)) return;
        const std::int32_t h = v.v(da), m = v.v(da + 1), s = v.v(da + 2);
        if (h >= 0 && h <= 23 && m >= 0 && m <= 59 && s >= 0 && s <= 59) return;
        avvisa(Stato::avviso_valori, v.valori[da], Messaggio(messaggi::controllo_orario_fuori, Messaggio(cosa), h, m, s));
    }

    void fuori(const Voce_& v, std::size_t i, std::int32_t minimo, std::int32_t massimo, const Modello& cosa,
               const char* unita) {
        if (!v.ha(i)) return;
        const std::int32_t x = v.v(i);
        if (x >= minimo && x <= massimo) return;
        valore_fuori(v.valori[i], x, minimo, massimo, cosa, unita);
    }

    [[gnu::cold, gnu::noinline]] void valore_fuori(const CampoLetto& c, std::int32_t x, std::int32_t minimo, std::int32_t massimo,
                                                   const Modello& cosa, const char* unita) {
        avvisa(Stato::avviso_valori, c, Messaggio(messaggi::controllo_valore_fuori, Messaggio(cosa), x, unita, minimo, massimo));
    }

    void valori(const Voce_& v) {
        switch (v.chiave->genere) {
            case Genere::orologio: orario(v, 0, messaggi::controllo_orologio); break;
            case Genere::stazione: orario(v, 13, messaggi::controllo_orario_stazione); break;
            case Genere::velocita:
                if (v.ha(1) && (v.v(1) == 0 || v.v(1) % 5 != 0)) {
                    avvisa(Stato::avviso_valori, v.valori[1], Messaggio(messaggi::controllo_velocita_multipla, v.v(1)));
                } else {
                    fuori(v, 1, 5, 300, messaggi::controllo_velocita, " km/h");
                }
                break;
            case Genere::pendenza: fuori(v, 1, -60, 60, messaggi::controllo_pendenza, " per mille"); break;
            case Genere::massa_frenata: fuori(v, 0, 30, 250, messaggi::controllo_massa_frenata, " %"); break;
            case Genere::vetture: fuori(v, 0, 1, 50, messaggi::controllo_vetture, ""); break;
            default: break;
        }
    }

    // The checks across entries: order and overlap.
    void sequenze() {
        Profilo prec_profilo[3];
        const Voce_* prec_curva = nullptr;
        std::int64_t raggiunto = 0;
        const Voce_* prec_stazione = nullptr;
        std::vector<const Voce_*> montagne, rallentamenti, stazioni;
        for (const Voce_& v : voci_) {
            const Genere g = v.chiave->genere;
            if (g == Genere::pendenza || g == Genere::velocita || g == Genere::aderenza) {
                const int i = g == Genere::pendenza ? 0 : g == Genere::velocita ? 1 : 2;
                profilo(v, prec_profilo[i]);
            } else if (g == Genere::curva && s_.scrivi_linea != 0 && v.ha(1)) {
                curva(v, prec_curva, raggiunto);
                prec_curva = &v;
            } else if (g == Genere::stazione && v.ha(15)) {
                stazione(v, prec_stazione);
                prec_stazione = &v;
                stazioni.push_back(&v);
            } else if (g == Genere::montagna && v.ha(1)) {
                montagne.push_back(&v);
            } else if (g == Genere::rallentamento && v.ha(2)) {
                rallentamenti.push_back(&v);
            }
        }
        zone(montagne);
        rallentamenti_in_stazione(rallentamenti, stazioni.size());
    }

    // A profile's entry before, with the cell it begins at.
    struct Profilo {
        const Voce_* voce = nullptr;
        std::int64_t cella = 0;
    };

    void profilo(const Voce_& v, Profilo& prima) {
        const Voce_* prec = prima.voce;
        const std::int64_t cp = prima.cella;
        const std::int64_t c = v.ha(0) ? arrotonda(v.v(0), 50) : 0;
        prima = {&v, c};
        if (prec == nullptr || !v.ha(0) || !prec->ha(0)) return;
        const std::string_view nome = parola(v.chiave->genere);
        if (c < cp) {
            avvisa(Stato::avviso_ordine, v.valori[0],
                   Messaggio(messaggi::controllo_profilo_ordine, nome, metri(v.v(0)), metri(prec->v(0)), prec->chiave->riga));
        } else if (c == cp && c > 0) {
            avvisa(Stato::avviso_sovrapposizione, v.valori[0],
                   Messaggio(messaggi::controllo_profilo_stessa_cella, nome, metri(v.v(0)), c, prec->chiave->riga));
        }
    }

    void curva(const Voce_& v, const Voce_* prec, std::int64_t& raggiunto) {
        const std::int64_t inizio = v.v(0), fine = inizio + v.v(1);
        if (prec != nullptr && inizio < prec->v(0)) {
            avvisa(Stato::avviso_ordine, v.valori[0],
                   Messaggio(messaggi::controllo_curva_ordine, metri(inizio), metri(prec->v(0)), prec->chiave->riga));
        } else if (inizio < raggiunto) {
            avvisa(Stato::avviso_sovrapposizione, v.valori[0],
                   Messaggio(messaggi::controllo_curva_sovrapposta, metri(inizio), metri(raggiunto),
                             metri(std::min(raggiunto, fine) - inizio)));
        }
        raggiunto = std::max(raggiunto, fine);
    }

    void stazione(const Voce_& v, const Voce_* prec) {
        if (prec == nullptr) return;
        const std::int64_t t = std::int64_t{v.v(13)} * 3600 + v.v(14) * 60 + v.v(15);
        const std::int64_t tp = std::int64_t{prec->v(13)} * 3600 + prec->v(14) * 60 + prec->v(15);
        if (v.v(0) <= prec->v(0)) {
            avvisa(Stato::avviso_ordine, v.valori[0],
                   Messaggio(messaggi::controllo_stazione_ordine, metri(v.v(0)), metri(prec->v(0)), prec->chiave->riga));
        } else if (t <= tp) {
            avvisa(Stato::avviso_ordine, v.valori[13], Messaggio(messaggi::controllo_stazione_orario, prec->chiave->riga));
        }
    }

    void zone(std::vector<const Voce_*> z) {
        std::stable_sort(z.begin(), z.end(), [](const Voce_* a, const Voce_* b) { return a->v(0) < b->v(0); });
        for (std::size_t i = 1; i < z.size(); ++i) {
            if (z[i]->v(0) < z[i - 1]->v(1)) {
                avvisa(Stato::avviso_sovrapposizione, z[i]->valori[0],
                       Messaggio(messaggi::controllo_zone_sovrapposte, metri(z[i]->v(0)), metri(z[i]->v(1)),
                                 z[i - 1]->chiave->riga));
            }
        }
    }

    // The station zones are in entries 1 onward, in the order of the text.
    void rallentamenti_in_stazione(const std::vector<const Voce_*>& r, std::size_t n_stazioni) {
        for (const Voce_* v : r) {
            const std::int64_t a = v->v(0), b = a + v->v(2);
            for (std::size_t k = 1; k <= n_stazioni && k < indice_voce::primo_cartello; ++k) {
                const Voce& st = s_.voce(static_cast<std::int64_t>(k));
                if (st.fine <= st.inizio) continue;
                if (a < st.fine && b > st.inizio) {
                    avvisa(Stato::avviso_sovrapposizione, v->valori[0],
                           Messaggio(messaggi::controllo_rallentamento_in_stazione, metri(a), metri(b),
                                     Messaggio::citato(st.nome), metri(st.inizio), metri(st.fine)));
                    break;
                }
            }
        }
    }

    const Registro& r_;
    const Scenario& s_;
    std::vector<Voce_> voci_;
    std::map<Genere, const CampoLetto*> visti_;
    std::set<std::string_view> grafie_;
    struct Grafia {
        std::string_view testo;
        Sorgente sorgente = Sorgente::linea;
        bool operator==(const Grafia&) const = default;
    };
    using Grafie = std::array<Grafia, 2>;
    // Per kind, the last two keyword spellings found right (without their number).
    std::array<Grafie, numero_generi> giuste_{};
    std::vector<Diagnostica> fuori_;
};

}  // namespace

std::vector<Diagnostica> controlla(const Registro& r, const Scenario& s) { return Controllo(r, s).esegui(); }

namespace {

// The first byte at or after i that is not ASCII (t.size() when none), eight
// bytes at a time.
std::size_t fine_ascii(std::string_view t, std::size_t i) {
    constexpr std::uint64_t alti = 0x8080808080808080ULL;
    while (t.size() - i >= 8) {
        std::uint64_t otto;
        std::memcpy(&otto, t.data() + i, 8);
        if ((otto & alti) != 0) break;
        i += 8;
    }
    while (i < t.size() && static_cast<unsigned char>(t[i]) < 0x80) ++i;
    return i;
}

}  // namespace

std::vector<Diagnostica> controlla_codifica(std::string_view t, Sorgente sorgente) {
    std::vector<Diagnostica> r;
    std::int32_t riga = 1;
    std::size_t inizio_riga = 0;
    std::int32_t riga_avvisata = 0;
    const auto avvisa = [&](std::size_t i, std::size_t n, Messaggio m) {
        Diagnostica d;
        d.stato = Stato::avviso_codifica;
        d.sorgente = sorgente;
        d.riga = riga;
        d.colonna = static_cast<std::int32_t>(i - inizio_riga) + 1;
        d.colonna_fine = d.colonna + static_cast<std::int32_t>(n);
        d.messaggio = std::move(m);
        d.note.push_back(Messaggio(messaggi::controllo_nota_codifica));
        r.push_back(std::move(d));
        riga_avvisata = riga;
    };
    std::size_t i = 0;
    if (t.starts_with("\xEF\xBB\xBF")) {
        avvisa(0, 3, Messaggio(messaggi::controllo_bom));
        i = 3;
    }
    std::size_t contate = i;  // the lines are counted up to here
    while (i < t.size()) {
        // Plain ASCII text has nothing to say: on to the next high byte.
        i = fine_ascii(t, i);
        if (i >= t.size()) break;
        for (; contate < i; ++contate) {
            const char x = t[contate];
            if (x == '\n' || (x == '\r' && (contate + 1 >= t.size() || t[contate + 1] != '\n'))) {
                ++riga;
                inizio_riga = contate + 1;
            }
        }
        const std::size_t n = sequenza_utf8(t, i);
        if (n > 0 && riga_avvisata != riga) {
            avvisa(i, n, Messaggio(messaggi::controllo_carattere_utf8, n));
        }
        i += n > 0 ? n : 1;
        contate = i;
    }
    return r;
}

}  // namespace compattatore
