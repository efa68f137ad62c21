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
    std::int32_t inizio_linea;    // the first metre drawn
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
        return metro(static_cast<std::int32_t>(std::clamp<double>(metro_linea, inizio_linea, fine_linea)));
    }
};

// The extent of the sampled points turned by (c, s).
struct Estensione {
    double umin = 1e300, umax = -1e300, vmin = 1e300, vmax = -1e300;
};
Estensione estensione(const Mappa& m, double c, double s) {
    Estensione e;
    for (std::int32_t i = m.inizio_linea; i <= m.fine_linea; i += m.passo_campione) {
        const double u = m.p.x(i) * c + m.p.y(i) * s;
        const double v = -m.p.x(i) * s + m.p.y(i) * c;
        e.umin = std::min(e.umin, u), e.umax = std::max(e.umax, u), e.vmin = std::min(e.vmin, v), e.vmax = std::max(e.vmax, v);
    }
    return e;
}

// The rotation, the scale and the origin that fit the sampled points into the
// panel with room for the labels: the start-to-end chord left to right, or
// the turn within 90 degrees of it that fills the panel best, start on the left.
void orienta(Mappa& m) {
    const PuntiPlanimetria& p = m.p;
    double cx = p.x(m.fine_linea) - p.x(m.inizio_linea), cy = p.y(m.fine_linea) - p.y(m.inizio_linea);
    if (std::hypot(cx, cy) < 1) {  // a closed line: use the starting heading
        cx = p.x(m.inizio_linea + 1) - p.x(m.inizio_linea);
        cy = p.y(m.inizio_linea + 1) - p.y(m.inizio_linea);
    }
    const double base = std::atan2(cy, cx);
    const double bordo_o = 60, bordo_v = 80;  // room for the labels
    double migliore = -1;
    Estensione scelta;
    for (int k = -18; k <= 18; ++k) {
        const double ang = base + k * (3.14159265358979323846 / 36);
        const Estensione e = estensione(m, std::cos(ang), std::sin(ang));
        const double du = std::max(e.umax - e.umin, 1.0), dv = std::max(e.vmax - e.vmin, 1.0);
        const double scala = std::min((w - 2 * bordo_o) / du, (h - 2 * bordo_v) / dv);
        if (scala > migliore * 1.02) {  // the chord's own turn unless another is clearly better
            migliore = scala;
            m.cos_a = std::cos(ang);
            m.sin_a = std::sin(ang);
            scelta = e;
        }
    }
    m.scala = migliore;
    m.ox = x0 + w / 2 - (scelta.umin + scelta.umax) / 2 * m.scala;
    m.oy = y0 + h / 2 + (scelta.vmin + scelta.vmax) / 2 * m.scala;
}

// The line itself, with its two ends marked.
void disegna_linea(Svg& s, const Disegno& d, const Mappa& m) {
    std::vector<Punto> pt;
    for (std::int32_t i = m.inizio_linea; i <= m.fine_linea; i += m.passo_campione) pt.push_back(m.metro(i));
    pt.push_back(m.metro(m.fine_linea));
    s.vuoto("path", {{"id", "map-line"}, {"d", tracciato_di(semplifica(pt, 0.25)).dati()}, {"fill", "none"},
                     {"stroke", colore::linea}, {"stroke-width", "3"}, {"stroke-linejoin", "round"}});
    const Punto inizio = m.metro(m.inizio_linea);
    const Punto fine = m.metro(m.fine_linea);
    s.vuoto("circle", {{"cx", f(inizio.x)}, {"cy", f(inizio.y)}, {"r", "4"}, {"fill", colore::linea}});
    testo(s, inizio.x - 8, inizio.y + 4, km(m.inizio_linea) + " km", {{"text-anchor", "end"}, {"font-size", "11"}});
    s.vuoto("circle", {{"cx", f(fine.x)}, {"cy", f(fine.y)}, {"r", "4"}, {"fill", colore::linea}});
    testo(s, fine.x + 8, fine.y + 4, km(m.fine_linea) + " km", {{"font-size", "11"}});
    d.occupati.occupa(Riquadro{inizio.x - 8 - larghezza_etichetta(km(m.inizio_linea) + " km", 11, false), inizio.y - 8, inizio.x + 5, inizio.y + 7});
    d.occupati.occupa(Riquadro{fine.x - 5, fine.y - 8, fine.x + 8 + larghezza_etichetta(km(m.fine_linea) + " km", 11, false), fine.y + 7});
}

// Stations and signals are labelled above the line, boards below it; each
// label takes the first free lane, with a leader line to its point, and
// labels that find no room are grouped.
struct Etichetta {
    Punto q;
    std::string classe, titolo, testo, plurale;
    const char* colore;
    double corpo;
    bool grassetto;
    int gruppo;  // 0 stations, 1 text boards, 2 signals (above), 3 speed boards (below)
    std::uint8_t tipo;
};

// Every label of the map within the metres drawn, left to right.
std::vector<Etichetta> etichette(const Disegno& d, const Mappa& m) {
    std::vector<Etichetta> et;
    for (const Oggetto& o : d.oggetti) {
        if (!d.dentro(o.metro) || o.metro > m.fine_linea) continue;
        const Cella& c = d.celle[static_cast<std::size_t>(o.cella)];
        const Punto q = m.punto_a(o.metro);
        if (c.tipo == tipo_cella::cartello) {
            const std::int16_t i = c.valore_1;
            const std::string t = (i >= 0 && i < numero_voci) ? utf8_da_1252(d.voci[static_cast<std::size_t>(i)].nome) : "";
            et.push_back({q, "map-text-board", "text board at " + km(o.metro) + " km: " + t, t, "boards",
                          colore::cartello, 10, false, 1, c.tipo});
        } else if (c.tipo == tipo_cella::indicatore_v_max) {
            const LatiIndicatore a = lati_indicatore(c.valore_1);
            et.push_back({q, "map-speed-board", "speed board at " + km(o.metro) + " km: " + o.parole,
                          n(a.lato_s) + " | " + n(a.lato_d), "boards", colore::indicatore, 10, false, 3, c.tipo});
        } else if (c.tipo == tipo_cella::segnale) {
            et.push_back({q, "map-signal", "signal at " + km(o.metro) + " km (cell " + n(o.cella) + ")",
                          "signal " + km(o.metro), "signals", colore::segnale, 10, false, 2, c.tipo});
        }
    }
    for (const int i : d.classi.stazioni) {
        const Voce& v = d.voci[static_cast<std::size_t>(i)];
        if (!d.dentro(v.posizione)) continue;
        et.push_back({m.punto_a(v.posizione), "map-station",
                      "station " + utf8_da_1252(v.nome) + " at " + km(v.posizione) + " km", utf8_da_1252(v.nome),
                      "stations", colore::stazione, 12, true, 0, tipo_cella::fermata});
    }
    std::stable_sort(et.begin(), et.end(), [](const Etichetta& a, const Etichetta& b) { return a.q.x < b.q.x; });
    return et;
}

// The marker of a label's point: a diamond for a text board, a triangle for
// a speed board, a dot for a signal, a ring for a station.
void segno(Svg& s, const Etichetta& e) {
    s.apri("g", {{"class", e.classe}});
    s.testo("title", {}, e.titolo);
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
    s.chiudi();
}

void disegna_etichette(Svg& s, const Disegno& d, const std::vector<Etichetta>& et) {
    for (const Etichetta& e : et) {
        segno(s, e);
        d.occupati.occupa(Riquadro{e.q.x - 5.5, e.q.y - 5.5, e.q.x + 5.5, e.q.y + 9});
    }
    // Stations first, so that they get the lanes nearest the line.
    const Striscia strisce[4] = {
        {-14, -14, 6, x0 + 4, x0 + w - 4, true},
        {-14, -13, 8, x0 + 4, x0 + w - 4, true},
        {-14, -13, 8, x0 + 4, x0 + w - 4, true},
        {24, 13, 6, x0 + 4, x0 + w - 4, true},
    };
    for (int g = 0; g < 4; ++g) {
        std::vector<Richiesta> r;
        const char* colore = colore::linea;
        std::string classe;
        for (const Etichetta& e : et) {
            if (e.gruppo != g) continue;
            r.push_back({e.q.x, e.q.y, e.testo, e.plurale, e.titolo, e.corpo, e.grassetto});
            colore = e.colore;
            classe = e.classe + "-label";
        }
        disegna_collocate(s, r, colloca(r, strisce[g], d.occupati), colore, classe);
    }
}

// Scale bar, bottom left: the largest 1, 2 or 5 x 10^k metres that spans at
// most a fifth of the map.
void barra_scala(Svg& s, const Disegno& d, const Mappa& m) {
    const double g = w / 5 / m.scala;
    const double p10 = std::pow(10.0, std::floor(std::log10(g)));
    const double metri_barra = (g / p10 >= 5 ? 5 : g / p10 >= 2 ? 2 : 1) * p10;
    const double bx = x0 + 16, by = y0 + h - 16, bw = metri_barra * m.scala;
    d.occupati.occupa(Riquadro{bx - 2, by - 22, bx + std::max(bw, 40.0) + 2, by + 2});
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
    d.occupati.occupa(Riquadro{x0, y0, x0 + 8 + larghezza_etichetta("Map of the line (turned so that it runs left to right)", 13, true), y0 + 24});
    const std::int32_t calcolati = d.plan ? d.plan->calcolati() : 0;
    if (calcolati < 3) {
        testo(s, x0 + w / 2, y0 + h / 2, "no plan: the line was compiled without one",
              {{"text-anchor", "middle"}, {"font-size", "14"}, {"fill", "#777777"}});
        s.chiudi();
        return;
    }
    const PuntiPlanimetria p = d.plan->punti();
    const auto fine_linea = static_cast<std::int32_t>(std::min<double>({d.lunghezza_linea, d.a, calcolati - 1.0}));
    const auto inizio_linea = static_cast<std::int32_t>(std::clamp<double>(d.da, 0, std::max(0, fine_linea - 2)));
    Mappa m{p, inizio_linea, fine_linea, std::max<std::int32_t>(1, (fine_linea - inizio_linea) / 4000)};
    orienta(m);
    disegna_linea(s, d, m);
    barra_scala(s, d, m);
    disegna_etichette(s, d, etichette(d, m));
    s.chiudi();
}

}  // namespace compattatore::cli::plot
