// The legend under the panels: every kind the drawing shows, with its unit.
#include <functional>

#include "cli/plot_pannelli.hpp"

namespace compattatore::cli::plot {

void legenda(Svg& s, const Disegno&) {
    s.apri("g", {{"id", "legend"}, {"font-size", "11"}, {"fill", "#333333"}});
    double x = margine_sx;
    double y = legenda_y;
    auto voce = [&](const std::string& etichetta, const std::function<void(double, double)>& simbolo) {
        const double lw = 30 + larghezza_etichetta(etichetta, 11, false) + 12;
        if (x + lw > margine_sx + largo) {
            x = margine_sx;
            y += 22;
        }
        simbolo(x, y);
        testo(s, x + 26, y + 4, etichetta, {{"class", "label"}});
        x += lw;
    };
    auto tratto = [&](const char* c, double w, const char* trattini) {
        return [=, &s](double x0, double y0) {
            Attributi a{{"x1", f(x0)}, {"y1", f(y0)}, {"x2", f(x0 + 20)}, {"y2", f(y0)}, {"stroke", c}, {"stroke-width", f(w)}};
            if (trattini) a.push_back({"stroke-dasharray", trattini});
            s.vuoto("line", a);
        };
    };
    auto riquadro = [&](const char* c, const char* opacita) {
        return [=, &s](double x0, double y0) {
            s.vuoto("rect", {{"x", f(x0)}, {"y", f(y0 - 7)}, {"width", "20"}, {"height", "14"}, {"fill", c},
                             {"fill-opacity", opacita}, {"stroke", "#cccccc"}});
        };
    };
    auto diamante = [&](const char* c, const char* fondo) {
        return [=, &s](double x0, double y0) {
            s.vuoto("rect", {{"x", f(x0 + 6.5)}, {"y", f(y0 - 3.5)}, {"width", "7"}, {"height", "7"}, {"fill", fondo},
                             {"stroke", c}, {"transform", "rotate(45 " + f(x0 + 10) + " " + f(y0) + ")"}});
        };
    };
    auto triangolo = [&](const char* c, bool giu) {
        return [=, &s](double x0, double y0) {
            const double a = giu ? -5 : 5;
            s.vuoto("path", {{"d", Tracciato().muovi(x0 + 10, y0 - a).linea(x0 + 5, y0 + a).linea(x0 + 15, y0 + a).chiudi().dati()},
                             {"fill", c}});
        };
    };
    voce("line (map)", tratto(colore::linea, 3, nullptr));
    voce("beyond the end of the line", riquadro(colore::oltre, "1"));
    voce("station (map ring, panel triangle; arrival hh:mm:ss)", [&](double x0, double y0) {
        s.vuoto("circle", {{"cx", f(x0 + 10)}, {"cy", f(y0)}, {"r", "5"}, {"fill", "white"}, {"stroke", colore::stazione},
                           {"stroke-width", "2.5"}});
    });
    voce("signal (km)", [&](double x0, double y0) {
        s.vuoto("circle", {{"cx", f(x0 + 10)}, {"cy", f(y0)}, {"r", "4"}, {"fill", colore::segnale}});
    });
    voce("text board", diamante(colore::cartello, colore::cartello));
    voce("speed board, side s | side d (km/h)", triangolo(colore::indicatore, false));
    voce("elevation (m)", tratto(colore::quota, 2, nullptr));
    voce("gradient up / down (\u2030)", [&](double x0, double y0) {
        s.vuoto("rect", {{"x", f(x0)}, {"y", f(y0 - 7)}, {"width", "10"}, {"height", "14"}, {"fill", "#f4c7a1"}});
        s.vuoto("rect", {{"x", f(x0 + 10)}, {"y", f(y0 - 7)}, {"width", "10"}, {"height", "14"}, {"fill", "#b9d7ee"}});
    });
    voce("speed limit (km/h)", tratto(colore::velocita, 2.5, nullptr));
    voce("slowdown (km/h)", riquadro(colore::rallentamento, "0.28"));
    voce("slowdown warning board (km/h)", triangolo(colore::avviso, true));
    voce("mountain zone (type)", riquadro(colore::montagna, "1"));
    voce("cab-signal repetition (codes)", riquadro(colore::ripetizione, "1"));
    voce("kilometric progressive", tratto(colore::progressiva, 2, nullptr));
    voce("code point / without value", diamante(colore::codice, colore::codice));
    voce("N boards: a group, detail in its tooltip", [&](double x0, double y0) {
        testo(s, x0, y0 + 4, "N", {{"font-style", "italic"}, {"class", "label"}});
    });
    s.chiudi();
}

}  // namespace compattatore::cli::plot
