// The map panel: the line from the plan, turned so that its start-to-end
// chord runs left to right and scaled to the panel, with its stations,
// signals and boards labelled in lanes, and a scale bar.
#include <algorithm>
#include <cmath>

#include "cli/plot_pannelli.hpp"
#include "cli/testo.hpp"

namespace compattatore::cli::plot {

namespace {

constexpr double x0 = margine_sx, y0 = mappa.y, w = largo, h = mappa.h;

// The plan's points turned and scaled into the panel.
struct Mappa {
    const PuntiPlanimetria& p;
    std::int32_t fine_linea;      // the last metre drawn
    std::int32_t passo_campione;  // metres between the points sampled
    double cos_a = 1, sin_a = 0;  // rotation that puts the start-to-end chord along +x
    double scala = 1;             // pixels per metre
    double ox = 0, oy = 0;        // pixel of the rotated origin

    Punto pixel(double x, double y) const {
        const double u = x * cos_a + y * sin_a;
        const double v = -x * sin_a + y * cos_a;
        return Punto{ox + u * scala, oy - v * scala};
    }
    Punto metro(std::int32_t i) const { return pixel(p.x(i), p.y(i)); }
    Punto punto_a(double metro_linea) const {
        return metro(static_cast<std::int32_t>(std::clamp<double>(metro_linea, 0, fine_linea)));
    }
};

// The rotation, the scale and the origin that fit the sampled points into the
// panel with room for the labels.
void orienta(Mappa& m) {
    const PuntiPlanimetria& p = m.p;
    double cx = p.x(m.fine_linea) - p.x(0), cy = p.y(m.fine_linea) - p.y(0);
    if (std::hypot(cx, cy) < 1) {  // a closed line: use the starting heading
        cx = p.x(1) - p.x(0);
        cy = p.y(1) - p.y(0);
    }
    const double l = std::hypot(cx, cy);
    m.cos_a = cx / l;
    m.sin_a = cy / l;
    // Extent of the rotated points.
    double umin = 1e300, umax = -1e300, vmin = 1e300, vmax = -1e300;
    for (std::int32_t i = 0; i <= m.fine_linea; i += m.passo_campione) {
        const double u = p.x(i) * m.cos_a + p.y(i) * m.sin_a;
        const double v = -p.x(i) * m.sin_a + p.y(i) * m.cos_a;
        umin = std::min(umin, u), umax = std::max(umax, u), vmin = std::min(vmin, v), vmax = std::max(vmax, v);
    }
    const double bordo_o = 90, bordo_v = 80;  // room for the labels
    const double du = std::max(umax - umin, 1.0), dv = std::max(vmax - vmin, 1.0);
    m.scala = std::min((w - 2 * bordo_o) / du, (h - 2 * bordo_v) / dv);
    m.ox = x0 + w / 2 - (umin + umax) / 2 * m.scala;
    m.oy = y0 + h / 2 + (vmin + vmax) / 2 * m.scala;
}

// The line itself, with its two ends marked.
void disegna_linea(Svg& s, const Disegno& d, const Mappa& m) {
    std::vector<Punto> pt;
    for (std::int32_t i = 0; i <= m.fine_linea; i += m.passo_campione) pt.push_back(m.metro(i));
    pt.push_back(m.metro(m.fine_linea));
    s.vuoto("path", {{"id", "map-line"}, {"d", tracciato_di(semplifica(pt, 0.25)).dati()}, {"fill", "none"},
                     {"stroke", colore::linea}, {"stroke-width", "3"}, {"stroke-linejoin", "round"}});
    const Punto inizio = m.metro(0);
    const Punto fine = m.metro(m.fine_linea);
    s.vuoto("circle", {{"cx", f(inizio.x)}, {"cy", f(inizio.y)}, {"r", "4"}, {"fill", colore::linea}});
    testo(s, inizio.x - 8, inizio.y + 4, "0 km", {{"text-anchor", "end"}, {"font-size", "11"}});
    s.vuoto("circle", {{"cx", f(fine.x)}, {"cy", f(fine.y)}, {"r", "4"}, {"fill", colore::linea}});
    testo(s, fine.x + 8, fine.y + 4, km(d.lunghezza_linea) + " km", {{"font-size", "11"}});
}

// Stations and signals are labelled above the line, boards below it; each
// label takes the first free lane, with a leader line to its point.
struct Etichetta {
    Punto q;
    std::string classe, titolo, testo;
    const char* colore;
    double corpo;
    bool grassetto;
    int gruppo;  // 0 above, 1 speed boards below, 2 text boards below
    std::uint8_t tipo;
};

// Every label of the map, left to right.
std::vector<Etichetta> etichette(const Disegno& d, const Mappa& m) {
    std::vector<Etichetta> et;
    for (const Oggetto& o : d.oggetti) {
        const Cella& c = d.celle[static_cast<std::size_t>(o.cella)];
        const Punto q = m.punto_a(o.metro);
        if (c.tipo == tipo_cella::cartello) {
            const std::int16_t i = c.valore_1;
            const std::string t = (i >= 0 && i < numero_voci) ? utf8_da_1252(d.voci[static_cast<std::size_t>(i)].nome) : "";
            et.push_back({q, "map-text-board", "text board at " + km(o.metro) + " km: " + t, t, colore::cartello, 10,
                          false, 2, c.tipo});
        } else if (c.tipo == tipo_cella::indicatore_v_max) {
            const LatiIndicatore a = lati_indicatore(c.valore_1);
            et.push_back({q, "map-speed-board", "speed board at " + km(o.metro) + " km: " + o.parole, n(a.lato_s),
                          colore::indicatore, 10, false, 1, c.tipo});
        } else if (c.tipo == tipo_cella::segnale) {
            et.push_back({q, "map-signal", "signal at " + km(o.metro) + " km (cell " + n(o.cella) + ")",
                          "signal " + km(o.metro), colore::segnale, 10, false, 0, c.tipo});
        }
    }
    for (const int i : d.classi.stazioni) {
        const Voce& v = d.voci[static_cast<std::size_t>(i)];
        et.push_back({m.punto_a(v.posizione), "map-station",
                      "station " + utf8_da_1252(v.nome) + " at " + km(v.posizione) + " km", utf8_da_1252(v.nome),
                      colore::stazione, 12, true, 0, tipo_cella::fermata});
    }
    std::stable_sort(et.begin(), et.end(), [](const Etichetta& a, const Etichetta& b) { return a.q.x < b.q.x; });
    return et;
}

// The marker of a label's point: a diamond for a text board, a triangle for
// a speed board, a dot for a signal, a ring for a station.
void segno(Svg& s, const Etichetta& e) {
    if (e.tipo == tipo_cella::cartello) {
        s.vuoto("rect", {{"x", f(e.q.x - 3.5)}, {"y", f(e.q.y - 3.5)}, {"width", "7"}, {"height", "7"},
                         {"fill", e.colore}, {"transform", "rotate(45 " + f(e.q.x) + " " + f(e.q.y) + ")"}});
    } else if (e.tipo == tipo_cella::indicatore_v_max) {
        s.vuoto("path", {{"d", Tracciato().muovi(e.q.x, e.q.y + 2).linea(e.q.x - 4.5, e.q.y + 9).linea(e.q.x + 4.5, e.q.y + 9).chiudi().dati()},
                         {"fill", e.colore}});
    } else if (e.tipo == tipo_cella::segnale) {
        s.vuoto("circle", {{"cx", f(e.q.x)}, {"cy", f(e.q.y)}, {"r", "4"}, {"fill", e.colore}});
    } else {
        s.vuoto("circle", {{"cx", f(e.q.x)}, {"cy", f(e.q.y)}, {"r", "5.5"}, {"fill", "white"}, {"stroke", e.colore},
                           {"stroke-width", "2.5"}});
    }
}

void disegna_etichette(Svg& s, const std::vector<Etichetta>& et) {
    Corsie corsie[3] = {Corsie(5), Corsie(3), Corsie(5)};
    const double base[3] = {-30, 24, 46};
    const double passo[3] = {-14, 11, 13};
    for (const Etichetta& e : et) {
        const double lw = larghezza_testo(e.testo, e.corpo);
        const double lx = std::clamp(e.q.x - lw / 2, x0 + 4, x0 + w - 4 - lw);
        const int corsia = corsie[e.gruppo].prendi(lx, lx + lw);
        const double ly = e.q.y + base[e.gruppo] + passo[e.gruppo] * corsia;
        s.apri("g", {{"class", e.classe}});
        s.testo("title", {}, e.titolo);
        const double aggancio = e.gruppo == 0 ? ly + 3 : ly - e.corpo;
        s.vuoto("line", {{"x1", f(e.q.x)}, {"y1", f(e.q.y)}, {"x2", f(std::clamp(e.q.x, lx, lx + lw))}, {"y2", f(aggancio)},
                         {"stroke", e.colore}, {"stroke-width", "0.8"}, {"stroke-opacity", "0.6"}});
        segno(s, e);
        Attributi a{{"font-size", f(e.corpo)}, {"fill", e.colore}};
        if (e.grassetto) a.push_back({"font-weight", "bold"});
        testo(s, lx, ly, e.testo, a);
        s.chiudi();
    }
}

// Scale bar, bottom left: the largest 1, 2 or 5 x 10^k metres that spans at
// most a fifth of the map.
void barra_scala(Svg& s, const Mappa& m) {
    const double g = w / 5 / m.scala;
    const double p10 = std::pow(10.0, std::floor(std::log10(g)));
    const double metri_barra = (g / p10 >= 5 ? 5 : g / p10 >= 2 ? 2 : 1) * p10;
    const double bx = x0 + 16, by = y0 + h - 16, bw = metri_barra * m.scala;
    s.apri("g", {{"id", "map-scale"}});
    s.vuoto("path", {{"d", Tracciato().muovi(bx, by - 5).linea(bx, by).linea(bx + bw, by).linea(bx + bw, by - 5).dati()},
                     {"fill", "none"}, {"stroke", "#333333"}, {"stroke-width", "1.5"}});
    testo(s, bx + bw / 2, by - 8,
          metri_barra >= 1000 ? f(metri_barra / 1000) + " km" : f(metri_barra) + " m",
          {{"text-anchor", "middle"}, {"font-size", "11"}});
    s.chiudi();
}

}  // namespace

void disegna_mappa(Svg& s, const Disegno& d) {
    s.apri("g", {{"id", "map"}});
    s.vuoto("rect", {{"x", f(x0)}, {"y", f(y0)}, {"width", f(w)}, {"height", f(h)}, {"fill", "#fbfbf8"},
                     {"stroke", "#bbbbbb"}});
    testo(s, x0 + 8, y0 + 18, "Map of the line (turned so that it runs left to right)",
          {{"font-size", "13"}, {"font-weight", "bold"}, {"fill", "#555555"}});
    const std::int32_t calcolati = d.plan ? d.plan->calcolati() : 0;
    if (calcolati < 3) {
        testo(s, x0 + w / 2, y0 + h / 2, "no plan: the line was compiled without one",
              {{"text-anchor", "middle"}, {"font-size", "14"}, {"fill", "#777777"}});
        s.chiudi();
        return;
    }
    const PuntiPlanimetria p = d.plan->punti();
    const auto fine_linea = static_cast<std::int32_t>(std::min<double>(d.lunghezza_linea, calcolati - 1));
    Mappa m{p, fine_linea, std::max<std::int32_t>(1, fine_linea / 4000)};
    orienta(m);
    disegna_linea(s, d, m);
    disegna_etichette(s, etichette(d, m));
    barra_scala(s, m);
    s.chiudi();
}

}  // namespace compattatore::cli::plot
