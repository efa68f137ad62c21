#include "lsp/controllo.hpp"

#include <cstdio>

#include "controlli/controlli.hpp"
#include "lsp/messaggi.hpp"
#include "lsp/righe.hpp"
#include "model/diagnostica.hpp"
#include "model/windows_1252.hpp"
#include "output/compila.hpp"
#include "readers/registro.hpp"

namespace compattatore::lsp {

namespace {

using nlohmann::json;

constexpr int errore = 1;
constexpr int avviso = 2;

json diagnostica(json intervallo, int gravita, std::string messaggio, std::optional<int> codice = std::nullopt) {
    json d{{"range", std::move(intervallo)}, {"severity", gravita}, {"source", "compattatore"},
           {"message", std::move(messaggio)}};
    if (codice) d["code"] = *codice;
    return d;
}

json inizio_documento() { return {{"start", {{"line", 0}, {"character", 0}}}, {"end", {{"line", 0}, {"character", 0}}}}; }

json del_nucleo(const Documento& d, const Diagnostica& x, Codifica c, Lingua l) {
    json intervallo = x.riga > 0 ? intervallo_campo(d, x.riga, x.colonna, c) : inizio_documento();
    json r = diagnostica(std::move(intervallo), x.avviso() ? avviso : errore, x.messaggio.in(l));
    // A status by its number, a class of the checks by its name.
    if (x.numero() != 0) r["code"] = x.numero();
    else r["code"] = std::string(nome(x.stato));
    for (const Messaggio& n : x.note) r["message"] = r["message"].get<std::string>() + "\n" + n.in(l);
    return r;
}

// The checks on meaning of the texts just compiled: the warnings of one description.
void aggiungi_avvisi(json& r, const Documento& d, const Registro& registro, const Scenario& s, Sorgente sorgente,
                     Codifica c, Lingua l) {
    for (const Diagnostica& x : controlla(registro, s)) {
        if (x.sorgente == sorgente) r.push_back(del_nucleo(d, x, c, l));
    }
}

std::string codice_u(char32_t c) {
    char b[16];
    // Cannot truncate: at most 8 hex digits fit the buffer.
    static_cast<void>(std::snprintf(b, sizeof b, "U+%04X", static_cast<unsigned>(c)));
    return b;
}

}  // namespace

json posizione_json(const Documento& d, std::int64_t riga, std::int64_t colonna, Codifica c) {
    return {{"line", riga}, {"character", carattere_di(d.utf8, d.righe, riga, colonna, c)}};
}

json intervallo_campo(const Documento& d, std::int64_t riga, std::int64_t colonna, Codifica c) {
    const std::int64_t r = riga - 1;
    const std::string_view testo = riga_di(d.testo.byte, d.righe_1252, r);
    std::size_t da = colonna > 0 ? static_cast<std::size_t>(colonna - 1) : 0;
    if (da > testo.size()) da = testo.size();
    std::size_t a = testo.find(',', da);
    if (a == std::string_view::npos) a = testo.size();
    return {{"start", posizione_json(d, r, static_cast<std::int64_t>(da), c)},
            {"end", posizione_json(d, r, static_cast<std::int64_t>(a), c)}};
}

json diagnostiche(const Documento& d, const LineaDelTreno& linea, Codifica c, Lingua l) {
    json r = json::array();
    for (const Intraducibile& x : d.testo.intraducibili) {
        json intervallo{{"start", posizione_json(d, x.riga, x.colonna, c)},
                        {"end", posizione_json(d, x.riga, x.colonna + 1, c)}};
        const Messaggio chi = x.carattere == 0xFFFFFFFF ? Messaggio(messaggi::lsp_byte_malformato)
                                                  : Messaggio(messaggi::lsp_carattere, codice_u(x.carattere));
        r.push_back(diagnostica(std::move(intervallo), errore, Messaggio(messaggi::lsp_senza_byte_1252, chi).in(l)));
    }
    if (!d.genere) return r;
    if (d.testo.byte.size() > massimo_testo) {
        r.push_back(diagnostica(inizio_documento(), errore, Messaggio(messaggi::lsp_testo_troppo_grande).in(l)));
        return r;
    }
    Scenario s;
    s.nome_percorso = d.nome_percorso;
    s.numero_treno = d.numero_treno.empty() ? std::string("0") : d.numero_treno;
    if (*d.genere == Descrizione::linea) {
        Registro registro;
        compila(s, 1, Descrizioni{std::string_view(d.testo.byte), std::string_view()}, &registro);
        for (const Diagnostica& x : s.diagnostiche) {
            if (x.sorgente == Sorgente::linea) r.push_back(del_nucleo(d, x, c, l));
        }
        aggiungi_avvisi(r, d, registro, s, Sorgente::linea, c, l);
        return r;
    }
    if (!linea.testo) {
        r.push_back(diagnostica(inizio_documento(), avviso,
                                Messaggio(messaggi::lsp_linea_assente, utf8_da_1252(linea.nome)).in(l)));
        return r;
    }
    if (linea.testo->size() > massimo_testo) {
        r.push_back(diagnostica(inizio_documento(), avviso,
                                Messaggio(messaggi::lsp_linea_troppo_grande, utf8_da_1252(linea.nome)).in(l)));
        return r;
    }
    Registro registro;
    compila(s, 1, Descrizioni{*linea.testo, std::string_view(d.testo.byte)}, &registro);
    for (const Diagnostica& x : s.diagnostiche) {
        if (x.sorgente == Sorgente::linea) {
            if (x.avviso()) continue;
            std::string dove;
            if (x.riga > 0) ((dove += ':') += std::to_string(x.riga)).append(":").append(std::to_string(x.colonna));
            r.push_back(diagnostica(inizio_documento(), avviso,
                                    Messaggio(messaggi::lsp_linea_rifiutata, utf8_da_1252(linea.nome), dove, x.messaggio).in(l),
                                    x.numero()));
        } else {
            r.push_back(del_nucleo(d, x, c, l));
        }
    }
    aggiungi_avvisi(r, d, registro, s, Sorgente::treno, c, l);
    return r;
}

}  // namespace compattatore::lsp
