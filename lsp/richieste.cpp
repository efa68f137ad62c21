#include "lsp/richieste.hpp"

#include "decompila/formatta.hpp"
#include "lsp/controllo.hpp"
#include "lsp/righe.hpp"
#include "lsp/spiegazione.hpp"
#include "model/windows_1252.hpp"

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

json hover(const Documento& d, Posizione p, Codifica c, Lingua lingua) {
    const std::string_view riga = riga_di(d.testo.byte, d.righe_1252, p.riga);
    const Descrizione g = genere_o_linea(d);
    const std::optional<VoceRiga> v = leggi_riga(riga, parte_della_riga(d.testo.byte, d.righe_1252, p.riga, g));
    if (!v || (!v->tipo && !v->intestazione)) return nullptr;
    const std::int64_t col = colonna_di(d.utf8, d.righe, p, c);
    std::optional<std::size_t> sotto;
    for (std::size_t i = 0; i < v->valori.size(); ++i) {
        if (col >= v->valori[i].inizio && col <= v->valori[i].fine) sotto = i;
    }
    const std::int64_t fine = v->valori.empty() ? v->parola.fine : v->valori.back().fine;
    return {{"contents", {{"kind", "markdown"}, {"value", spiega(*v, sotto, lingua)}}},
            {"range", intervallo(d, p.riga, v->parola.inizio, fine, c)}};
}

json completamento(const Documento& d, bool snippet, Lingua lingua) {
    json elementi = json::array();
    const Descrizione g = genere_o_linea(d);
    for (const guida::TipoVoce& v : guida::tipi_voce()) {
        if (!della_descrizione(v, g)) continue;
        const bool curva = v.parola_chiave == "curva";
        std::string testo = curva ? (snippet ? "curva${1|s,d|}${2|1,2,3,4,5,6|}" : "curvas1") : std::string(parola_da_scrivere(v));
        const int primo = curva ? 3 : 1;
        for (std::size_t i = 0; i < v.campi.size(); ++i) {
            testo += ", ";
            if (snippet) testo += "${" + std::to_string(primo + static_cast<int>(i)) + ":" + std::string(v.campi[i].nome) + "}";
        }
        elementi.push_back({{"label", v.parola_chiave},
                            {"kind", 14},
                            {"detail", v.nome.in(lingua)},
                            {"documentation", std::string(v.esempio) + "\n\n" + std::string(v.significato.in(lingua))},
                            {"insertText", testo},
                            {"insertTextFormat", snippet ? 2 : 1}});
    }
    for (const guida::Intestazione* h : intestazioni(g)) {
        elementi.push_back({{"label", h->testo},
                            {"kind", 9},
                            {"detail", h->significato.in(lingua)},
                            {"insertText", h->testo},
                            {"insertTextFormat", 1}});
    }
    return {{"isIncomplete", false}, {"items", std::move(elementi)}};
}

json simboli(const Documento& d, Codifica c, bool gerarchia, Lingua lingua) {
    json radice = json::array();
    json* sezione = nullptr;
    const Descrizione g = genere_o_linea(d);
    guida::Parte parte = parte_iniziale(g);
    const std::int64_t n = static_cast<std::int64_t>(d.righe_1252.size());
    for (std::int64_t r = 0; r < n; ++r) {
        const std::string_view riga = riga_di(d.testo.byte, d.righe_1252, r);
        const std::optional<VoceRiga> v = leggi_riga(riga, parte);
        if (!v) continue;
        const json tutto = intervallo(d, r, 0, static_cast<std::int64_t>(riga.size()), c);
        const json scelta = intervallo(d, r, v->parola.inizio, v->parola.fine, c);
        if (v->intestazione) {
            parte = parte_dopo(v->parola.testo, g);
            radice.push_back({{"name", spoglia(utf8_da_1252(v->parola.testo))}, {"kind", simbolo_sezione}, {"range", tutto},
                              {"selectionRange", scelta}, {"children", json::array()}});
            sezione = &radice.back();
            continue;
        }
        if (!v->tipo || v->valori.empty()) continue;
        const std::string k(v->tipo->parola_chiave);
        std::string nome;
        int genere = simbolo_costante;
        if (k == "stazione") {
            nome = v->valori.size() == 17 ? spoglia(utf8_da_1252(v->valori[16].testo)) : std::string("stazione");
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
               {"detail", nome.empty() ? std::string(v->tipo->nome.in(lingua)) : chilometro(v->valori[0].testo)},
               {"kind", genere},
               {"range", tutto},
               {"selectionRange", scelta},
               {"children", json::array()}};
        if (k == "cartello_indicatore" && v->valori.size() > 1) s["detail"] = spoglia(utf8_da_1252(v->valori[1].testo));
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

json suggerimenti(const Documento& d, std::int64_t prima, std::int64_t ultima, Codifica c, Lingua lingua) {
    json r = json::array();
    const Descrizione g = genere_o_linea(d);
    if (prima < 0) prima = 0;
    const std::int64_t n = static_cast<std::int64_t>(d.righe_1252.size());
    guida::Parte parte = parte_della_riga(d.testo.byte, d.righe_1252, prima, g);
    for (std::int64_t riga = prima; riga <= ultima && riga < n; ++riga) {
        const std::optional<VoceRiga> v = leggi_riga(riga_di(d.testo.byte, d.righe_1252, riga), parte);
        if (v && v->intestazione) parte = parte_dopo(v->parola.testo, g);
        if (!v || !v->tipo || !nomina_campi(*v->tipo)) continue;
        for (std::size_t i = 0; i < v->valori.size(); ++i) {
            const guida::Campo& campo = v->tipo->campi[i];
            std::string aiuto(campo.significato.in(lingua));
            if (!campo.unita.empty()) aiuto += " (" + std::string(campo.unita) + ")";
            r.push_back({{"position", posizione_json(d, riga, v->valori[i].inizio, c)},
                         {"label", std::string(campo.nome) + ":"},
                         {"kind", 2},
                         {"paddingRight", true},
                         {"tooltip", aiuto + "; " + std::string(campo.intervallo.in(lingua))}});
        }
    }
    return r;
}

json formattazione(const Documento& d, Codifica c) {
    // A text the files cannot hold, or larger than the readers take, is not
    // laid out: its bytes would not say what the editor shows.
    if (!d.genere || !d.testo.intraducibili.empty() || d.testo.byte.size() > massimo_testo) return nullptr;
    const auto tipo = *d.genere == Descrizione::linea ? decompila::TipoDescrizione::linea : decompila::TipoDescrizione::treno;
    const decompila::Formattato f = decompila::formatta(d.testo.byte, tipo);
    if (f.testo == d.testo.byte) return json::array();
    const std::int64_t ultima = static_cast<std::int64_t>(d.righe_1252.size()) - 1;
    const auto fine = static_cast<std::int64_t>(riga_di(d.testo.byte, d.righe_1252, ultima).size());
    return json::array({{{"range", {{"start", {{"line", 0}, {"character", 0}}}, {"end", posizione_json(d, ultima, fine, c)}}},
                         {"newText", utf8_da_1252(f.testo)}}});
}

}  // namespace compattatore::lsp
