// The profile panels: elevation integrated from the gradients with the
// gradient band under it, and the speed limit with the slowdowns.
#include <algorithm>
#include <cmath>

#include "cli/plot_pannelli.hpp"

namespace compattatore::cli::plot {

void disegna_quota(Svg& s, const Disegno& d) {
    const std::vector<double> e = quote(d.celle);
    double emin = *std::min_element(e.begin(), e.end());
    double emax = *std::max_element(e.begin(), e.end());
    if (emax - emin < 20) {
        const double c = (emax + emin) / 2;
        emin = c - 10;
        emax = c + 10;
    }
    const double passo = passo_tondo(emax - emin, 5);
    emin = std::floor(emin / passo) * passo;
    emax = std::ceil(emax / passo) * passo;
    auto Y = [&](double v) { return quota.y + quota.h - (v - emin) / (emax - emin) * quota.h; };

    oltre_la_linea(s, d, quota.y, quota.h);
    asse_y(s, quota, emin, emax, passo, "elevation (m)", "Elevation from the gradients, relative to the start (m)");
    std::vector<Punto> pt;
    for (std::size_t i = 0; i < e.size(); ++i) pt.push_back(Punto{d.X(static_cast<double>(i) * metri_cella), Y(e[i])});
    const std::vector<Punto> ps = semplifica(pt, 0.2);
    Tracciato area = tracciato_di(ps);
    area.linea(ps.back().x, quota.y + quota.h).linea(ps.front().x, quota.y + quota.h).chiudi();
    s.vuoto("path", {{"d", area.dati()}, {"fill", colore::quota_area}, {"stroke", "none"}});
    s.vuoto("path", {{"id", "elevation"}, {"d", tracciato_di(ps).dati()}, {"fill", "none"}, {"stroke", colore::quota},
                     {"stroke-width", "2"}});
    cornice(s, quota);

    // Gradient band: one box per run, with its value where it fits.
    s.apri("g", {{"id", "gradients"}, {"font-size", "10"}});
    testo(s, margine_sx - 6, banda_y + 13, "\u2030", {{"text-anchor", "end"}, {"font-size", "11"}, {"fill", "#444444"}});
    for (const Corsa& c : corse(d.celle, &Cella::pendenza)) {
        const double xa = d.X(static_cast<double>(c.prima) * metri_cella);
        const double xb = d.X(static_cast<double>(c.ultima + 1) * metri_cella);
        const int g = c.valore == 0 ? 0 : c.valore - 100;
        const char* fondo = c.valore == 0 ? "#ffffff" : g > 0 ? "#f4c7a1" : g < 0 ? "#b9d7ee" : "#eeeeee";
        s.vuoto("rect", {{"x", f(xa)}, {"y", f(banda_y)}, {"width", f(std::max(xb - xa, 0.5))}, {"height", f(banda_h)},
                         {"fill", fondo}, {"stroke", "#ffffff"}, {"stroke-width", "0.5"}});
        if (c.valore != 0 && xb - xa >= 22) {
            testo(s, (xa + xb) / 2, banda_y + 13, (g > 0 ? "+" : "") + n(g), {{"text-anchor", "middle"}});
        }
    }
    s.chiudi();
}

void disegna_velocita(Svg& s, const Disegno& d) {
    int vmax = 0;
    for (const Cella& c : d.celle) vmax = std::max(vmax, c.velocita_limite * 5);
    for (const Rallentamento& r : rallentamenti(d.celle)) vmax = std::max(vmax, r.velocita);
    const double passo = passo_tondo(vmax + 10, 5);
    const double alto = std::max(2 * passo, std::ceil((vmax + 10) / passo) * passo);
    auto Y = [&](double v) { return velocita.y + velocita.h - v / alto * velocita.h; };

    oltre_la_linea(s, d, velocita.y, velocita.h);
    asse_y(s, velocita, 0, alto, passo, "speed (km/h)", "Speed limit and slowdowns (km/h)");
    // Slowdowns: shaded spans from the start mark to the end mark.
    for (const Rallentamento& r : rallentamenti(d.celle)) {
        const double xa = d.X(static_cast<double>(metro_di(tipo_cella::inizio_rallentamento, r.inizio)));
        const double xb = std::max(d.X(static_cast<double>(metro_di(tipo_cella::fine_rallentamento, r.fine))), xa + 3);
        s.apri("g", {{"class", "slowdown"}});
        s.testo("title", {}, "slowdown " + n(r.velocita) + " km/h from " + km(metro_di(3, r.inizio)) + " km to " +
                                 km(metro_di(2, r.fine)) + " km");
        s.vuoto("rect", {{"x", f(xa)}, {"y", f(velocita.y)}, {"width", f(xb - xa)}, {"height", f(velocita.h)},
                         {"fill", colore::rallentamento}, {"fill-opacity", "0.28"}});
        s.vuoto("line", {{"x1", f(xa)}, {"y1", f(Y(r.velocita))}, {"x2", f(xb)}, {"y2", f(Y(r.velocita))},
                         {"stroke", colore::rallentamento}, {"stroke-width", "2"}, {"stroke-dasharray", "4 2"}});
        testo(s, (xa + xb) / 2, Y(r.velocita) - 5, n(r.velocita) + " km/h",
              {{"text-anchor", "middle"}, {"font-size", "10"}, {"fill", "#a85d00"}});
        s.chiudi();
    }
    // The limit as a step line; cells without a limit break it.
    Tracciato t;
    for (const Corsa& c : corse(d.celle, &Cella::velocita_limite)) {
        if (c.valore == 0) continue;
        const double xa = d.X(static_cast<double>(c.prima) * metri_cella);
        const double xb = d.X(static_cast<double>(c.ultima + 1) * metri_cella);
        const double y = Y(c.valore * 5);
        const bool attacca = !t.vuoto() && c.prima > 0 && d.celle[static_cast<std::size_t>(c.prima - 1)].velocita_limite != 0;
        if (attacca) t.linea(xa, y);
        else t.muovi(xa, y);
        t.linea(xb, y);
        if (xb - xa >= 40) {
            testo(s, (xa + xb) / 2, y - 5, n(std::int64_t{c.valore} * 5),
                  {{"text-anchor", "middle"}, {"font-size", "10"}, {"fill", colore::velocita}});
        }
    }
    s.vuoto("path", {{"id", "speed-limit"}, {"d", t.dati()}, {"fill", "none"}, {"stroke", colore::velocita},
                     {"stroke-width", "2.5"}});
    cornice(s, velocita);
}

}  // namespace compattatore::cli::plot
