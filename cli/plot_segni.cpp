// The kilometre axis shared by the profiles, the guides through them, and
// the panel of stations, speed boards, signals and code points.
#include <algorithm>
#include <cmath>

#include "cli/plot_pannelli.hpp"
#include "cli/testo.hpp"

namespace compattatore::cli::plot {

void linee_guida(Svg& s, const Disegno& d) {
    // Thin dashed lines through the profiles at stations and signals.
    s.apri("g", {{"id", "guides"}, {"stroke-width", "1"}, {"stroke-dasharray", "3 3"}});
    auto guida = [&](double metro, const char* c) {
        if (!d.dentro(metro)) return;
        const double x = d.X(metro);
        s.vuoto("line", {{"x1", f(x)}, {"y1", f(quota.y)}, {"x2", f(x)}, {"y2", f(segni.y + segni.h)}, {"stroke", c},
                         {"stroke-opacity", "0.4"}});
    };
    if (static_cast<double>(d.classi.stazioni.size()) * 8 <= largo) {
        for (const int i : d.classi.stazioni) guida(d.voci[static_cast<std::size_t>(i)].posizione, colore::stazione);
    }
    // Signals only while they stay apart: a guide every few pixels would hide the profiles.
    std::vector<double> metri;
    for (const Oggetto& o : d.oggetti) {
        if (d.celle[static_cast<std::size_t>(o.cella)].tipo == tipo_cella::segnale && d.dentro(o.metro)) metri.push_back(o.metro);
    }
    if (static_cast<double>(metri.size()) * 20 <= largo) {
        for (const double m : metri) guida(m, colore::segnale);
    }
    s.chiudi();
}

namespace {

// The rows of the panel.
constexpr double r_staz = segni.y + 32, r_ind = segni.y + 66, r_seg = segni.y + 100, r_cod = segni.y + 140;
constexpr double limite_sx = margine_sx + 2, limite_dx = margine_sx + largo - 2;

bool per_x(const Richiesta& a, const Richiesta& b) { return a.x < b.x; }

void stazioni(Svg& s, const Disegno& d) {
    std::vector<Richiesta> r;
    for (const int i : d.classi.stazioni) {
        const Voce& v = d.voci[static_cast<std::size_t>(i)];
        if (!d.dentro(v.posizione)) continue;
        const double x = d.X(v.posizione);
        const std::string titolo = "station " + n(i) + " " + utf8_da_1252(v.nome) + ": position " + n(v.posizione) +
                                   " m, zone " + n(v.inizio) + " m to " + n(v.fine) + " m, " + ora(v.orario);
        s.apri("g", {{"class", "station-marker"}});
        s.testo("title", {}, titolo);
        s.vuoto("path", {{"d", Tracciato().muovi(x, r_staz - 6).linea(x - 6, r_staz + 5).linea(x + 6, r_staz + 5).chiudi().dati()},
                         {"fill", colore::stazione}});
        s.chiudi();
        d.occupati.occupa(Riquadro{x - 6, r_staz - 6, x + 6, r_staz + 5});
        r.push_back({x, r_staz, utf8_da_1252(v.nome) + " " + ora(v.orario), "stations", titolo, 11, false});
    }
    std::stable_sort(r.begin(), r.end(), per_x);
    disegna_collocate(s, r, colloca(r, Striscia{r_staz - 12, 30, 2, limite_sx, limite_dx}, d.occupati),
                      colore::stazione, "station-label");
}

// A speed board's two sides: "60 | 70 km/h" (side s | side d).
std::string lati(const Cella& c) {
    const LatiIndicatore a = lati_indicatore(c.valore_1);
    return n(a.lato_s) + " | " + n(a.lato_d) + " km/h";
}

void indicatori(Svg& s, const Disegno& d) {
    std::vector<Richiesta> r;
    for (const Oggetto& o : d.oggetti) {
        const Cella& c = d.celle[static_cast<std::size_t>(o.cella)];
        if (c.tipo != tipo_cella::indicatore_v_max || !d.dentro(o.metro)) continue;
        const double x = d.X(o.metro);
        const std::string titolo = "speed board at " + km(o.metro) + " km: " + o.parole;
        s.apri("g", {{"class", "speed-board-marker"}});
        s.testo("title", {}, titolo);
        s.vuoto("path", {{"d", Tracciato().muovi(x, r_ind - 5).linea(x - 4.5, r_ind + 4).linea(x + 4.5, r_ind + 4).chiudi().dati()},
                         {"fill", colore::indicatore}});
        s.chiudi();
        d.occupati.occupa(Riquadro{x - 4.5, r_ind - 5, x + 4.5, r_ind + 4});
        r.push_back({x, r_ind, lati(c), "boards", titolo, 10, false});
    }
    std::stable_sort(r.begin(), r.end(), per_x);
    disegna_collocate(s, r, colloca(r, Striscia{r_ind + 4, 14, 2, limite_sx, limite_dx}, d.occupati),
                      colore::indicatore, "speed-board-label");
}

// Signals with their kilometre where it fits; code points as diamonds, hollow
// for a zero-code cut.
void segnali_e_codici(Svg& s, const Disegno& d) {
    std::vector<Richiesta> r;
    for (const Oggetto& o : d.oggetti) {
        const Cella& c = d.celle[static_cast<std::size_t>(o.cella)];
        if (!d.dentro(o.metro)) continue;
        const double x = d.X(o.metro);
        if (c.tipo == tipo_cella::segnale) {
            const std::string titolo = "signal at " + km(o.metro) + " km (cell " + n(o.cella) + "): " + o.parole;
            s.apri("g", {{"class", "signal-marker"}});
            s.testo("title", {}, titolo);
            s.vuoto("line", {{"x1", f(x)}, {"y1", f(r_seg + 8)}, {"x2", f(x)}, {"y2", f(r_seg - 4)},
                             {"stroke", colore::segnale}, {"stroke-width", "1.5"}});
            s.vuoto("circle", {{"cx", f(x)}, {"cy", f(r_seg - 7)}, {"r", "4"}, {"fill", colore::segnale}});
            s.chiudi();
            d.occupati.occupa(Riquadro{x - 4, r_seg - 11, x + 4, r_seg + 8});
            r.push_back({x, r_seg, km(o.metro) + " km", "signals", titolo, 10, false});
        } else if (c.tipo == tipo_cella::punto_codice || c.tipo == tipo_cella::abbattimento_zero) {
            s.apri("g", {{"class", "code-point-marker"}});
            s.testo("title", {}, "code point at " + km(o.metro) + " km (cell " + n(o.cella) + "): " + o.parole);
            s.vuoto("rect", {{"x", f(x - 3)}, {"y", f(r_cod - 3)}, {"width", "6"}, {"height", "6"},
                             {"fill", c.tipo == tipo_cella::punto_codice ? colore::codice : "white"},
                             {"stroke", colore::codice}, {"transform", "rotate(45 " + f(x) + " " + f(r_cod) + ")"}});
            s.chiudi();
            d.occupati.occupa(Riquadro{x - 4.5, r_cod - 4.5, x + 4.5, r_cod + 4.5});
        }
    }
    std::stable_sort(r.begin(), r.end(), per_x);
    disegna_collocate(s, r, colloca(r, Striscia{r_seg + 21, 0, 1, limite_sx, limite_dx}, d.occupati), colore::segnale,
                      "signal-label");
}

}  // namespace

void disegna_segni(Svg& s, const Disegno& d) {
    cornice(s, segni);
    testo(s, margine_sx + 8, segni.y - 8, "Stations (arrival time), speed boards (side s | side d), signals and code points",
          {{"font-size", "13"}, {"font-weight", "bold"}, {"fill", "#555555"}});
    const Attributi a{{"text-anchor", "end"}, {"font-size", "11"}, {"fill", "#444444"}};
    testo(s, margine_sx - 6, r_staz + 4, "stations", a);
    testo(s, margine_sx - 6, r_ind + 4, "boards", a);
    testo(s, margine_sx - 6, r_seg + 4, "signals", a);
    testo(s, margine_sx - 6, r_cod + 4, "code points", a);
    stazioni(s, d);
    indicatori(s, d);
    segnali_e_codici(s, d);
}

void asse_km(Svg& s, const Disegno& d) {
    const double passo = passo_tondo((d.a - d.da) / 1000.0, 16);
    const double y = segni.y + segni.h;
    s.apri("g", {{"id", "km-axis"}, {"font-size", "11"}, {"fill", "#444444"}});
    // NOLINTNEXTLINE(cert-flp30-c): a few kilometre ticks, bounded by the window; the printed ticks depend on this sum.
    for (double k = std::ceil(d.da / 1000.0 / passo - 1e-9) * passo; k * 1000 <= d.a + 1e-6; k += passo) {
        const double x = d.X(k * 1000);
        s.vuoto("line", {{"x1", f(x)}, {"y1", f(quota.y)}, {"x2", f(x)}, {"y2", f(y)}, {"stroke", colore::griglia},
                         {"stroke-width", "0.8"}});
        s.vuoto("line", {{"x1", f(x)}, {"y1", f(y)}, {"x2", f(x)}, {"y2", f(y + 5)}, {"stroke", "#444444"}});
        testo(s, x, y + 18, f(k), {{"text-anchor", "middle"}});
    }
    testo(s, margine_sx + largo / 2, y + 36, "distance from the start of the line (km)",
          {{"text-anchor", "middle"}, {"font-size", "12"}});
    if (d.lunghezza_linea < d.a && d.X(d.a) - d.X(std::max(d.lunghezza_linea, d.da)) > larghezza_etichetta("beyond the end", 10, false) + 6) {
        const double x = d.X(std::max(d.lunghezza_linea, d.da));
        testo(s, (x + margine_sx + largo) / 2, quota.y + 14, "beyond the end",
              {{"text-anchor", "middle"}, {"font-size", "10"}, {"fill", "#888888"}});
    }
    s.chiudi();
}

}  // namespace compattatore::cli::plot
