// The legend under the panels.
#include <functional>

#include "cli/plot_pannelli.hpp"

namespace compattatore::cli::plot {

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

}  // namespace compattatore::cli::plot
