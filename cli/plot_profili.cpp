// The profile panels: elevation integrated from the gradients with the
// gradient band under it, and the speed limit with the slowdowns and their
// warning boards.
#include <algorithm>
#include <cmath>

#include "cli/plot_pannelli.hpp"

namespace compattatore::cli::plot {

namespace {

// The runs of one member over the cells drawn, cut to the metres drawn.
struct Tratto {
    double xa, xb;
    int valore;
    std::int64_t prima;
};
std::vector<Tratto> tratti_di(const Disegno& d, std::uint8_t Cella::*membro) {
    std::vector<Tratto> r;
    for (const Corsa& c : corse(d.celle, membro)) {
        const double ma = static_cast<double>(c.prima) * metri_cella, mb = static_cast<double>(c.ultima + 1) * metri_cella;
        if (mb <= d.da || ma >= d.a) continue;
        r.push_back({d.X(std::max(ma, d.da)), d.X(std::min(mb, d.a)), c.valore, c.prima});
    }
    return r;
}

}  // namespace

void disegna_quota(Svg& s, const Disegno& d) {
    const std::vector<double> e = quote(d.celle);
    const std::size_t i0 = std::min(d.cella_da(), e.size() - 1), i1 = std::min(d.cella_a() + 1, e.size() - 1);
    double emin = *std::min_element(e.begin() + static_cast<std::ptrdiff_t>(i0), e.begin() + static_cast<std::ptrdiff_t>(i1) + 1);
    double emax = *std::max_element(e.begin() + static_cast<std::ptrdiff_t>(i0), e.begin() + static_cast<std::ptrdiff_t>(i1) + 1);
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
    for (std::size_t i = i0; i <= i1; ++i) {
        const double m = std::clamp(static_cast<double>(i) * metri_cella, d.da, d.a);
        pt.push_back(Punto{d.X(m), Y(e[i])});
    }
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
    for (const Tratto& c : tratti_di(d, &Cella::pendenza)) {
        const int g = c.valore == 0 ? 0 : c.valore - 100;
        const char* fondo = c.valore == 0 ? "#ffffff" : g > 0 ? "#f4c7a1" : g < 0 ? "#b9d7ee" : "#eeeeee";
        s.vuoto("rect", {{"x", f(c.xa)}, {"y", f(banda_y)}, {"width", f(std::max(c.xb - c.xa, 0.5))}, {"height", f(banda_h)},
                         {"fill", fondo}, {"stroke", c.xb - c.xa > 3 ? "#ffffff" : "none"}, {"stroke-width", "0.5"}});
        const std::string t = std::string(g > 0 ? "+" : "").append(n(g)).append("\u2030");
        if (c.valore != 0 && c.xb - c.xa >= larghezza_etichetta(t, 10, false) + 4) {
            testo(s, (c.xa + c.xb) / 2, banda_y + 13, t, {{"text-anchor", "middle"}, {"class", "label"}});
        }
    }
    s.chiudi();
}

namespace {

void rallentamenti_e_avvisi(Svg& s, const Disegno& d, double alto) {
    auto Y = [&](double v) { return velocita.y + velocita.h - v / alto * velocita.h; };
    std::vector<Richiesta> richieste;
    std::vector<std::string> classi;
    // Slowdowns: shaded spans from the start mark to the end mark.
    for (const Rallentamento& r : rallentamenti(d.celle)) {
        const double ma = metro_di(tipo_cella::inizio_rallentamento, r.inizio);
        const double mb = metro_di(tipo_cella::fine_rallentamento, r.fine);
        if (mb < d.da || ma > d.a) continue;
        const double xa = d.X(std::max(ma, d.da));
        const double xb = std::max(d.X(std::min(mb, d.a)), xa + 3);
        const std::string titolo = "slowdown " + n(r.velocita) + " km/h from " + km(ma) + " km to " + km(mb) + " km";
        s.apri("g", {{"class", "slowdown"}});
        s.testo("title", {}, titolo);
        s.vuoto("rect", {{"x", f(xa)}, {"y", f(velocita.y)}, {"width", f(xb - xa)}, {"height", f(velocita.h)},
                         {"fill", colore::rallentamento}, {"fill-opacity", "0.28"}});
        s.vuoto("line", {{"x1", f(xa)}, {"y1", f(Y(r.velocita))}, {"x2", f(xb)}, {"y2", f(Y(r.velocita))},
                         {"stroke", colore::rallentamento}, {"stroke-width", "2"}, {"stroke-dasharray", "4 2"}});
        s.chiudi();
        richieste.push_back({(xa + xb) / 2, velocita.y + 12, n(r.velocita) + " km/h", "slowdowns", titolo, 10, false});
    }
    // Warning boards: a red triangle at the top of the panel.
    for (const Oggetto& o : d.oggetti) {
        const Cella& c = d.celle[static_cast<std::size_t>(o.cella)];
        if (c.tipo != tipo_cella::avviso_rallentamento || !d.dentro(o.metro)) continue;
        const double x = d.X(o.metro), y = velocita.y + 4;
        s.apri("g", {{"class", "slowdown-warning"}});
        s.testo("title", {}, "slowdown warning board at " + km(o.metro) + " km: " + n(c.valore_1) + " km/h");
        s.vuoto("path", {{"d", Tracciato().muovi(x, y + 9).linea(x - 5, y).linea(x + 5, y).chiudi().dati()},
                         {"fill", colore::avviso}});
        s.chiudi();
        d.occupati.occupa(Riquadro{x - 5, y, x + 5, y + 9});
    }
    std::stable_sort(richieste.begin(), richieste.end(), [](const Richiesta& a, const Richiesta& b) { return a.x < b.x; });
    const Striscia st{velocita.y + 26, 12, 3, margine_sx + 2, margine_sx + largo - 2};
    disegna_collocate(s, richieste, colloca(richieste, st, d.occupati), "#a85d00", "slowdown-label");
}

}  // namespace

void disegna_velocita(Svg& s, const Disegno& d) {
    int vmax = 0;
    for (const Cella& c : d.celle) vmax = std::max(vmax, c.velocita_limite * 5);
    for (const Rallentamento& r : rallentamenti(d.celle)) vmax = std::max(vmax, r.velocita);
    const double passo = passo_tondo(vmax + 10, 5);
    const double alto = std::max(2 * passo, std::ceil((vmax + 40) / passo) * passo);
    auto Y = [&](double v) { return velocita.y + velocita.h - v / alto * velocita.h; };

    oltre_la_linea(s, d, velocita.y, velocita.h);
    asse_y(s, velocita, 0, alto, passo, "speed (km/h)", "Speed limit, slowdowns and their warning boards (km/h)");
    // The limit as a step line; cells without a limit break it.
    Tracciato t;
    std::vector<Richiesta> valori;
    for (const Tratto& c : tratti_di(d, &Cella::velocita_limite)) {
        if (c.valore == 0) continue;
        const double y = Y(c.valore * 5);
        const bool attacca = !t.vuoto() && c.prima > 0 && d.celle[static_cast<std::size_t>(c.prima - 1)].velocita_limite != 0;
        if (attacca) t.linea(c.xa, y);
        else t.muovi(c.xa, y);
        t.linea(c.xb, y);
        const std::string v = n(std::int64_t{c.valore} * 5) + " km/h";
        if (c.xb - c.xa >= larghezza_etichetta(v, 10, false) + 6) {
            testo(s, (c.xa + c.xb) / 2, y - 5, v,
                  {{"text-anchor", "middle"}, {"font-size", "10"}, {"fill", colore::velocita}, {"class", "label"}});
            const double lw = larghezza_etichetta(v, 10, false);
            d.occupati.occupa(Riquadro{(c.xa + c.xb) / 2 - lw / 2, y - 15, (c.xa + c.xb) / 2 + lw / 2, y - 2});
        }
    }
    s.vuoto("path", {{"id", "speed-limit"}, {"d", t.dati()}, {"fill", "none"}, {"stroke", colore::velocita},
                     {"stroke-width", "2.5"}});
    rallentamenti_e_avvisi(s, d, alto);
    cornice(s, velocita);
}

}  // namespace compattatore::cli::plot
