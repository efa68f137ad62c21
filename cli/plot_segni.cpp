// The kilometre axis shared by the profiles, the guides through them, and
// the panel of stations, signals and code points.
#include <cmath>

#include "cli/plot_pannelli.hpp"
#include "cli/testo.hpp"

namespace compattatore::cli::plot {

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

namespace {

// The rows of the panel.
constexpr double r_staz = segni.y + 24, r_seg = segni.y + 62, r_cod = segni.y + 86;

void stazioni(Svg& s, const Disegno& d) {
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
}

// Signals with their kilometre where it fits; code points as diamonds, hollow
// for a zero-code cut.
void segnali_e_codici(Svg& s, const Disegno& d) {
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

}  // namespace

void disegna_segni(Svg& s, const Disegno& d) {
    cornice(s, segni);
    testo(s, margine_sx + 8, segni.y - 8, "Stations, signals and code points",
          {{"font-size", "13"}, {"font-weight", "bold"}, {"fill", "#555555"}});
    testo(s, margine_sx - 6, r_staz + 4, "stations", {{"text-anchor", "end"}, {"font-size", "11"}, {"fill", "#444444"}});
    testo(s, margine_sx - 6, r_seg + 4, "signals", {{"text-anchor", "end"}, {"font-size", "11"}, {"fill", "#444444"}});
    testo(s, margine_sx - 6, r_cod + 4, "code points", {{"text-anchor", "end"}, {"font-size", "11"}, {"fill", "#444444"}});
    stazioni(s, d);
    segnali_e_codici(s, d);
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

}  // namespace compattatore::cli::plot
