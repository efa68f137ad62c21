#include "cli/plot.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <optional>

#include "cli/cli.hpp"
#include "cli/file_scenario.hpp"
#include "cli/nomi.hpp"
#include "cli/rapporto.hpp"
#include "cli/significato.hpp"
#include "cli/svg.hpp"
#include "cli/testo.hpp"
#include "output/compila.hpp"
#include "platform/ambiente_file.hpp"

namespace compattatore::cli {

const char* const aiuto_plot =
    "Usage: compattatore-cli plot LINE TRAIN -o FILE.svg [--route NAME] [--train NUMBER]\n"
    "       compattatore-cli plot --from-files PLAN ENTRY TRACK -o FILE.svg\n"
    "\n"
    "Draws a scenario as one self-contained SVG file: the map of the line with its\n"
    "stations, signals and boards, and under it, on a shared kilometre axis, the\n"
    "elevation from the gradients, the speed limit with the slowdowns, and the\n"
    "stations, signals and code points.\n"
    "\n"
    "The first form compiles the line and train descriptions in memory, as compile\n"
    "does, and writes no file but the SVG; the problems it finds are reported as\n"
    "compile reports them. The second form draws compiled files (checked as\n"
    "inspect checks them).\n"
    "\n"
    "  -o FILE          the SVG file to write (required)\n"
    "  --route NAME     the route name, when LINE is not named ROUTE_linea.txt\n"
    "  --train NUMBER   the train number, when TRAIN is not named ROUTE_NUMBER-.txt\n"
    "  --from-files     draw the plan, entry and track files given\n"
    "\n"
    "Exit status: 0 drawn, 1 drawn from descriptions with problems (or not drawn\n"
    "after a numbered error stop), 2 a usage, file or decoding error.\n";

namespace {

namespace fs = std::filesystem;

std::string n(std::int64_t v) { return std::to_string(v); }
std::string f(double v) { return numero_svg(v); }

// ---- layout ----------------------------------------------------------------

constexpr double larghezza = 1400;
constexpr double altezza = 1040;
constexpr double margine_sx = 90;
constexpr double margine_dx = 40;
constexpr double largo = larghezza - margine_sx - margine_dx;

struct Pannello {
    double y;  // top
    double h;  // height
};
constexpr Pannello mappa{60, 330};
constexpr Pannello quota{440, 160};
constexpr double banda_y = 602;  // gradient band under the elevation
constexpr double banda_h = 18;
constexpr Pannello velocita{660, 160};
constexpr Pannello segni{850, 100};
constexpr double legenda_y = 1012;

namespace colore {
constexpr const char* linea = "#333333";
constexpr const char* stazione = "#1f5fbf";
constexpr const char* segnale = "#c62828";
constexpr const char* cartello = "#7b1fa2";
constexpr const char* indicatore = "#2e7d32";
constexpr const char* quota = "#6d4c41";
constexpr const char* quota_area = "#e8ddd5";
constexpr const char* velocita = "#00838f";
constexpr const char* rallentamento = "#fb8c00";
constexpr const char* codice = "#37474f";
constexpr const char* griglia = "#dddddd";
constexpr const char* oltre = "#f2f2f2";
}  // namespace colore

struct Punto {
    double x = 0, y = 0;
};

// Keeps the points needed to stay within tol of the polyline (Douglas-Peucker
// on an explicit stack): a long straight or an even gradient becomes its two
// ends, a curve keeps as many points as the drawing resolves.
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

// A step of 1, 2 or 5 times a power of ten that cuts span into at most max parts.
double passo_tondo(double span, int max) {
    if (span <= 0) return 1;
    const double grezzo = span / max;
    const double p = std::pow(10.0, std::floor(std::log10(grezzo)));
    for (const double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * p >= grezzo) return m * p;
    }
    return 10 * p;
}

struct Disegno {
    const Planimetria* plan;
    const Voci& voci;
    const std::vector<Cella>& celle;
    double metri_totali;  // the whole track: cells x 50
    double lunghezza_linea;
    Classi classi;
    std::vector<Oggetto> oggetti;

    double X(double metro) const { return margine_sx + metro / metri_totali * largo; }
};

// Horizontal lanes for labels: a label takes the first lane where it clears
// the labels already there; when none is free, the lane that frees first.
class Corsie {
public:
    explicit Corsie(int n) : fine_(static_cast<std::size_t>(n), -1e300) {}
    int prendi(double da, double a) {
        std::size_t scelta = 0;
        for (std::size_t i = 0; i < fine_.size(); ++i) {
            if (da > fine_[i] + 6) {
                scelta = i;
                fine_[i] = a;
                return static_cast<int>(i);
            }
            if (fine_[i] < fine_[scelta]) scelta = i;
        }
        fine_[scelta] = std::max(fine_[scelta], a);
        return static_cast<int>(scelta);
    }
    bool libera(double da) const { return da > fine_[0] + 6; }

private:
    std::vector<double> fine_;
};

// The width of a UTF-8 label in a sans-serif face, estimated.
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

void testo(Svg& s, double x, double y, const std::string& t, Attributi extra = {}) {
    Attributi a{{"x", f(x)}, {"y", f(y)}};
    a.insert(a.end(), extra.begin(), extra.end());
    s.testo("text", a, t);
}

// ---- map -------------------------------------------------------------------

struct Mappa {
    double cos_a = 1, sin_a = 0;  // rotation that puts the start-to-end chord along +x
    double scala = 1;             // pixels per metre
    double ox = 0, oy = 0;        // pixel of the rotated origin
    Punto pixel(double x, double y) const {
        const double u = x * cos_a + y * sin_a;
        const double v = -x * sin_a + y * cos_a;
        return Punto{ox + u * scala, oy - v * scala};
    }
};

void disegna_mappa(Svg& s, const Disegno& d) {
    const double x0 = margine_sx, y0 = mappa.y, w = largo, h = mappa.h;
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
    Mappa m;
    {
        double cx = p.x(fine_linea) - p.x(0), cy = p.y(fine_linea) - p.y(0);
        if (std::hypot(cx, cy) < 1) {  // a closed line: use the starting heading
            cx = p.x(1) - p.x(0);
            cy = p.y(1) - p.y(0);
        }
        const double l = std::hypot(cx, cy);
        m.cos_a = cx / l;
        m.sin_a = cy / l;
    }
    // Extent of the rotated points.
    double umin = 1e300, umax = -1e300, vmin = 1e300, vmax = -1e300;
    const std::int32_t passo_campione = std::max<std::int32_t>(1, fine_linea / 4000);
    for (std::int32_t i = 0; i <= fine_linea; i += passo_campione) {
        const double u = p.x(i) * m.cos_a + p.y(i) * m.sin_a;
        const double v = -p.x(i) * m.sin_a + p.y(i) * m.cos_a;
        umin = std::min(umin, u), umax = std::max(umax, u), vmin = std::min(vmin, v), vmax = std::max(vmax, v);
    }
    const double bordo_o = 90, bordo_v = 80;  // room for the labels
    const double du = std::max(umax - umin, 1.0), dv = std::max(vmax - vmin, 1.0);
    m.scala = std::min((w - 2 * bordo_o) / du, (h - 2 * bordo_v) / dv);
    m.ox = x0 + w / 2 - (umin + umax) / 2 * m.scala;
    m.oy = y0 + h / 2 + (vmin + vmax) / 2 * m.scala;

    auto campiona = [&](std::int32_t da, std::int32_t a) {
        std::vector<Punto> pt;
        for (std::int32_t i = da; i <= a; i += passo_campione) pt.push_back(m.pixel(p.x(i), p.y(i)));
        pt.push_back(m.pixel(p.x(a), p.y(a)));
        return semplifica(pt, 0.25);
    };
    s.vuoto("path", {{"id", "map-line"}, {"d", tracciato_di(campiona(0, fine_linea)).dati()}, {"fill", "none"},
                     {"stroke", colore::linea}, {"stroke-width", "3"}, {"stroke-linejoin", "round"}});
    const Punto inizio = m.pixel(p.x(0), p.y(0));
    const Punto fine = m.pixel(p.x(fine_linea), p.y(fine_linea));
    s.vuoto("circle", {{"cx", f(inizio.x)}, {"cy", f(inizio.y)}, {"r", "4"}, {"fill", colore::linea}});
    testo(s, inizio.x - 8, inizio.y + 4, "0 km", {{"text-anchor", "end"}, {"font-size", "11"}});
    s.vuoto("circle", {{"cx", f(fine.x)}, {"cy", f(fine.y)}, {"r", "4"}, {"fill", colore::linea}});
    testo(s, fine.x + 8, fine.y + 4, km(d.lunghezza_linea) + " km", {{"font-size", "11"}});

    auto punto_a = [&](double metro) {
        const auto i = static_cast<std::int32_t>(std::clamp<double>(metro, 0, fine_linea));
        return m.pixel(p.x(i), p.y(i));
    };
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
    std::vector<Etichetta> et;
    for (const Oggetto& o : d.oggetti) {
        const Cella& c = d.celle[static_cast<std::size_t>(o.cella)];
        const Punto q = punto_a(o.metro);
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
        et.push_back({punto_a(v.posizione), "map-station",
                      "station " + utf8_da_1252(v.nome) + " at " + km(v.posizione) + " km", utf8_da_1252(v.nome),
                      colore::stazione, 12, true, 0, tipo_cella::fermata});
    }
    std::stable_sort(et.begin(), et.end(), [](const Etichetta& a, const Etichetta& b) { return a.q.x < b.q.x; });
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
        Attributi a{{"font-size", f(e.corpo)}, {"fill", e.colore}};
        if (e.grassetto) a.push_back({"font-weight", "bold"});
        testo(s, lx, ly, e.testo, a);
        s.chiudi();
    }
    // Scale bar, bottom left.
    double metri_barra = 1;
    {
        // The largest 1, 2 or 5 x 10^k that spans at most a fifth of the map.
        const double g = w / 5 / m.scala;
        const double p10 = std::pow(10.0, std::floor(std::log10(g)));
        metri_barra = (g / p10 >= 5 ? 5 : g / p10 >= 2 ? 2 : 1) * p10;
    }
    const double bx = x0 + 16, by = y0 + h - 16, bw = metri_barra * m.scala;
    s.apri("g", {{"id", "map-scale"}});
    s.vuoto("path", {{"d", Tracciato().muovi(bx, by - 5).linea(bx, by).linea(bx + bw, by).linea(bx + bw, by - 5).dati()},
                     {"fill", "none"}, {"stroke", "#333333"}, {"stroke-width", "1.5"}});
    testo(s, bx + bw / 2, by - 8,
          metri_barra >= 1000 ? f(metri_barra / 1000) + " km" : f(metri_barra) + " m",
          {{"text-anchor", "middle"}, {"font-size", "11"}});
    s.chiudi();
    s.chiudi();
}

// ---- profiles --------------------------------------------------------------

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

void linee_guida(Svg& s, const Disegno& d) {
    // Thin dashed lines through the profiles at stations and signals.
    s.apri("g", {{"id", "guides"}, {"stroke-width", "1"}, {"stroke-dasharray", "3 3"}});
    for (const int i : d.classi.stazioni) {
        const double x = d.X(d.voci[static_cast<std::size_t>(i)].posizione);
        s.vuoto("line", {{"x1", f(x)}, {"y1", f(quota.y)}, {"x2", f(x)}, {"y2", f(segni.y + segni.h)},
                         {"stroke", colore::stazione}, {"stroke-opacity", "0.5"}});
    }
    for (const Oggetto& o : d.oggetti) {
        if (d.celle[static_cast<std::size_t>(o.cella)].tipo != tipo_cella::segnale) continue;
        const double x = d.X(o.metro);
        s.vuoto("line", {{"x1", f(x)}, {"y1", f(quota.y)}, {"x2", f(x)}, {"y2", f(segni.y + segni.h)},
                         {"stroke", colore::segnale}, {"stroke-opacity", "0.5"}});
    }
    s.chiudi();
}

void disegna_segni(Svg& s, const Disegno& d) {
    cornice(s, segni);
    testo(s, margine_sx + 8, segni.y - 8, "Stations, signals and code points",
          {{"font-size", "13"}, {"font-weight", "bold"}, {"fill", "#555555"}});
    const double r_staz = segni.y + 24, r_seg = segni.y + 62, r_cod = segni.y + 86;
    testo(s, margine_sx - 6, r_staz + 4, "stations", {{"text-anchor", "end"}, {"font-size", "11"}, {"fill", "#444444"}});
    testo(s, margine_sx - 6, r_seg + 4, "signals", {{"text-anchor", "end"}, {"font-size", "11"}, {"fill", "#444444"}});
    testo(s, margine_sx - 6, r_cod + 4, "code points", {{"text-anchor", "end"}, {"font-size", "11"}, {"fill", "#444444"}});
    // Station labels right of the marker (left of it near the right edge), in
    // two lanes above and below the markers.
    Corsie corsie(2);
    for (const int i : d.classi.stazioni) {
        const Voce& v = d.voci[static_cast<std::size_t>(i)];
        const double x = d.X(v.posizione);
        const std::string etichetta = utf8_da_1252(v.nome) + " " + ora(v.orario);
        const double lw = larghezza_testo(etichetta, 11);
        const bool a_sinistra = x + 9 + lw > margine_sx + largo - 4;
        const double lx = a_sinistra ? x - 9 - lw : x + 9;
        const int corsia = corsie.prendi(lx, lx + lw);
        s.apri("g", {{"class", "station-marker"}});
        s.testo("title", {}, "station " + n(i) + " " + utf8_da_1252(v.nome) + ": position " + n(v.posizione) +
                                 " m, zone " + n(v.inizio) + " to " + n(v.fine) + " m, " + ora(v.orario));
        s.vuoto("path", {{"d", Tracciato().muovi(x, r_staz - 6).linea(x - 6, r_staz + 5).linea(x + 6, r_staz + 5).chiudi().dati()},
                         {"fill", colore::stazione}});
        testo(s, lx, r_staz + (corsia == 0 ? -4 : 14), etichetta, {{"font-size", "11"}, {"fill", colore::stazione}});
        s.chiudi();
    }
    Corsie corsia_segnali(1);
    for (const Oggetto& o : d.oggetti) {
        const Cella& c = d.celle[static_cast<std::size_t>(o.cella)];
        const double x = d.X(o.metro);
        if (c.tipo == tipo_cella::segnale) {
            s.apri("g", {{"class", "signal-marker"}});
            s.testo("title", {}, "cell " + n(o.cella) + " (" + n(o.metro) + " m): " + o.parole);
            s.vuoto("line", {{"x1", f(x)}, {"y1", f(r_seg + 8)}, {"x2", f(x)}, {"y2", f(r_seg - 4)},
                             {"stroke", colore::segnale}, {"stroke-width", "1.5"}});
            s.vuoto("circle", {{"cx", f(x)}, {"cy", f(r_seg - 7)}, {"r", "4"}, {"fill", colore::segnale}});
            const std::string etichetta = km(o.metro) + " km";
            if (corsia_segnali.libera(x + 7)) {
                corsia_segnali.prendi(x + 7, x + 7 + larghezza_testo(etichetta, 10));
                testo(s, x + 7, r_seg + 4, etichetta, {{"font-size", "10"}, {"fill", colore::segnale}});
            }
            s.chiudi();
        } else if (c.tipo == tipo_cella::punto_codice || c.tipo == tipo_cella::abbattimento_zero) {
            s.apri("g", {{"class", "code-point-marker"}});
            s.testo("title", {}, "cell " + n(o.cella) + " (" + n(o.metro) + " m): " + o.parole);
            s.vuoto("rect", {{"x", f(x - 3)}, {"y", f(r_cod - 3)}, {"width", "6"}, {"height", "6"},
                             {"fill", c.tipo == tipo_cella::punto_codice ? colore::codice : "white"},
                             {"stroke", colore::codice}, {"transform", "rotate(45 " + f(x) + " " + f(r_cod) + ")"}});
            s.chiudi();
        }
    }
}

void asse_km(Svg& s, const Disegno& d) {
    const double passo = passo_tondo(d.metri_totali / 1000.0, 20);
    const double y = segni.y + segni.h;
    s.apri("g", {{"id", "km-axis"}, {"font-size", "11"}, {"fill", "#444444"}});
    // NOLINTNEXTLINE(cert-flp30-c): a few kilometre ticks, bounded by the line; the printed ticks depend on this sum.
    for (double k = 0; k * 1000 <= d.metri_totali + 1e-6; k += passo) {
        const double x = d.X(k * 1000);
        s.vuoto("line", {{"x1", f(x)}, {"y1", f(quota.y)}, {"x2", f(x)}, {"y2", f(y)}, {"stroke", colore::griglia},
                         {"stroke-width", "0.8"}});
        s.vuoto("line", {{"x1", f(x)}, {"y1", f(y)}, {"x2", f(x)}, {"y2", f(y + 5)}, {"stroke", "#444444"}});
        testo(s, x, y + 18, f(k), {{"text-anchor", "middle"}});
    }
    testo(s, margine_sx + largo / 2, y + 36, "distance from the start of the line (km)",
          {{"text-anchor", "middle"}, {"font-size", "12"}});
    if (d.lunghezza_linea < d.metri_totali) {
        const double x = d.X(d.lunghezza_linea);
        testo(s, (x + margine_sx + largo) / 2, quota.y + 14, "beyond the end",
              {{"text-anchor", "middle"}, {"font-size", "10"}, {"fill", "#888888"}});
    }
    s.chiudi();
}

void legenda(Svg& s) {
    s.apri("g", {{"id", "legend"}, {"font-size", "11"}, {"fill", "#333333"}});
    double x = margine_sx;
    const double y = legenda_y;
    auto voce = [&](const std::string& etichetta, const std::function<void(double)>& simbolo) {
        simbolo(x);
        testo(s, x + 26, y + 4, etichetta);
        x += 34 + 6.3 * static_cast<double>(etichetta.size());
    };
    auto tratto = [&](const char* c, double w, const char* trattini) {
        return [=, &s](double x0) {
            Attributi a{{"x1", f(x0)}, {"y1", f(y)}, {"x2", f(x0 + 20)}, {"y2", f(y)}, {"stroke", c}, {"stroke-width", f(w)}};
            if (trattini) a.push_back({"stroke-dasharray", trattini});
            s.vuoto("line", a);
        };
    };
    voce("line", tratto(colore::linea, 3, nullptr));
    voce("beyond the end of the line", [&](double x0) {
        s.vuoto("rect", {{"x", f(x0)}, {"y", f(y - 7)}, {"width", "20"}, {"height", "14"}, {"fill", colore::oltre},
                         {"stroke", "#cccccc"}});
    });
    voce("station", [&](double x0) {
        s.vuoto("circle", {{"cx", f(x0 + 10)}, {"cy", f(y)}, {"r", "5"}, {"fill", "white"}, {"stroke", colore::stazione},
                           {"stroke-width", "2.5"}});
    });
    voce("signal", [&](double x0) { s.vuoto("circle", {{"cx", f(x0 + 10)}, {"cy", f(y)}, {"r", "4"}, {"fill", colore::segnale}}); });
    voce("text board", [&](double x0) {
        s.vuoto("rect", {{"x", f(x0 + 6.5)}, {"y", f(y - 3.5)}, {"width", "7"}, {"height", "7"}, {"fill", colore::cartello},
                         {"transform", "rotate(45 " + f(x0 + 10) + " " + f(y) + ")"}});
    });
    voce("speed board", [&](double x0) {
        s.vuoto("path", {{"d", Tracciato().muovi(x0 + 10, y - 5).linea(x0 + 5, y + 4).linea(x0 + 15, y + 4).chiudi().dati()},
                         {"fill", colore::indicatore}});
    });
    voce("elevation", tratto(colore::quota, 2, nullptr));
    voce("speed limit", tratto(colore::velocita, 2.5, nullptr));
    voce("slowdown", [&](double x0) {
        s.vuoto("rect", {{"x", f(x0)}, {"y", f(y - 7)}, {"width", "20"}, {"height", "14"}, {"fill", colore::rallentamento},
                         {"fill-opacity", "0.28"}});
    });
    voce("code point", [&](double x0) {
        s.vuoto("rect", {{"x", f(x0 + 7)}, {"y", f(y - 3)}, {"width", "6"}, {"height", "6"}, {"fill", colore::codice},
                         {"transform", "rotate(45 " + f(x0 + 10) + " " + f(y) + ")"}});
    });
    voce("gradient up / down (\u2030)", [&](double x0) {
        s.vuoto("rect", {{"x", f(x0)}, {"y", f(y - 7)}, {"width", "10"}, {"height", "14"}, {"fill", "#f4c7a1"}});
        s.vuoto("rect", {{"x", f(x0 + 10)}, {"y", f(y - 7)}, {"width", "10"}, {"height", "14"}, {"fill", "#b9d7ee"}});
    });
    s.chiudi();
}

}  // namespace

std::string disegna_scenario(const Planimetria* planimetria, const Voci& voci, const std::vector<Cella>& percorso) {
    const double totali = std::max<double>(static_cast<double>(percorso.size()) * metri_cella, metri_cella);
    double linea = voci[indice_voce::parametri_treno].fine;
    if (linea <= 0 || linea > totali) linea = std::max(0.0, totali - 7000);
    Disegno d{planimetria, voci, percorso, totali, linea, classifica(voci), oggetti(percorso, &voci)};

    std::size_t n_segnali = 0;
    for (const Oggetto& o : d.oggetti) n_segnali += o.genere == "signal";

    Svg s(larghezza, altezza);
    s.vuoto("rect", {{"width", "100%"}, {"height", "100%"}, {"fill", "white"}});
    const std::string percorso_nome = utf8_da_1252(voci[indice_voce::linea].nome);
    const std::string treno = utf8_da_1252(voci[indice_voce::treno].nome);
    s.testo("title", {}, percorso_nome + ", train " + treno);
    testo(s, margine_sx, 32, percorso_nome + " \u2014 train " + treno, {{"font-size", "20"}, {"font-weight", "bold"}});
    testo(s, margine_sx + largo, 32,
          km(linea) + " km of line, " + quanti(d.classi.stazioni.size(), "station") + ", " +
              quanti(n_segnali, "signal") + ", " + quanti(d.classi.cartelli.size(), "text board"),
          {{"text-anchor", "end"}, {"font-size", "13"}, {"fill", "#555555"}});
    disegna_mappa(s, d);
    disegna_quota(s, d);
    disegna_velocita(s, d);
    asse_km(s, d);
    linee_guida(s, d);
    disegna_segni(s, d);
    legenda(s);
    return s.finisci();
}

namespace {

struct Richiesta {
    std::vector<std::string> posizionali;
    std::optional<std::string> uscita;
    std::optional<std::string> percorso;
    std::optional<std::string> treno;
    bool da_file = false;
};

class Uso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Richiesta analizza_plot(const std::vector<std::string>& a) {
    Richiesta r;
    for (std::size_t i = 1; i < a.size(); ++i) {
        const std::string& x = a[i];
        auto valore = [&](const char* nome) {
            if (i + 1 >= a.size()) throw Uso(std::string(nome) + " needs a value");
            return a[++i];
        };
        if (x == "-o") r.uscita = valore("-o");
        else if (x == "--route") r.percorso = valore("--route");
        else if (x == "--train") r.treno = valore("--train");
        else if (x == "--from-files") r.da_file = true;
        else if (x.size() > 1 && x[0] == '-') throw Uso("unknown option " + x);
        else r.posizionali.push_back(x);
    }
    if (!r.uscita) throw Uso("plot needs -o FILE.svg");
    if (r.da_file && r.posizionali.size() != 3) throw Uso("plot --from-files needs PLAN, ENTRY and TRACK");
    if (!r.da_file && r.posizionali.size() != 2) throw Uso("plot needs LINE and TRAIN");
    if (r.da_file && (r.percorso || r.treno)) throw Uso("--route and --train go with LINE and TRAIN, not --from-files");
    return r;
}

void scrivi_svg(const fs::path& p, const std::string& svg) {
    sostituisci_file(p, [&](Uscita& u) { u.scrivi(svg.data(), svg.size()); });
}

std::string leggi_descrizione(const fs::path& p) {
    std::optional<std::string> t = leggi_file(p);
    if (!t) throw FileIllegibile(p.string() + ": no such file");
    return std::move(*t);
}

int da_descrizioni(const Richiesta& r, std::ostream& err) {
    const fs::path linea_p = r.posizionali[0];
    const fs::path treno_p = r.posizionali[1];
    std::string percorso_nome;
    if (r.percorso) percorso_nome = *r.percorso;
    else if (auto p = percorso_da_linea(linea_p.filename().string())) percorso_nome = *p;
    else throw Uso("cannot tell the route name from " + linea_p.string() + " (not named ROUTE_linea.txt): give --route");
    std::string treno;
    if (r.treno) treno = *r.treno;
    else if (auto t = treno_da_descrizione(treno_p.filename().string(), percorso_nome)) treno = *t;
    else throw Uso("cannot tell the train number from " + treno_p.string() + " (not named " + percorso_nome +
                   "_NUMBER-.txt): give --train");

    const std::string linea_testo = leggi_descrizione(linea_p);
    const std::string treno_testo = leggi_descrizione(treno_p);
    Scenario s;
    s.nome_percorso = percorso_nome;
    s.numero_treno = treno;
    const EsitoCompilazione esito = compila(s, 1, Descrizioni{linea_testo, treno_testo});

    Rapporto rapporto;
    rapporto.percorso_linea = linea_p.string();
    rapporto.percorso_treno = treno_p.string();
    rapporto.diagnostiche = s.diagnostiche;
    rapporto.codice_errore = numero(s.codice_errore);
    rapporto.posizione_errore = s.posizione_errore;
    rapporto.arresto = numero(esito.arresto);
    for (const Diagnostica& d : s.diagnostiche) rapporto.rifiutato = rapporto.rifiutato || !d.avviso();
    stampa_testo(rapporto, err);
    if (esito.arresto != Stato::nessuno || esito.percorso_assente) {
        err << "compattatore-cli: nothing to draw\n";
        return esito_rifiutato;
    }
    scrivi_svg(*r.uscita, disegna_scenario(&s.planimetria, s.voci, s.percorso));
    return rapporto.rifiutato ? esito_rifiutato : esito_pulito;
}

int da_file(const Richiesta& r) {
    const fs::path plan_p = r.posizionali[0];
    const fs::path voci_p = r.posizionali[1];
    const fs::path percorso_p = r.posizionali[2];
    const Planimetria plan = carica_planimetria(plan_p);
    const Voci voci = carica_voci(voci_p);
    const std::vector<Cella> celle =
        carica_percorso(percorso_p, NomiGara{voci[indice_voce::linea].nome, voci[indice_voce::treno].nome});
    scrivi_svg(*r.uscita, disegna_scenario(&plan, voci, celle));
    return esito_pulito;
}

}  // namespace

int comando_plot(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (a[i] == "--help" || a[i] == "-h") {
            out << aiuto_plot;
            return esito_pulito;
        }
    }
    try {
        const Richiesta r = analizza_plot(a);
        return r.da_file ? da_file(r) : da_descrizioni(r, err);
    } catch (const Uso& e) {
        err << "compattatore-cli: " << e.what() << "\nTry 'compattatore-cli plot --help'.\n";
        return esito_uso;
    } catch (const std::exception& e) {
        err << "compattatore-cli: " << e.what() << '\n';
        return esito_uso;
    }
}

}  // namespace compattatore::cli
