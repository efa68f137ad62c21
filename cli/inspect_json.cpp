// The JSON document of inspect: one object per file.
#include <cmath>
#include <cstdio>
#include <functional>

#include "cli/inspect.hpp"
#include "cli/significato.hpp"
#include "cli/testo.hpp"
#include "formato/codici_gara.hpp"

namespace compattatore::cli {

namespace {

std::string n(std::int64_t v) { return std::to_string(v); }

std::string json_numero(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[64];
    static_cast<void>(std::snprintf(buf, sizeof buf, "%.17g", v));  // %.17g of any double fits 64 bytes
    return buf;
}

void json_corse(std::ostream& out, const std::vector<Cella>& celle, std::uint8_t Cella::*membro,
                const std::function<std::string(int)>& valore, bool solo_non_zero) {
    out << '[';
    bool primo = true;
    for (const Corsa& c : corse(celle, membro)) {
        if (solo_non_zero && c.valore == 0) continue;
        out << (primo ? "" : ",") << "{\"from\":" << c.prima * metri_cella << ",\"to\":" << (c.ultima + 1) * metri_cella
            << ",\"first_cell\":" << c.prima << ",\"last_cell\":" << c.ultima << ",\"value\":"
            << (c.valore == 0 && !solo_non_zero ? std::string("null") : valore(c.valore)) << '}';
        primo = false;
    }
    out << ']';
}

void json_percorso(std::ostream& out, const Ispezione& r) {
    const std::vector<Cella>& celle = *r.celle;
    out << "{\"file\":" << json_utf8(r.percorso.string()) << ",\"kind\":\"track\",\"bytes\":" << r.byte
        << ",\"cells\":" << celle.size() << ",\"line_length\":";
    if (r.voci_accanto) {
        out << (*r.voci_accanto)[indice_voce::parametri_treno].fine << ",\"line_length_from\":\"entry file\"";
    } else {
        out << static_cast<std::int64_t>(celle.size() - 1) * metri_cella - 7000 << ",\"line_length_from\":\"cells\"";
    }
    out << ",\"mark\":" << celle[1].valore_1 << ",\"plain_code\":" << celle[1].valore_2 << ",\"code_checked\":"
        << (r.nomi ? "true" : "false");
    if (r.nomi) {
        out << ",\"route\":" << json_testo(r.nomi->nome_percorso) << ",\"train\":" << json_testo(r.nomi->numero_treno)
            << ",\"names_from\":" << json_utf8(r.fonte_nomi);
    }
    out << ",\"features\":[";
    const Voci* voci = r.voci_accanto ? &*r.voci_accanto : nullptr;
    bool primo = true;
    for (const Oggetto& o : oggetti(celle, voci)) {
        const Cella& c = celle[static_cast<std::size_t>(o.cella)];
        out << (primo ? "" : ",") << "{\"cell\":" << o.cella << ",\"metre\":" << o.metro << ",\"kind\":\""
            << o.genere << "\",\"text\":" << json_utf8(o.parole) << ",\"tipo\":" << n(c.tipo) << ",\"values\":["
            << c.valore_1 << ',' << c.valore_2 << ',' << c.valore_3 << ',' << c.valore_4
            << "],\"signal_time\":" << n(c.tempo_segnale) << ",\"approach_mark\":" << n(c.preavviso) << '}';
        primo = false;
    }
    out << "],\"gradient_per_mille\":";
    json_corse(out, celle, &Cella::pendenza, [](int v) { return n(v - 100); }, false);
    out << ",\"speed_limit_kmh\":";
    json_corse(out, celle, &Cella::velocita_limite, [](int v) { return n(std::int64_t{v} * 5); }, false);
    out << ",\"adhesion\":";
    json_corse(out, celle, &Cella::aderenza, [](int v) { return n(v); }, false);
    out << ",\"mountain_zones\":";
    json_corse(out, celle, &Cella::montagna, [](int v) { return n(v); }, true);
    out << '}';
}

void json_voce_completa(std::ostream& out, const Voce& s) {
    out << "\"tipo\":" << n(s.tipo) << ",\"inizio\":" << s.inizio << ",\"fine\":" << s.fine
        << ",\"posizione\":" << s.posizione << ",\"prolunga\":" << n(s.prolunga) << ",\"dato_a\":" << s.dato_a
        << ",\"dato_b\":" << s.dato_b << ",\"dato_c\":" << s.dato_c << ",\"dato_d\":" << s.dato_d
        << ",\"dato_e\":" << s.dato_e << ",\"opzione_a\":" << n(s.opzione_a) << ",\"opzione_b\":" << n(s.opzione_b)
        << ",\"opzione_c\":" << n(s.opzione_c) << ",\"opzione_d\":" << n(s.opzione_d) << ",\"orario\":" << s.orario;
}

void json_voci(std::ostream& out, const Ispezione& r) {
    const Voci& v = *r.voci;
    const Voce& parametri = v[indice_voce::parametri_treno];
    const Voce& linea = v[indice_voce::linea];
    const Voce& treno = v[indice_voce::treno];
    const Classi c = classifica(v);
    out << "{\"file\":" << json_utf8(r.percorso.string()) << ",\"kind\":\"entry\",\"bytes\":" << r.byte
        << ",\"route\":" << json_testo(linea.nome) << ",\"train\":" << json_testo(treno.nome)
        << ",\"mark\":" << linea.dato_a << ",\"weighted_code\":" << linea.orario
        << ",\"plain_code_of_names\":" << codice_gara_og(treno.nome, linea.nome) << ",\"stations\":[";
    for (std::size_t k = 0; k < c.stazioni.size(); ++k) {
        const int i = c.stazioni[k];
        const Voce& s = v[static_cast<std::size_t>(i)];
        out << (k ? "," : "") << "{\"entry\":" << i << ",\"name\":" << json_testo(s.nome) << ",\"kind\":" << n(s.tipo)
            << ",\"zone_start\":" << s.inizio << ",\"zone_end\":" << s.fine << ",\"position\":" << s.posizione
            << ",\"time\":\"" << ora(s.orario) << "\",";
        json_voce_completa(out, s);
        out << '}';
    }
    out << "],\"board_texts\":[";
    for (std::size_t k = 0; k < c.cartelli.size(); ++k) {
        const int i = c.cartelli[k];
        out << (k ? "," : "") << "{\"entry\":" << i << ",\"text\":" << json_testo(v[static_cast<std::size_t>(i)].nome)
            << '}';
    }
    out << "],\"parameters\":{\"cars\":" << parametri.posizione << ",\"braked_mass_percent\":" << parametri.inizio
        << ",\"line_length\":" << parametri.fine << ",\"sand\":" << treno.dato_a << ",\"clock\":\""
        << ora(3600LL * treno.dato_c + 60LL * treno.dato_d + treno.dato_e) << "\",\"cab_signals\":{\"from\":"
        << treno.inizio << ",\"to\":" << treno.fine << ",\"codes\":" << treno.posizione
        << "},\"backgrounds\":{\"one\":" << linea.inizio << ",\"two\":" << linea.posizione
        << ",\"three\":" << linea.fine << "},\"kilometric_progressives\":[";
    const int indici_prog[] = {indice_voce::progressiva_uno, indice_voce::progressiva_due, indice_voce::progressiva_tre};
    for (int k = 0; k < 3; ++k) {
        const Voce& p = v[static_cast<std::size_t>(indici_prog[k])];
        out << (k ? "," : "") << "{\"entry\":" << indici_prog[k] << ",\"values\":[" << p.inizio << ',' << p.fine
            << ',' << p.posizione << "]}";
    }
    out << "]},\"other_entries\":[";
    for (std::size_t k = 0; k < c.altre.size(); ++k) {
        const int i = c.altre[k];
        const Voce& s = v[static_cast<std::size_t>(i)];
        out << (k ? "," : "") << "{\"entry\":" << i << ",\"name\":" << json_testo(s.nome) << ',';
        json_voce_completa(out, s);
        out << '}';
    }
    out << "]}";
}

void json_planimetria(std::ostream& out, const Ispezione& r) {
    const RiassuntoPlanimetria& p = *r.planimetria;
    out << "{\"file\":" << json_utf8(r.percorso.string()) << ",\"kind\":\"plan\",\"bytes\":" << r.byte
        << ",\"points\":" << p.punti << ",\"computed\":" << p.calcolati;
    if (p.calcolati > 0) {
        out << ",\"end_point\":{\"metre\":" << p.calcolati - 1 << ",\"x\":" << json_numero(p.fine_x)
            << ",\"y\":" << json_numero(p.fine_y) << "},\"length\":" << json_numero(p.lunghezza)
            << ",\"heading_change_degrees_right\":" << json_numero(p.svolta) << ",\"bounding_box\":{\"x_min\":"
            << json_numero(p.x_min) << ",\"x_max\":" << json_numero(p.x_max) << ",\"y_min\":" << json_numero(p.y_min)
            << ",\"y_max\":" << json_numero(p.y_max) << '}';
    }
    out << '}';
}

}  // namespace

void json_ispezione(std::ostream& out, const Ispezione& r) {
    if (!r.letto()) {
        out << "{\"file\":" << json_utf8(r.percorso.string()) << ",\"error\":" << json_utf8(r.errore.en()) << '}';
        return;
    }
    switch (r.tipo) {
        case TipoFile::planimetria: json_planimetria(out, r); break;
        case TipoFile::voci: json_voci(out, r); break;
        case TipoFile::percorso: json_percorso(out, r); break;
    }
}

}  // namespace compattatore::cli
