#include "decompila/decompila.hpp"

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "decompila/curve.hpp"
#include "decompila/messaggi.hpp"
#include "decompila/scrivi_descrizioni.hpp"
#include "formato/segni.hpp"
#include "model/arrotonda.hpp"
#include "output/compila.hpp"
#include "readers/progressive_ordina.hpp"

namespace compattatore::decompila {

namespace {

std::string n(std::int64_t v) { return std::to_string(v); }

// "at 86600 m (cell 1733)": metres first.
Messaggio dove(std::int64_t cella) { return Messaggio(messaggi::decompila_dove, 50 * cella, cella); }

// floor(a / b) and the remainder that goes with it, for b > 0.
std::int64_t quoziente(std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// A text field of a description can hold neither a comma nor a line end, and
// the field input drops its leading blanks.
std::optional<Messaggio> testo_non_valido(const std::string& t) {
    if (t.find_first_of(",\r\n") != std::string::npos) return Messaggio(messaggi::decompila_virgola_o_fine_riga);
    if (!t.empty() && (t.front() == ' ' || t.front() == '\t')) return Messaggio(messaggi::decompila_inizia_con_blanco);
    return std::nullopt;
}

class Analisi {
public:
    explicit Analisi(const Tabelle& t) : t_(t), percorso_(t.percorso), voci_(t.voci) {
        // The marks and codes are stamped by every compile: the cells and the
        // entry as the readers left them hold 0 there.
        if (percorso_.size() > cella_marchio) {
            percorso_[cella_marchio].valore_1 = static_cast<std::int16_t>(percorso_[cella_marchio].valore_1 - marchio_percorso);
            percorso_[cella_marchio].valore_2 = 0;
        }
        voci_[voce_marchio].dato_a = static_cast<std::int16_t>(voci_[voce_marchio].dato_a - marchio_voci);
        voci_[voce_marchio].orario = 0;
        ultima_ = percorso_.empty() ? 0 : static_cast<std::int32_t>(percorso_.size()) - 1;
    }

    Decompilato esegui();

private:
    const Cella& cella(std::int64_t c) const { return percorso_[static_cast<std::size_t>(c)]; }
    void problema(Messaggio m) { problemi_.push_back(std::move(m)); }

    bool dimensioni();
    Sezione generale_linea();
    std::vector<Riga> progressive();
    Sezione curve();
    std::vector<Riga> profilo(const char* chiave, std::uint8_t Cella::*membro, std::int64_t scarto, std::int64_t scala,
                              const Modello& cosa);
    Sezione montagne();
    Sezione cartelli();
    Sezione indicazioni();
    Sezione generale_treno();
    Sezione stazioni();
    Sezione rallentamenti();
    Sezione segnali();
    Sezione codici() const;
    std::string testo_treno() const;

    const Tabelle& t_;
    std::vector<Cella> percorso_;
    Voci voci_;
    std::int32_t ultima_ = 0;
    std::int32_t n_stazioni_ = 0;
    std::vector<Messaggio> problemi_;
    std::set<std::int64_t> fermate_libere_;  // stopping cells a hidden board may go to
    std::vector<Sezione> sezioni_treno_;     // all but the code points
    std::set<std::int64_t> codici_;          // cells of the code points the description gives
};

bool Analisi::dimensioni() {
    const std::int32_t l = voci_[indice_voce::parametri_treno].fine;
    if (l < 0 || l > lunghezza_massima) {
        problema(Messaggio(messaggi::decompila_lunghezza_linea, l, lunghezza_massima));
        return false;
    }
    const std::int64_t ultima = arrotonda(std::int64_t{l} + prolungamento, 50);
    if (static_cast<std::int64_t>(percorso_.size()) != ultima + 1) {
        problema(Messaggio(messaggi::decompila_celle_percorso, percorso_.size(), l, ultima + 1));
        return false;
    }
    if (t_.planimetria && t_.planimetria->ultimo() != l + prolungamento) {
        problema(Messaggio(messaggi::decompila_metri_planimetria, t_.planimetria->ultimo(), l,
                           std::int64_t{l} + prolungamento));
        return false;
    }
    return true;
}

std::vector<Riga> Analisi::progressive() {
    // Entries 81, 82, 83 as stored; the text's "tre", "due", "uno" lines go
    // to 81, 82, 83 before the ordering, which then adds 100 to the second
    // value of a definition whose third value is 1.
    std::array<Voce, 3> memo{voci_[81], voci_[82], voci_[83]};
    std::array<int, 3> ordine{0, 1, 2};
    do {
        Scenario prova;
        for (int i = 0; i < 3; ++i) {
            Voce& v = prova.voci[std::size_t{81} + static_cast<std::size_t>(i)];
            const Voce& da = memo[static_cast<std::size_t>(ordine[static_cast<std::size_t>(i)])];
            v.inizio = da.inizio;
            v.fine = da.posizione == 1 ? static_cast<std::int32_t>(std::int64_t{da.fine} - 100) : da.fine;
            v.posizione = da.posizione;
        }
        const Scenario scritta = prova;
        try {
            progressive_ordina(prova);
        } catch (const std::exception&) {
            continue;
        }
        bool uguale = true;
        for (int i = 0; i < 3; ++i) {
            const Voce& a = prova.voci[std::size_t{81} + static_cast<std::size_t>(i)];
            const Voce& b = memo[static_cast<std::size_t>(i)];
            uguale = uguale && a.inizio == b.inizio && a.fine == b.fine && a.posizione == b.posizione;
        }
        if (!uguale) continue;
        std::vector<Riga> righe;
        const char* nomi[] = {"progressiva chilometrica uno", "progressiva chilometrica due",
                              "progressiva chilometrica tre"};
        for (int i = 0; i < 3; ++i) {
            const Voce& v = scritta.voci[static_cast<std::size_t>(83 - i)];
            righe.push_back(Riga::di_voce(nomi[i], {n(v.inizio), n(v.fine), n(v.posizione)}));
        }
        return righe;
    } while (std::next_permutation(ordine.begin(), ordine.end()));
    problema(Messaggio(messaggi::decompila_progressive, memo[0].inizio, memo[0].fine, memo[0].posizione,
                       memo[1].inizio, memo[1].fine, memo[1].posizione, memo[2].inizio, memo[2].fine,
                       memo[2].posizione));
    return {};
}

Sezione Analisi::generale_linea() {
    Sezione s{"[generale]", {}};
    s.righe.push_back(Riga::di_voce("lunghezza percorso", {n(voci_[indice_voce::parametri_treno].fine)}));
    for (Riga& r : progressive()) s.righe.push_back(std::move(r));
    const Voce& linea = voci_[indice_voce::linea];
    s.righe.push_back(Riga::di_voce("sfondo uno", {n(linea.inizio)}));
    s.righe.push_back(Riga::di_voce("sfondo due", {n(linea.posizione)}));
    s.righe.push_back(Riga::di_voce("sfondo tre", {n(linea.fine)}));
    const Voce& treno = voci_[indice_voce::treno];
    std::string chiave = "ripetizione segnali 4 codici";
    if (treno.posizione == 9) {
        chiave = "ripetizione segnali 9 codici";
    } else if (treno.posizione == 0 ? treno.fine != 0 : treno.posizione != 4) {
        problema(Messaggio(messaggi::decompila_ripetizione_segnali, treno.posizione, treno.fine));
    }
    s.righe.push_back(Riga::di_voce(chiave, {n(treno.inizio), n(treno.fine)}));
    return s;
}

Sezione Analisi::curve() {
    Sezione s{"[curve]", {}};
    if (!t_.planimetria) {
        s.righe.push_back(Riga::come_sta("- senza il file della planimetria: le curve non sono note"));
        return s;
    }
    const CurveTrovate trovate = trova_curve(*t_.planimetria);
    for (const PuntoEstraneo& p : trovate.estranei) {
        if (problemi_.size() > 40) break;
        problema(Messaggio(messaggi::decompila_punto_estraneo, p.metro));
    }
    for (const Curva& c : trovate.curve) {
        if (std::int64_t{c.inizio} + c.lunghezza > 1000000) {
            problema(Messaggio(messaggi::decompila_curva_oltre, c.inizio));
        }
        s.righe.push_back(Riga::di_voce(c.chiave(), {n(c.inizio), n(c.lunghezza)}));
    }
    return s;
}

// A profile of the track (one byte a cell, cells 0 to ultima_cella - 3 and
// at most one more) as entries at its changes: value = byte * scala -
// scarto.
std::vector<Riga> Analisi::profilo(const char* chiave, std::uint8_t Cella::*membro, std::int64_t scarto,
                                   std::int64_t scala, const Modello& cosa) {
    std::vector<Riga> righe;
    const auto valore = [&](std::int64_t c) { return n(std::int64_t{cella(c).*membro} * scala - scarto); };
    righe.push_back(Riga::di_voce(chiave, {"0", valore(0)}));
    std::int64_t ultima_scritta = std::int64_t{ultima_} - 3;
    if (cella(ultima_ - 2).*membro != 0) ultima_scritta = ultima_ - 2;
    for (std::int64_t c = 1; c <= ultima_scritta; ++c) {
        if (cella(c).*membro != cella(c - 1).*membro) righe.push_back(Riga::di_voce(chiave, {n(50 * c), valore(c)}));
    }
    for (std::int64_t c = ultima_scritta + 1; c <= ultima_; ++c) {
        if (cella(c).*membro != 0) {
            problema(Messaggio(messaggi::decompila_profilo_in_coda, dove(c), Messaggio(cosa),
                               std::int64_t{cella(c).*membro}));
        }
    }
    return righe;
}

// Mountain zones: the runs of cells of one zone type, each with markers on
// its every fourth cell when all of those hold something (a marker, or a
// feature placed over it later). Markers that no run explains get a zone of
// four cells of their own, written first (its zone type is then written over
// by the runs). A zone that begins within 150 m of the end of the zone
// recorded before it takes type 3: an empty zone at metre 0 in between
// keeps its own type.
Sezione Analisi::montagne() {
    Sezione s{"[montagne]", {}};
    struct Zona {
        std::int64_t prima, ultima;
        std::uint8_t tipo;
        bool segnali;
    };
    std::vector<Zona> zone;
    std::set<std::int64_t> spiegati;
    for (std::int64_t c = 0; c <= ultima_;) {
        const std::uint8_t tipo = cella(c).montagna;
        std::int64_t ultima = c;
        while (ultima + 1 <= ultima_ && cella(ultima + 1).montagna == tipo) ++ultima;
        if (tipo != 0) {
            bool uno = false, tutti = true;
            for (std::int64_t k = c + 3; k <= ultima; k += 4) {
                uno = uno || cella(k).tipo == tipo_cella::segnale_montagna;
                tutti = tutti && cella(k).tipo != tipo_cella::vuota;
            }
            zone.push_back({c, ultima, tipo, uno && tutti});
            if (uno && tutti) {
                for (std::int64_t k = c + 3; k <= ultima; k += 4) spiegati.insert(k);
            }
        }
        c = ultima + 1;
    }
    // The other markers, in chains four cells apart (the cells between
    // holding something), one zone a chain.
    std::vector<Zona> ordine;
    for (std::int64_t c = 0; c <= ultima_; ++c) {
        if (cella(c).tipo != tipo_cella::segnale_montagna || spiegati.contains(c)) continue;
        if (c < 3) {
            problema(Messaggio(messaggi::decompila_segnale_montagna_iniziale, dove(c)));
            continue;
        }
        std::int64_t fine = c;
        for (std::int64_t k = c + 4; k <= ultima_ && cella(k).tipo != tipo_cella::vuota; k += 4) {
            if (cella(k).tipo == tipo_cella::segnale_montagna) fine = k;
        }
        for (std::int64_t k = c; k <= fine; k += 4) spiegati.insert(k);
        ordine.push_back({c - 3, fine, 0, true});
    }
    ordine.insert(ordine.end(), zone.begin(), zone.end());
    std::optional<std::int64_t> fine_precedente;
    for (const Zona& z : ordine) {
        const std::int64_t a = 50 * z.prima;
        const std::int64_t b = 50 * (z.ultima + 1);
        if (fine_precedente && a - *fine_precedente <= 150 && z.tipo != 3) {
            if (a <= 150) {
                problema(Messaggio(messaggi::decompila_montagna_vicina, dove(z.prima), std::int64_t{z.tipo},
                                   a - *fine_precedente));
            }
            s.righe.push_back(Riga::di_voce("montagna", {"0", "0", "0"}));
        }
        const std::int64_t scritto = z.segnali ? (z.tipo == 0 ? 266 : z.tipo + 10) : (z.tipo <= 10 ? z.tipo : z.tipo - 256);
        s.righe.push_back(Riga::di_voce("montagna", {n(a), n(b), n(scritto)}));
        fine_precedente = b;
    }
    if (s.righe.size() > static_cast<std::size_t>(massimo_montagne)) {
        problema(Messaggio(messaggi::decompila_troppe_montagne, s.righe.size(), massimo_montagne));
    }
    return s;
}

Sezione Analisi::cartelli() {
    Sezione s{"[cartelli]", {}};
    for (std::int64_t c = 0; c <= ultima_; ++c) {
        const Cella& x = cella(c);
        if (x.tipo != tipo_cella::indicatore_v_max) continue;
        // valore = CInt(20 * v_s + v_d / 5): v_s = floor(valore / 20), v_d =
        // 5 * the rest, and the stripes split the same way by 10.
        std::vector<std::string> v{n(50 * (c - 1))};
        std::vector<std::string> d;
        for (std::int16_t val : {x.valore_1, x.valore_2, x.valore_3}) {
            const std::int64_t vs = quoziente(val, 20);
            v.push_back(n(vs));
            d.push_back(n(5 * (val - 20 * vs)));
        }
        const std::int64_t ss = quoziente(x.valore_4, 10);
        v.push_back(n(ss));
        for (std::string& y : d) v.push_back(std::move(y));
        v.push_back(n(x.valore_4 - 10 * ss));
        s.righe.push_back(Riga::di_voce("indicatori_vmax", std::move(v)));
    }
    return s;
}

Sezione Analisi::indicazioni() {
    Sezione s{"[indicazioni]", {}};
    std::map<std::int64_t, std::int64_t> per_slot;  // text slot -> cell
    for (std::int64_t c = 0; c <= ultima_; ++c) {
        const Cella& x = cella(c);
        if (x.tipo != tipo_cella::cartello) continue;
        if (x.valore_1 < 0 || x.valore_1 > indice_voce::primo_cartello || x.valore_1 <= n_stazioni_) {
            problema(Messaggio(messaggi::decompila_cartello_senza_testo, dove(c), x.valore_1));
            continue;
        }
        if (!per_slot.emplace(x.valore_1, c).second) {
            problema(Messaggio(messaggi::decompila_cartello_doppio, dove(c), x.valore_1));
        }
    }
    std::int64_t basso = indice_voce::primo_cartello + 1;
    if (!per_slot.empty()) basso = per_slot.begin()->first;
    for (std::int64_t i = n_stazioni_ + 1; i <= indice_voce::primo_cartello; ++i) {
        if (!voci_[static_cast<std::size_t>(i)].nome.empty()) basso = std::min(basso, i);
    }
    if (n_stazioni_ == 0 && !voci_[0].nome.empty()) basso = 0;
    // Board texts go to entries 80, 79, ... in the order of the text.
    for (std::int64_t slot = indice_voce::primo_cartello; slot >= basso; --slot) {
        const std::string& testo = voci_[static_cast<std::size_t>(slot)].nome;
        if (auto perche = testo_non_valido(testo)) {
            problema(Messaggio(messaggi::decompila_testo_cartello, slot, Messaggio::citato(testo), std::move(*perche)));
        }
        std::int64_t c = 0;
        if (auto it = per_slot.find(slot); it != per_slot.end()) {
            c = it->second;
        } else if (!fermate_libere_.empty()) {
            // A board under a station's stopping cell: the station is written over it.
            c = *fermate_libere_.begin();
            fermate_libere_.erase(fermate_libere_.begin());
        } else {
            problema(Messaggio(messaggi::decompila_cartello_fuori, slot, Messaggio::citato(testo)));
            continue;
        }
        s.righe.push_back(Riga::di_voce("cartello_indicatore", {n(50 * (c - 1))}, testo));
    }
    return s;
}

Sezione Analisi::generale_treno() {
    Sezione s{"[generale]", {}};
    const Voce& p = voci_[indice_voce::parametri_treno];
    const Voce& t = voci_[indice_voce::treno];
    s.righe.push_back(Riga::di_voce("numero vetture", {n(p.posizione)}));
    s.righe.push_back(Riga::di_voce("percentuale massa frenata", {n(p.inizio)}));
    s.righe.push_back(Riga::di_voce("sabbia", {n(t.dato_a)}));
    s.righe.push_back(Riga::di_voce("orologio", {n(t.dato_c), n(t.dato_d), n(t.dato_e)}));
    return s;
}

bool voce_di_stazione(const Voce& v) {
    return v.tipo != 0 || v.inizio != 0 || v.fine != 0 || v.posizione != 0 || v.prolunga != 0 || v.dato_a != 0 ||
           v.dato_b != 0 || v.dato_c != 0 || v.dato_d != 0 || v.dato_e != 0 || v.opzione_a != 0 ||
           v.opzione_b != 0 || v.opzione_c != 0 || v.opzione_d != 0 || v.orario != 0;
}

Sezione Analisi::stazioni() {
    Sezione s{"[stazioni]", {}};
    for (std::int32_t k = 1; k < indice_voce::primo_cartello; ++k) {
        const Voce& v = voci_[static_cast<std::size_t>(k)];
        if (!voce_di_stazione(v)) break;
        n_stazioni_ = k;
        const std::int64_t p = v.posizione;
        const bool lunga = v.tipo >= 5 && v.tipo <= 8;
        const std::int64_t l = lunga ? p - v.inizio : 2 * (p - std::int64_t{v.inizio});
        std::int64_t campo_6 = v.opzione_c;
        if (!lunga && campo_6 == 0 && std::int64_t{v.fine} - (p + l / 2) == 50) campo_6 = 1;
        if (auto perche = testo_non_valido(v.nome)) {
            problema(Messaggio(messaggi::decompila_nome_stazione, k, Messaggio::citato(v.nome), std::move(*perche)));
        }
        const std::int64_t ore = v.orario / 3600;
        const std::int64_t minuti = v.orario % 3600 / 60;
        const std::int64_t secondi = v.orario % 60;
        s.righe.push_back(Riga::di_voce(
            "stazione",
            {n(p), n(v.tipo), n(l), n(v.prolunga), n(v.opzione_d), n(campo_6), n(v.dato_a), n(v.dato_b),
             n(v.opzione_a), n(v.dato_c), n(v.dato_d), n(v.dato_e), n(v.opzione_b), n(ore), n(minuti), n(secondi)},
            v.nome));
    }
    for (std::int64_t c = 0; c <= ultima_; ++c) {
        if (cella(c).tipo == tipo_cella::fermata) fermate_libere_.insert(c);
    }
    return s;
}

Sezione Analisi::rallentamenti() {
    Sezione s{"[rallentamenti]", {}};
    std::set<std::int64_t> fini_prese;
    for (std::int64_t c = 1; c <= ultima_; ++c) {
        const Cella& inizio = cella(c);
        if (inizio.tipo != tipo_cella::inizio_rallentamento) continue;
        const std::int64_t x = 50 * (c - 1);
        // The end: the first end cell after the start that carries the same
        // values; none when start and end share the cell.
        std::int64_t e = c;
        for (std::int64_t k = c + 1; k <= ultima_; ++k) {
            const Cella& f = cella(k);
            if (f.tipo == tipo_cella::fine_rallentamento && f.valore_1 == inizio.valore_1 &&
                f.valore_2 == inizio.valore_2 && f.valore_3 == inizio.valore_3 && !fini_prese.contains(k)) {
                e = k;
                fini_prese.insert(k);
                break;
            }
        }
        std::int64_t f_ta = 0;
        if (x > 1500 && c - 29 >= 0) {
            bool quattro = true;
            for (std::int64_t i = 0; i < 4; ++i) {
                const Cella& q = cella(c - 25 - i);
                quattro = quattro && q.tipo == tipo_cella::prima_avviso && q.valore_1 == i + 1;
            }
            f_ta = quattro ? 1 : 0;
        }
        s.righe.push_back(Riga::di_voce("rallentamento", {n(x), n(inizio.valore_1), n(50 * (e - c)),
                                                          n(inizio.valore_3), n(f_ta), n(inizio.valore_2)}));
    }
    return s;
}

Sezione Analisi::segnali() {
    Sezione s{"[segnali]", {}};
    for (std::int64_t c = 0; c <= ultima_; ++c) {
        const Cella& x = cella(c);
        if (x.tipo != tipo_cella::segnale) continue;
        // valore_4 = 10 * rapp + w, w = 3 * sx + dx; the approach marks carry
        // w * 10 + n (low 8 bits) on cells c - 2n, which settles w when it
        // is above 9.
        const std::int64_t v4 = x.valore_4;
        std::int64_t w = v4 - 10 * quoziente(v4, 10);
        if (c - 2 >= 0) {
            const std::uint8_t segno = cella(c - 2).preavviso;
            for (std::int64_t prova = w; prova < w + 2560; prova += 10) {
                if (static_cast<std::uint8_t>((prova * 10 + 1) & 0xFF) == segno) {
                    w = prova;
                    break;
                }
            }
        }
        const std::int64_t rapp = (v4 - w) / 10;
        std::int64_t sx = w / 3;
        std::int64_t dx = w % 3;
        std::int64_t tempo = 0;
        if (x.tempo_segnale != 0) {
            sx = 2;
            dx = w - 6;
            tempo = x.tempo_segnale <= 100 ? x.tempo_segnale + 256 : x.tempo_segnale;
        }
        const auto coppia = [](std::int16_t v) { return std::pair{v / 10, v % 10}; };
        const auto [s1, d1] = coppia(x.valore_1);
        const auto [s2, d2] = coppia(x.valore_2);
        const auto [s3, d3] = coppia(x.valore_3);
        s.righe.push_back(Riga::di_voce("segnale", {n(50 * (c - 1)), n(sx), n(s1), n(s2), n(s3), n(rapp), n(dx), n(d1),
                                                    n(d2), n(d3), n(tempo)}));
    }
    return s;
}

Sezione Analisi::codici() const {
    Sezione s{"[codici]", {}};
    for (std::int64_t c : codici_) {
        const Cella& x = cella(c);
        s.righe.push_back(
            Riga::di_voce("abbattimento", {n(50 * c), n(x.tipo == tipo_cella::punto_codice ? x.valore_1 : 0)}));
    }
    return s;
}

std::string Analisi::testo_treno() const {
    Descrizione d{sezioni_treno_};
    d.sezioni.push_back(codici());
    d.sezioni.push_back({"[fine]", {}});
    return scrivi_descrizione(d);
}

Decompilato Analisi::esegui() {
    Decompilato esito;
    esito.nome_percorso = t_.voci[indice_voce::linea].nome;
    esito.numero_treno = t_.voci[indice_voce::treno].nome;
    if (!dimensioni()) {
        esito.problemi = std::move(problemi_);
        return esito;
    }
    // Train first: the stations say which entries hold board texts.
    sezioni_treno_.push_back(generale_treno());
    sezioni_treno_.push_back({"[aderenze]", profilo("aderenza", &Cella::aderenza, 0, 1, messaggi::decompila_aderenza)});
    sezioni_treno_.push_back({"[vel_limite]", profilo("velocita", &Cella::velocita_limite, 0, 5, messaggi::decompila_velocita_limite)});
    sezioni_treno_.push_back(stazioni());
    sezioni_treno_.push_back(rallentamenti());
    sezioni_treno_.push_back(segnali());

    Descrizione linea;
    linea.sezioni.push_back(generale_linea());
    linea.sezioni.push_back(curve());
    linea.sezioni.push_back({"[pendenze]", profilo("pendenza", &Cella::pendenza, 100, 1, messaggi::decompila_pendenza)});
    linea.sezioni.push_back(montagne());
    linea.sezioni.push_back(cartelli());
    linea.sezioni.push_back(indicazioni());
    linea.sezioni.push_back({"[fine]", {}});
    esito.linea = scrivi_descrizione(linea);

    // Code points that the finishing rules cannot have placed are the
    // description's; the others are left to the rules, and any that the
    // rules then place elsewhere are the description's too.
    for (std::int64_t c = 0; c <= ultima_; ++c) {
        const Cella& x = cella(c);
        if (x.tipo == tipo_cella::abbattimento_zero ||
            (x.tipo == tipo_cella::punto_codice && x.valore_1 != 180)) {
            codici_.insert(c);
        }
    }
    const std::int32_t j = t_.planimetria ? 1 : 0;
    Compilato prova;
    for (int giro = 0; giro < 16; ++giro) {
        esito.treno = testo_treno();
        prova = compila_testi(esito.linea, esito.treno, esito.nome_percorso, esito.numero_treno, j);
        if (prova.percorso_assente || prova.scenario.percorso.size() != t_.percorso.size()) break;
        bool nuovi = false;
        for (std::size_t c = 0; c < t_.percorso.size(); ++c) {
            const Cella& a = t_.percorso[c];
            if (prova.scenario.percorso[c] == a) continue;
            if ((a.tipo == tipo_cella::punto_codice || a.tipo == tipo_cella::abbattimento_zero) &&
                codici_.insert(static_cast<std::int64_t>(c)).second) {
                nuovi = true;
            }
        }
        if (!nuovi) break;
    }
    for (const Diagnostica& d : prova.scenario.diagnostiche) {
        if (d.avviso()) continue;
        problemi_.push_back(Messaggio(messaggi::decompila_rifiutati, d.numero(), d.messaggio));
    }
    if (prova.arresto != Stato::nessuno) {
        problemi_.push_back(Messaggio(messaggi::decompila_arresto, numero(prova.arresto)));
    }
    if (prova.percorso_assente) problemi_.push_back(Messaggio(messaggi::decompila_percorso_assente));
    for (Messaggio& d : differenze(prova.scenario, t_)) problemi_.push_back(std::move(d));
    esito.problemi = std::move(problemi_);
    return esito;
}

}  // namespace

Decompilato decompila(const Tabelle& t) { return Analisi(t).esegui(); }

}  // namespace compattatore::decompila
