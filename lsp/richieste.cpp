#include "lsp/richieste.hpp"

#include "lsp/controllo.hpp"
#include "lsp/righe.hpp"
#include "lsp/spiegazione.hpp"

namespace compattatore::lsp {

namespace {

using nlohmann::json;

Descrizione genere_o_linea(const Documento& d) { return d.genere.value_or(Descrizione::linea); }

json intervallo(const Documento& d, std::int64_t riga, std::int64_t da, std::int64_t a, Codifica c) {
    return {{"start", posizione_json(d, riga, da, c)}, {"end", posizione_json(d, riga, a, c)}};
}

std::string chilometro(std::string_view campo) {
    const std::int64_t m = numero(campo).value_or(0);
    const std::int64_t a = m < 0 ? -m : m;
    std::string resto = std::to_string(a % 1000);
    resto.insert(0, 3 - resto.size(), '0');
    return std::string(m < 0 ? "-" : "") + "km " + std::to_string(a / 1000) + "." + resto;
}

std::string spoglia(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return std::string(s);
}

// Symbol kinds of the protocol.
constexpr int simbolo_sezione = 3, simbolo_oggetto = 19, simbolo_evento = 24, simbolo_costante = 14, simbolo_struttura = 23;

}  // namespace

json hover(const Documento& d, Posizione p, Codifica c) {
    const std::string_view riga = riga_di(d.testo.byte, d.righe_1252, p.riga);
    const std::optional<VoceRiga> v = leggi_riga(riga, genere_o_linea(d));
    if (!v || (!v->genere && !v->intestazione)) return nullptr;
    const std::int64_t col = colonna_di(d.utf8, d.righe, p, c);
    std::optional<std::size_t> sotto;
    for (std::size_t i = 0; i < v->valori.size(); ++i) {
        if (col >= v->valori[i].inizio && col <= v->valori[i].fine) sotto = i;
    }
    const std::int64_t fine = v->valori.empty() ? v->parola.fine : v->valori.back().fine;
    return {{"contents", {{"kind", "markdown"}, {"value", spiega(*v, sotto)}}},
            {"range", intervallo(d, p.riga, v->parola.inizio, fine, c)}};
}

json completamento(const Documento& d, bool snippet) {
    json elementi = json::array();
    const Descrizione g = genere_o_linea(d);
    for (const GenereVoce& v : voci_note()) {
        if (v.descrizione != g) continue;
        std::string testo = v.parola == "curva" ? (snippet ? "curva${1|s,d|}${2|1,2,3,4,5,6|}" : "curvas1") : v.parola;
        const int primo = v.parola == "curva" ? 3 : 1;
        std::string campi;
        for (std::size_t i = 0; i < v.campi.size(); ++i) {
            testo += ", ";
            campi += (i ? ", " : "") + v.campi[i].nome;
            if (snippet) testo += "${" + std::to_string(primo + static_cast<int>(i)) + ":" + v.campi[i].nome + "}";
        }
        elementi.push_back({{"label", v.parola},
                            {"kind", 14},
                            {"detail", v.significato},
                            {"documentation", v.parola + ", " + campi},
                            {"insertText", testo},
                            {"insertTextFormat", snippet ? 2 : 1}});
    }
    for (const std::string& h : intestazioni(g)) {
        elementi.push_back({{"label", h}, {"kind", 9}, {"detail", "section header"}, {"insertText", h}, {"insertTextFormat", 1}});
    }
    return {{"isIncomplete", false}, {"items", std::move(elementi)}};
}

json simboli(const Documento& d, Codifica c, bool gerarchia) {
    json radice = json::array();
    json* sezione = nullptr;
    const Descrizione g = genere_o_linea(d);
    const std::int64_t n = static_cast<std::int64_t>(d.righe_1252.size());
    for (std::int64_t r = 0; r < n; ++r) {
        const std::string_view riga = riga_di(d.testo.byte, d.righe_1252, r);
        const std::optional<VoceRiga> v = leggi_riga(riga, g);
        if (!v) continue;
        const json tutto = intervallo(d, r, 0, static_cast<std::int64_t>(riga.size()), c);
        const json scelta = intervallo(d, r, v->parola.inizio, v->parola.fine, c);
        if (v->intestazione) {
            radice.push_back({{"name", spoglia(utf8_di(v->parola.testo))}, {"kind", simbolo_sezione}, {"range", tutto},
                              {"selectionRange", scelta}, {"children", json::array()}});
            sezione = &radice.back();
            continue;
        }
        if (!v->genere || v->valori.empty()) continue;
        const std::string& k = v->genere->parola;
        std::string nome;
        int genere = simbolo_costante;
        if (k == "stazione") {
            nome = v->valori.size() == 17 ? spoglia(utf8_di(v->valori[16].testo)) : std::string("stazione");
            if (nome.empty()) nome = "stazione";
            genere = simbolo_oggetto;
        } else if (k == "segnale") {
            genere = simbolo_evento;
        } else if (k == "rallentamento") {
            genere = simbolo_struttura;
        } else if (k != "indicatori_vmax" && k != "cartello_indicatore") {
            continue;
        }
        json s{{"name", nome.empty() ? k + " " + chilometro(v->valori[0].testo) : nome},
               {"detail", nome.empty() ? v->genere->significato : chilometro(v->valori[0].testo)},
               {"kind", genere},
               {"range", tutto},
               {"selectionRange", scelta},
               {"children", json::array()}};
        if (k == "cartello_indicatore" && v->valori.size() > 1) s["detail"] = spoglia(utf8_di(v->valori[1].testo));
        if (sezione) {
            (*sezione)["range"]["end"] = tutto["end"];
            (*sezione)["children"].push_back(std::move(s));
        } else {
            radice.push_back(std::move(s));
        }
    }
    if (gerarchia) return radice;
    // Flat form for clients without the nested one.
    json piatto = json::array();
    auto aggiungi = [&](const json& s, const std::string& contenitore) {
        json x{{"name", s["name"]}, {"kind", s["kind"]}, {"location", {{"uri", d.uri}, {"range", s["range"]}}}};
        if (!contenitore.empty()) x["containerName"] = contenitore;
        piatto.push_back(std::move(x));
    };
    for (const json& s : radice) {
        aggiungi(s, "");
        for (const json& figlio : s["children"]) aggiungi(figlio, s["name"].get<std::string>());
    }
    return piatto;
}

json suggerimenti(const Documento& d, std::int64_t prima, std::int64_t ultima, Codifica c) {
    json r = json::array();
    const Descrizione g = genere_o_linea(d);
    if (prima < 0) prima = 0;
    const std::int64_t n = static_cast<std::int64_t>(d.righe_1252.size());
    for (std::int64_t riga = prima; riga <= ultima && riga < n; ++riga) {
        const std::optional<VoceRiga> v = leggi_riga(riga_di(d.testo.byte, d.righe_1252, riga), g);
        if (!v || !v->genere || !v->genere->suggerimenti) continue;
        for (std::size_t i = 0; i < v->valori.size(); ++i) {
            const Campo& campo = v->genere->campi[i];
            r.push_back({{"position", posizione_json(d, riga, v->valori[i].inizio, c)},
                         {"label", campo.nome + ":"},
                         {"kind", 2},
                         {"paddingRight", true},
                         {"tooltip", campo.significato + (campo.unita.empty() ? "" : " (" + campo.unita + ")")}});
        }
    }
    return r;
}

}  // namespace compattatore::lsp
