#include "cli/plot_impaginazione.hpp"

#include <cmath>
#include <cstdio>
#include <utility>

namespace compattatore::cli::plot {

std::vector<Punto> semplifica(const std::vector<Punto>& p, double tol) {
    if (p.size() <= 2) return p;
    std::vector<bool> tieni(p.size(), false);
    tieni.front() = tieni.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> pila{{0, p.size() - 1}};
    while (!pila.empty()) {
        const auto [a, b] = pila.back();
        pila.pop_back();
        if (b <= a + 1) continue;
        const double dx = p[b].x - p[a].x, dy = p[b].y - p[a].y;
        const double lung = std::hypot(dx, dy);
        double peggiore = -1;
        std::size_t dove = a;
        for (std::size_t i = a + 1; i < b; ++i) {
            const double dist = lung > 0 ? std::abs(dy * (p[i].x - p[a].x) - dx * (p[i].y - p[a].y)) / lung
                                         : std::hypot(p[i].x - p[a].x, p[i].y - p[a].y);
            if (dist > peggiore) {
                peggiore = dist;
                dove = i;
            }
        }
        if (peggiore > tol) {
            tieni[dove] = true;
            pila.emplace_back(a, dove);
            pila.emplace_back(dove, b);
        }
    }
    std::vector<Punto> r;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (tieni[i]) r.push_back(p[i]);
    }
    return r;
}

Tracciato tracciato_di(const std::vector<Punto>& p) {
    Tracciato t;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (i == 0) t.muovi(p[i].x, p[i].y);
        else t.linea(p[i].x, p[i].y);
    }
    return t;
}

double passo_tondo(double span, int max) {
    if (span <= 0) return 1;
    const double grezzo = span / max;
    const double p = std::pow(10.0, std::floor(std::log10(grezzo)));
    for (const double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * p >= grezzo) return m * p;
    }
    return 10 * p;
}

double larghezza_testo(const std::string& utf8, double corpo) {
    std::size_t caratteri = 0;
    for (const char c : utf8) caratteri += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return static_cast<double>(caratteri) * corpo * 0.6;
}

std::string quanti(std::size_t k, const std::string& cosa) {
    return std::to_string(k) + " " + cosa + (k == 1 ? "" : "s");
}

std::string km(double metri) {
    char buf[32];
    static_cast<void>(std::snprintf(buf, sizeof buf, "%.1f", metri / 1000.0));  // at most 1,007 km: fits
    return buf;
}

void testo(Svg& s, double x, double y, const std::string& t, Attributi extra) {
    Attributi a{{"x", f(x)}, {"y", f(y)}};
    a.insert(a.end(), extra.begin(), extra.end());
    s.testo("text", a, t);
}

void asse_y(Svg& s, const Pannello& pn, double vmin, double vmax, double passo, const std::string& unita,
            const std::string& titolo) {
    s.apri("g", {{"class", "axis"}, {"font-size", "11"}, {"fill", "#444444"}});
    // NOLINTNEXTLINE(cert-flp30-c): a few axis ticks, bounded by vmax; the printed ticks depend on this sum.
    for (double v = std::ceil(vmin / passo) * passo; v <= vmax + 1e-9; v += passo) {
        const double y = pn.y + pn.h - (v - vmin) / (vmax - vmin) * pn.h;
        s.vuoto("line", {{"x1", f(margine_sx)}, {"y1", f(y)}, {"x2", f(margine_sx + largo)}, {"y2", f(y)},
                         {"stroke", colore::griglia}, {"stroke-width", "1"}});
        testo(s, margine_sx - 6, y + 4, f(v), {{"text-anchor", "end"}});
    }
    testo(s, 22, pn.y + pn.h / 2, unita,
          {{"text-anchor", "middle"}, {"transform", "rotate(-90 22 " + f(pn.y + pn.h / 2) + ")"}, {"font-size", "12"}});
    testo(s, margine_sx + 8, pn.y - 8, titolo, {{"font-size", "13"}, {"font-weight", "bold"}, {"fill", "#555555"}});
    s.chiudi();
}

void cornice(Svg& s, const Pannello& pn) {
    s.vuoto("rect", {{"x", f(margine_sx)}, {"y", f(pn.y)}, {"width", f(largo)}, {"height", f(pn.h)}, {"fill", "none"},
                     {"stroke", "#bbbbbb"}});
}

void oltre_la_linea(Svg& s, const Disegno& d, double y, double h) {
    const double x = d.X(d.lunghezza_linea);
    if (x >= margine_sx + largo) return;
    s.vuoto("rect", {{"class", "beyond-line"}, {"x", f(x)}, {"y", f(y)}, {"width", f(margine_sx + largo - x)},
                     {"height", f(h)}, {"fill", colore::oltre}});
}

void disegna_collocate(Svg& s, const std::vector<Richiesta>& r, const std::vector<Collocata>& c, const char* colore,
                       const std::string& classe) {
    for (const Collocata& k : c) {
        if (!k.scritta) continue;
        const Richiesta& q = r[k.prima];
        const bool gruppo = k.ultima > k.prima;
        s.apri("g", {{"class", gruppo ? classe + " label-group" : classe}});
        std::string titolo;
        for (std::size_t i = k.prima; i <= k.ultima; ++i) titolo += (i > k.prima ? "\n" : "") + r[i].titolo;
        s.testo("title", {}, titolo);
        if (k.guida && !gruppo) {
            const double gx = std::clamp(q.x, k.box.x0 + 1.5, k.box.x1 - 1.5);
            const double gy = q.y > k.box.y1 ? k.box.y1 : k.box.y0;
            s.vuoto("line", {{"x1", f(q.x)}, {"y1", f(q.y)}, {"x2", f(gx)}, {"y2", f(gy)}, {"stroke", colore},
                             {"stroke-width", "0.8"}, {"stroke-opacity", "0.6"}});
        }
        Attributi a{{"class", "label"}, {"font-size", f(q.corpo)}, {"fill", colore}};
        if (q.grassetto) a.push_back({"font-weight", "bold"});
        if (gruppo) a.push_back({"font-style", "italic"});
        testo(s, k.x, k.y, k.testo, a);
        s.chiudi();
    }
}

}  // namespace compattatore::cli::plot
