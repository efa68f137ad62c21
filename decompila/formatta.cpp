#include "decompila/formatta.hpp"

#include <optional>

#include "decompila/messaggi.hpp"
#include "decompila/ritorno.hpp"
#include "decompila/scrivi_descrizioni.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore::decompila {

namespace {

bool blanco(char c) { return c == ' ' || c == '\t'; }

std::string_view senza_blanchi(std::string_view s) {
    while (!s.empty() && blanco(s.front())) s.remove_prefix(1);
    while (!s.empty() && blanco(s.back())) s.remove_suffix(1);
    return s;
}

// The lines of a text, without their line ends (CR LF, LF or CR).
std::vector<std::string_view> righe_di(std::string_view t) {
    std::vector<std::string_view> righe;
    std::size_t inizio = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != '\r' && t[i] != '\n') continue;
        righe.push_back(t.substr(inizio, i - inizio));
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
        inizio = i + 1;
    }
    if (inizio < t.size()) righe.push_back(t.substr(inizio));
    return righe;
}

// An entry kind: how many number fields follow the keyword, and whether a
// text field closes it.
struct Tipo {
    int numeri = 0;
    bool testo = false;
};

// The kinds a keyword field holds where it stands, as the readers test them.
std::vector<Tipo> tipi(std::string_view k, TipoDescrizione d, bool generale) {
    std::vector<Tipo> t;
    const auto c = [&](std::string_view w) { return contiene(k, w); };
    const auto e = [&](std::string_view w) { return contiene_esatto(k, w); };
    if (d == TipoDescrizione::linea && generale) {
        if (c("lunghezza") && c("percorso")) t.push_back({1});
        for (const char* q : {"tre", "due", "uno"}) {
            if (e("progressiva") && e(q)) t.push_back({3});
        }
        for (const char* q : {"uno", "due", "tre"}) {
            if (e("sfondo") && e(q)) t.push_back({1});
        }
        if (e("segnali") && e("ripetizione")) t.push_back({2});
    } else if (d == TipoDescrizione::linea) {
        if (c("pendenza")) t.push_back({2});
        if (c("curva")) t.push_back({2});
        if (c("montagna")) t.push_back({3});
        if (c("indicatori_v")) t.push_back({9});
        if (c("cartello") && c("indicat")) t.push_back({1, true});
    } else {
        if (c("frenata") && c("massa")) t.push_back({1});
        if (c("vetture")) t.push_back({1});
        if (c("velocit")) t.push_back({2});
        if (c("aderenza")) t.push_back({2});
        if (c("orologio")) t.push_back({3});
        if (c("sabbia")) t.push_back({1});
        if (c("segnale")) t.push_back({11});
        if (c("rallentamento")) t.push_back({6});
        if (c("abbattimento")) t.push_back({2});
        if (c("stazione")) t.push_back({16, true});
    }
    return t;
}

bool canonica(std::string_view k) {
    static constexpr std::string_view chiavi[] = {
        "lunghezza percorso", "progressiva chilometrica uno", "progressiva chilometrica due",
        "progressiva chilometrica tre", "sfondo uno", "sfondo due", "sfondo tre", "ripetizione segnali 4 codici",
        "ripetizione segnali 9 codici", "pendenza", "montagna", "indicatori_vmax", "cartello_indicatore",
        "numero vetture", "percentuale massa frenata", "velocita", "aderenza", "orologio", "sabbia", "segnale",
        "rallentamento", "abbattimento", "stazione"};
    for (std::string_view c : chiavi) {
        if (k == c) return true;
    }
    return k.size() == 7 && k.starts_with("curva") && (k[5] == 's' || k[5] == 'd') && k[6] >= '1' && k[6] <= '6';
}

// The value fields of one line after its keyword, read as the field input
// reads them; nullopt when they do not end exactly with the line.
std::optional<Riga> voce(std::string_view chiave, std::string_view resto, const Tipo& t) {
    std::vector<std::string> valori;
    std::size_t i = 0;
    for (int v = 0; v < t.numeri; ++v) {
        while (i < resto.size() && blanco(resto[i])) ++i;
        const std::size_t inizio = i;
        if (i < resto.size() && resto[i] == '-') ++i;
        while (i < resto.size() && resto[i] >= '0' && resto[i] <= '9') ++i;
        const std::string_view numero = resto.substr(inizio, i - inizio);
        if (numero == "-") return std::nullopt;
        while (i < resto.size() && blanco(resto[i])) ++i;
        const bool ultimo = v + 1 == t.numeri && !t.testo;
        if (i >= resto.size()) {
            if (!ultimo) return std::nullopt;  // the entry runs on to the next line
        } else if (resto[i] == ',') {
            ++i;
            if (ultimo) return std::nullopt;  // more fields after the entry
        } else if (numero.empty()) {
            return std::nullopt;  // not a number
        }
        valori.emplace_back(numero);
    }
    std::optional<std::string> testo;
    if (t.testo) {
        while (i < resto.size() && blanco(resto[i])) ++i;
        const std::string_view tt = resto.substr(i);
        if (tt.find(',') != std::string_view::npos) return std::nullopt;
        testo = std::string(tt);
    }
    return Riga::di_voce(std::string(chiave), std::move(valori), std::move(testo));
}


bool intestazione(std::string_view campo) {
    return campo.find('[') != std::string_view::npos && campo.find(']') != std::string_view::npos &&
           !campo.starts_with('-');
}

}  // namespace

Formattato formatta_senza_prova(std::string_view testo, TipoDescrizione tipo) {
    Formattato f;
    const std::vector<std::string_view> righe = righe_di(testo);
    Descrizione d;
    d.sezioni.push_back({});
    bool iniziato = false;   // past "[generale]"
    bool generale = false;   // in the general section of a line text
    bool fermo = false;      // from here on the lines stand as they are
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const std::string_view r = righe[i];
        std::vector<Riga>& out = d.sezioni.back().righe;
        const std::string_view pulita = senza_blanchi(r);
        const std::size_t virgola = r.find(',');
        const std::string_view primo = senza_blanchi(r.substr(0, virgola));
        if (fermo || !iniziato) {
            if (!fermo && contiene(r, "[generale]")) {
                if (virgola != std::string_view::npos) {
                    fermo = true;
                    f.note.push_back({i + 1, Messaggio(messaggi::decompila_intestazione_con_campi)});
                } else {
                    iniziato = true;
                    generale = tipo == TipoDescrizione::linea;
                    d.sezioni.push_back({std::string(pulita), {}});
                    continue;
                }
            }
            out.push_back(Riga::come_sta(std::string(r)));
            continue;
        }
        if (pulita.empty()) {
            out.push_back(Riga::come_sta(""));
            continue;
        }
        if (primo.find('-') != std::string_view::npos) {  // a comment
            out.push_back(Riga::come_sta(std::string(r)));
            continue;
        }
        if (virgola == std::string_view::npos && tipi(primo, tipo, generale).empty()) {
            if (intestazione(primo)) {
                d.sezioni.push_back({std::string(pulita), {}});
                generale = false;
            } else {
                out.push_back(Riga::come_sta(std::string(r)));
            }
            continue;
        }
        const std::vector<Tipo> k = tipi(primo, tipo, generale);
        std::optional<Riga> v;
        if (k.size() == 1 && !intestazione(primo) && virgola != std::string_view::npos) {
            v = voce(primo, r.substr(virgola + 1), k.front());
        }
        if (!v) {
            fermo = true;
            const Modello& perche = k.size() > 1 ? messaggi::decompila_piu_tipi
                                    : k.empty()  ? messaggi::decompila_campi_dopo_ignoto
                                                 : messaggi::decompila_voce_oltre_riga;
            f.note.push_back({i + 1, Messaggio(messaggi::decompila_lasciato_da_qui, Messaggio(perche))});
            out.push_back(Riga::come_sta(std::string(r)));
            continue;
        }
        if (!canonica(primo)) {
            f.note.push_back({i + 1, Messaggio(messaggi::decompila_parola_contenuta, Messaggio::citato(primo))});
        }
        out.push_back(std::move(*v));
    }
    f.testo = scrivi_descrizione(d);
    return f;
}

Formattato formatta(std::string_view testo, TipoDescrizione tipo) {
    Formattato f = formatta_senza_prova(testo, tipo);
    if (f.testo == testo) return f;
    // The proof, with a partner text that gives every entry room.
    static constexpr std::string_view linea_compagna = "[generale]\r\nlunghezza percorso, 1000000\r\n[fine]\r\n";
    const auto compila_con = [&](std::string_view t) {
        return tipo == TipoDescrizione::linea ? compila_testi(t, "", "Prova", "1", 1)
                                              : compila_testi(linea_compagna, t, "Prova", "1", 1);
    };
    const Compilato prima = compila_con(testo);
    const Compilato dopo = compila_con(f.testo);
    if (!prima.stesso_esito(dopo) || serializza(prima.scenario) != serializza(dopo.scenario)) {
        f.note.push_back({1, Messaggio(messaggi::decompila_compilerebbe_diversamente)});
        f.testo = std::string(testo);
    }
    return f;
}

}  // namespace compattatore::decompila
