// The strip of the line's stretches: mountain zones as bands with their
// type, the cab-signal repetition section with its code system, and the
// places where the kilometric progressives change.
#include <algorithm>

#include "cli/plot_pannelli.hpp"

namespace compattatore::cli::plot {

namespace {

constexpr double r_mont = tratti.y + 2, r_rip = tratti.y + 24, r_prog = tratti.y + 46;
constexpr double alto_riga = 18;

const char* colore_montagna(int tipo) {
    static const char* const c[] = {"#d7ccc8", "#bcaaa4", "#a1887f", "#8d6e63", "#795548", "#6d4c41"};
    return c[std::clamp(tipo, 1, 6) - 1];
}

// A band from metre ma to mb in a row, labelled inside where it fits.
void banda(Svg& s, const Disegno& d, double ma, double mb, double y, const char* fondo, const std::string& classe,
           const std::string& titolo, const std::string& etichetta, bool sfondo_scuro) {
    const double xa = d.X(std::max(ma, d.da)), xb = std::max(d.X(std::min(mb, d.a)), xa + 1);
    s.apri("g", {{"class", classe}});
    s.testo("title", {}, titolo);
    s.vuoto("rect", {{"x", f(xa)}, {"y", f(y)}, {"width", f(xb - xa)}, {"height", f(alto_riga)}, {"fill", fondo},
                     {"stroke", "#ffffff"}, {"stroke-width", "0.5"}});
    if (xb - xa >= larghezza_etichetta(etichetta, 10, false) + 4) {
        testo(s, (xa + xb) / 2, y + 13, etichetta,
              {{"class", "label"}, {"text-anchor", "middle"}, {"font-size", "10"}, {"fill", sfondo_scuro ? "#ffffff" : "#3e2723"}});
    }
    s.chiudi();
}

void montagne(Svg& s, const Disegno& d) {
    for (const Corsa& c : corse(d.celle, &Cella::montagna)) {
        if (c.valore == 0) continue;
        const double ma = static_cast<double>(c.prima) * metri_cella, mb = static_cast<double>(c.ultima + 1) * metri_cella;
        if (mb <= d.da || ma >= d.a) continue;
        banda(s, d, ma, mb, r_mont, colore_montagna(c.valore), "mountain-zone",
              "mountain zone of type " + n(c.valore) + " from " + km(ma) + " km to " + km(mb) + " km",
              "type " + n(c.valore), c.valore >= 4);
    }
}

void ripetizione(Svg& s, const Disegno& d) {
    const Voce& v = d.voci[indice_voce::treno];
    if (v.fine <= v.inizio || v.fine < d.da || v.inizio > d.a) return;
    const std::string codici = v.posizione == 0 ? "no code system" : n(v.posizione) + " codes";
    banda(s, d, v.inizio, v.fine, r_rip, colore::ripetizione, "cab-signal-section",
          "cab-signal repetition from " + km(v.inizio) + " km to " + km(v.fine) + " km, " + codici,
          "cab signalling, " + codici, true);
}

void progressive(Svg& s, const Disegno& d) {
    std::vector<Richiesta> r;
    for (int slot = 1; slot <= 3; ++slot) {
        const Voce& v = d.voci[static_cast<std::size_t>(indice_voce::progressiva_tre + slot - 1)];
        if (v.inizio == 0 && v.fine == 0 && v.posizione == 0) continue;
        const double m = v.inizio;
        if (!d.dentro(m)) continue;
        const double x = d.X(m);
        const std::string titolo = "kilometric progressive " + n(slot) + " from " + km(m) + " km: values " +
                                   n(v.inizio) + " m, " + n(v.fine) + " m, " + n(v.posizione);
        s.apri("g", {{"class", "progressive"}});
        s.testo("title", {}, titolo);
        s.vuoto("line", {{"x1", f(x)}, {"y1", f(r_prog)}, {"x2", f(x)}, {"y2", f(r_prog + alto_riga)},
                         {"stroke", colore::progressiva}, {"stroke-width", "2"}});
        s.chiudi();
        d.occupati.occupa(Riquadro{x - 1, r_prog, x + 1, r_prog + alto_riga});
        r.push_back({x, r_prog + 9, "progressive " + n(slot), "progressives", titolo, 10, false});
    }
    std::stable_sort(r.begin(), r.end(), [](const Richiesta& a, const Richiesta& b) { return a.x < b.x; });
    disegna_collocate(s, r, colloca(r, Striscia{r_prog + 13, 0, 1, margine_sx + 2, margine_sx + largo - 2}, d.occupati),
                      colore::progressiva, "progressive-label");
}

}  // namespace

void disegna_tratti(Svg& s, const Disegno& d) {
    s.apri("g", {{"id", "stretches"}});
    oltre_la_linea(s, d, tratti.y, tratti.h);
    cornice(s, tratti);
    testo(s, margine_sx + 8, tratti.y - 8, "Mountain zones, cab signalling and kilometric progressives",
          {{"font-size", "13"}, {"font-weight", "bold"}, {"fill", "#555555"}});
    const Attributi a{{"text-anchor", "end"}, {"font-size", "11"}, {"fill", "#444444"}};
    testo(s, margine_sx - 6, r_mont + 13, "mountain", a);
    testo(s, margine_sx - 6, r_rip + 13, "cab signal", a);
    testo(s, margine_sx - 6, r_prog + 13, "progressive", a);
    montagne(s, d);
    ripetizione(s, d);
    progressive(s, d);
    s.chiudi();
}

}  // namespace compattatore::cli::plot
