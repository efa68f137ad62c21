#include "cli/vista_json.hpp"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "cli/plot_impaginazione.hpp"
#include "cli/significato.hpp"
#include "cli/testo.hpp"
#include "cli/vista_righe.hpp"

namespace compattatore::cli {

namespace {

using plot::f;
using plot::km;
using plot::n;

// Where a feature came from, or why there is no line to name.
struct Fonti {
    RigheVoci linea, treno;
    bool da_file = false;

    std::string di(const RigheVoci& r, std::string_view parola, double metro, double tolleranza) const {
        if (da_file) return "read from the compiled files: no description line";
        const std::string s = r.dove(parola, metro, tolleranza);
        return s.empty() ? "no description line found" : s;
    }
};

void elemento(std::ostream& o, bool& primo, const std::string& genere, double metro, const std::string& etichetta,
              const std::string& cosa, const std::string& fonte) {
    o << (primo ? "" : ",") << "{\"k\":\"" << genere << "\",\"m\":" << f(metro) << ",\"t\":" << json_utf8(etichetta)
      << ",\"d\":" << json_utf8(cosa) << ",\"s\":" << json_utf8(fonte) << "}";
    primo = false;
}

void elementi(std::ostream& o, const Disegnabile& d, const Fonti& fo) {
    const Classi cl = classifica(d.voci);
    bool primo = true;
    o << "\"features\":[";
    std::size_t k = 0;
    for (const int i : cl.stazioni) {
        const Voce& v = d.voci[static_cast<std::size_t>(i)];
        ++k;
        const std::string fonte = fo.da_file ? fo.di(fo.treno, "", 0, 0) : fo.treno.ennesima("stazione", k);
        elemento(o, primo, "station", v.posizione, utf8_da_1252(v.nome) + " " + ora(v.orario),
                 "station " + utf8_da_1252(v.nome) + " at " + km(v.posizione) + " km, zone " + n(v.inizio) + " m to " +
                     n(v.fine) + " m, arrival " + ora(v.orario),
                 fonte.empty() ? "no description line found" : fonte);
    }
    for (const Oggetto& og : oggetti(d.percorso, &d.voci)) {
        const Cella& c = d.percorso[static_cast<std::size_t>(og.cella)];
        const double m = og.metro;
        switch (c.tipo) {
            case tipo_cella::segnale:
                elemento(o, primo, "signal", m, km(m) + " km", "signal at " + km(m) + " km: " + og.parole,
                         fo.di(fo.treno, "segnale", m, 100));
                break;
            case tipo_cella::indicatore_v_max: {
                const LatiIndicatore a = lati_indicatore(c.valore_1);
                elemento(o, primo, "speed-board", m, n(a.lato_s) + " | " + n(a.lato_d) + " km/h",
                         "speed board at " + km(m) + " km: " + og.parole, fo.di(fo.linea, "indicatori", m, 100));
                break;
            }
            case tipo_cella::cartello: {
                const std::int16_t i = c.valore_1;
                const std::string t = i >= 0 && i < numero_voci ? utf8_da_1252(d.voci[static_cast<std::size_t>(i)].nome) : "";
                elemento(o, primo, "text-board", m, t, "text board at " + km(m) + " km: " + t,
                         fo.di(fo.linea, "cartello", m, 100));
                break;
            }
            case tipo_cella::avviso_rallentamento:
                elemento(o, primo, "warning", m, n(c.valore_1) + " km/h",
                         "slowdown warning board at " + km(m) + " km: " + n(c.valore_1) + " km/h",
                         fo.di(fo.treno, "rallentamento", m, 5000));
                break;
            case tipo_cella::punto_codice:
            case tipo_cella::abbattimento_zero:
                elemento(o, primo, "code-point", m, "", "code point at " + km(m) + " km: " + og.parole,
                         fo.da_file ? fo.di(fo.treno, "", 0, 0)
                                    : (fo.treno.dove("abbattimento", m, 50).empty() ? "placed by the finishing rules: no description line"
                                                                                     : fo.treno.dove("abbattimento", m, 50)));
                break;
            default: break;
        }
    }
    o << "]";
}

void profili(std::ostream& o, const Disegnabile& d, const Fonti& fo) {
    const std::vector<double> e = quote(d.percorso);
    o << ",\"elevation\":[";
    for (std::size_t i = 0; i < e.size(); ++i) o << (i ? "," : "") << f(e[i]);
    o << "]";
    auto corse_json = [&](const char* nome, std::uint8_t Cella::*membro, auto valore) {
        o << ",\"" << nome << "\":[";
        bool primo = true;
        for (const Corsa& c : corse(d.percorso, membro)) {
            if (c.valore == 0) continue;
            o << (primo ? "" : ",") << "[" << n(c.prima * metri_cella) << "," << n((c.ultima + 1) * metri_cella) << ","
              << valore(c.valore) << "]";
            primo = false;
        }
        o << "]";
    };
    corse_json("gradients", &Cella::pendenza, [](int v) { return n(v - 100); });
    corse_json("limits", &Cella::velocita_limite, [](int v) { return n(std::int64_t{v} * 5); });
    corse_json("mountains", &Cella::montagna, [](int v) { return n(v); });
    o << ",\"slowdowns\":[";
    bool primo = true;
    for (const Rallentamento& r : rallentamenti(d.percorso)) {
        const double a = metro_di(tipo_cella::inizio_rallentamento, r.inizio);
        const double b = metro_di(tipo_cella::fine_rallentamento, r.fine);
        o << (primo ? "" : ",") << "[" << f(a) << "," << f(b) << "," << n(r.velocita) << ","
          << json_utf8(fo.di(fo.treno, "rallentamento", a, 100)) << "]";
        primo = false;
    }
    o << "]";
    const Voce& rip = d.voci[indice_voce::treno];
    o << ",\"cab\":";
    if (rip.fine > rip.inizio) {
        o << "[" << n(rip.inizio) << "," << n(rip.fine) << "," << n(rip.posizione) << ","
          << json_utf8(fo.di(fo.linea, "ripetizione", rip.inizio, 1e9)) << "]";
    } else {
        o << "null";
    }
    o << ",\"progressives\":[";
    primo = true;
    for (int slot = 1; slot <= 3; ++slot) {
        const Voce& v = d.voci[static_cast<std::size_t>(indice_voce::progressiva_tre + slot - 1)];
        if (v.inizio == 0 && v.fine == 0 && v.posizione == 0) continue;
        o << (primo ? "" : ",") << "[" << slot << "," << n(v.inizio) << "," << n(v.fine) << "," << n(v.posizione) << ","
          << json_utf8(fo.di(fo.linea, "progressiva", v.inizio, 0.5)) << "]";
        primo = false;
    }
    o << "]";
}

// The plan along the line: one point every few metres, enough for the map.
void mappa(std::ostream& o, const Disegnabile& d, double linea) {
    o << ",\"map\":[";
    const std::int32_t calcolati = d.planimetria.calcolati();
    if (calcolati >= 3) {
        const PuntiPlanimetria p = d.planimetria.punti();
        const auto fine = static_cast<std::int32_t>(std::min<double>(linea, calcolati - 1));
        const std::int32_t passo = std::max<std::int32_t>(1, fine / 3000);
        for (std::int32_t i = 0;; i = std::min(fine, i + passo)) {
            o << (i ? "," : "") << "[" << i << "," << f(p.x(i)) << "," << f(p.y(i)) << "]";
            if (i == fine) break;
        }
    }
    o << "]";
}

}  // namespace

std::string dati_vista(const Disegnabile& d) {
    Fonti fo{RigheVoci(d.nome_linea, d.testo_linea), RigheVoci(d.nome_treno, d.testo_treno), d.nome_linea.empty()};
    const double totali = std::max<double>(static_cast<double>(d.percorso.size()) * metri_cella, metri_cella);
    double linea = d.voci[indice_voce::parametri_treno].fine;
    if (linea <= 0 || linea > totali) linea = std::max(0.0, totali - 7000);
    const Finestra fin = finestra_di(d.opzioni, d.percorso.size());
    std::ostringstream o;
    o << "{\"route\":" << json_testo(d.voci[indice_voce::linea].nome) << ",\"train\":" << json_testo(d.voci[indice_voce::treno].nome)
      << ",\"line\":" << f(linea) << ",\"total\":" << f(totali) << ",\"from\":" << f(fin.da) << ",\"to\":" << f(fin.a)
      << ",\"banner\":" << json_utf8(d.opzioni.avviso) << ",";
    elementi(o, d, fo);
    profili(o, d, fo);
    mappa(o, d, linea);
    o << "}";
    std::string s = o.str();
    std::string r;
    r.reserve(s.size());
    for (const char c : s) {
        if (c == '<') r += "\\u003c";
        else r += c;
    }
    return r;
}

}  // namespace compattatore::cli
