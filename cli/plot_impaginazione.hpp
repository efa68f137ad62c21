// The layout of the scenario drawing: the page, the panels one under the
// other on a shared kilometre axis, the colours, and the helpers every panel
// draws with (scales, label lanes, polyline simplification, texts).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/plot_collocazione.hpp"
#include "cli/significato.hpp"
#include "cli/svg.hpp"
#include "model/cella.hpp"
#include "model/planimetria.hpp"
#include "model/voce.hpp"

namespace compattatore::cli::plot {

inline std::string n(std::int64_t v) { return std::to_string(v); }
inline std::string f(double v) { return numero_svg(v); }

inline constexpr double larghezza = 1400;
inline constexpr double altezza = 1200;
inline constexpr double margine_sx = 90;
inline constexpr double margine_dx = 40;
inline constexpr double largo = larghezza - margine_sx - margine_dx;

struct Pannello {
    double y;  // top
    double h;  // height
};
inline constexpr Pannello mappa{60, 330};
inline constexpr Pannello quota{440, 150};
inline constexpr double banda_y = 597;  // gradient band under the elevation
inline constexpr double banda_h = 18;
inline constexpr Pannello velocita{640, 150};
inline constexpr Pannello tratti{820, 66};  // mountain zones, cab signalling, progressives
inline constexpr Pannello segni{912, 152};
inline constexpr double legenda_y = 1128;

namespace colore {
inline constexpr const char* linea = "#333333";
inline constexpr const char* stazione = "#1f5fbf";
inline constexpr const char* segnale = "#c62828";
inline constexpr const char* cartello = "#7b1fa2";
inline constexpr const char* indicatore = "#2e7d32";
inline constexpr const char* quota = "#6d4c41";
inline constexpr const char* quota_area = "#e8ddd5";
inline constexpr const char* velocita = "#00838f";
inline constexpr const char* rallentamento = "#fb8c00";
inline constexpr const char* codice = "#37474f";
inline constexpr const char* griglia = "#dddddd";
inline constexpr const char* oltre = "#f2f2f2";
inline constexpr const char* montagna = "#8d6e63";
inline constexpr const char* ripetizione = "#5e35b1";
inline constexpr const char* progressiva = "#00695c";
inline constexpr const char* avviso = "#b71c1c";
}  // namespace colore

struct Punto {
    double x = 0, y = 0;
};


// Keeps the points needed to stay within tol of the polyline (Douglas-Peucker
// on an explicit stack): a long straight or an even gradient becomes its two
// ends, a curve keeps as many points as the drawing resolves.
std::vector<Punto> semplifica(const std::vector<Punto>& p, double tol);

Tracciato tracciato_di(const std::vector<Punto>& p);

// A step of 1, 2 or 5 times a power of ten that cuts span into at most max parts.
double passo_tondo(double span, int max);

// What every panel draws from; X is the shared kilometre axis, over the
// metres da to a of the track.
struct Disegno {
    const Planimetria* plan;
    const Voci& voci;
    const std::vector<Cella>& celle;
    double metri_totali;  // the whole track: cells x 50
    double lunghezza_linea;
    Classi classi;
    std::vector<Oggetto> oggetti;
    double da = 0, a = 1;  // the metres drawn
    mutable Occupati occupati{};  // the boxes taken by labels and markers, as the panels draw

    double X(double metro) const { return margine_sx + (metro - da) / (a - da) * largo; }
    bool dentro(double metro) const { return metro >= da && metro <= a; }
    // The cells whose span meets the metres drawn.
    std::size_t cella_da() const { return static_cast<std::size_t>(std::max(0.0, std::floor(da / metri_cella))); }
    std::size_t cella_a() const {
        return std::min(celle.size() - 1, static_cast<std::size_t>(std::max(0.0, std::ceil(a / metri_cella))));
    }
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
double larghezza_testo(const std::string& utf8, double corpo);

// "1 station", "2 stations".
std::string quanti(std::size_t k, const std::string& cosa);

// Metres as kilometres with one decimal.
std::string km(double metri);

// A text element at (x, y) with extra attributes.
void testo(Svg& s, double x, double y, const std::string& t, Attributi extra = {});

// The frame of a profile panel.
void cornice(Svg& s, const Pannello& pn);

// The shading of a panel beyond the end of the line, from y, h high.
void oltre_la_linea(Svg& s, const Disegno& d, double y, double h);

// The value axis of a profile panel, with its grid, unit and title.
void asse_y(Svg& s, const Pannello& pn, double vmin, double vmax, double passo, const std::string& unita,
            const std::string& titolo);

// The labels placed by colloca: each text (class "label") in its colour,
// with its leader line; a group's text carries every member's tooltip.
void disegna_collocate(Svg& s, const std::vector<Richiesta>& r, const std::vector<Collocata>& c, const char* colore,
                       const std::string& classe);

}  // namespace compattatore::cli::plot
