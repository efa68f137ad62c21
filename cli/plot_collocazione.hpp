// The placement of labels: every label of a drawing is given a box that
// overlaps no other label, no marker and no leader line. A label is tried
// in its strip's lanes, centred on its point, right of it and left of it;
// when no lane has room it joins a group, drawn as one label ("3 boards")
// with every member in its tooltip. A group that finds no room either keeps
// its members' markers and tooltips and draws no text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace compattatore::cli::plot {

struct Riquadro {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool tocca(const Riquadro& r) const { return x0 < r.x1 && r.x0 < x1 && y0 < r.y1 && r.y0 < y1; }
};

// The width of a UTF-8 label as a browser's sans-serif face draws it, on the
// wide side: capitals and bold are counted wider than lower case.
double larghezza_etichetta(const std::string& utf8, double corpo, bool grassetto);

// The boxes already taken in one drawing, in a grid of cells so that a
// query looks at the boxes near it only. Boxes beyond the grid's reach fall
// into its edge cells: still found, only slower.
class Occupati {
public:
    bool libero(const Riquadro& r) const;
    void occupa(const Riquadro& r);

private:
    static constexpr double lato_x = 48, lato_y = 24;  // px of a cell
    static constexpr double x_min = -400, y_min = -400;
    static constexpr int colonne = 48, righe = 80;     // to 1904 x 1520 px
    std::vector<std::vector<Riquadro>> celle_ =
        std::vector<std::vector<Riquadro>>(static_cast<std::size_t>(colonne) * static_cast<std::size_t>(righe));
    // The cell of the grid at column i, row j (both already clamped to the grid).
    std::size_t indice(int i, int j) const {
        return static_cast<std::size_t>(j) * static_cast<std::size_t>(colonne) + static_cast<std::size_t>(i);
    }
    static int colonna(double x);
    static int riga(double y);
};

// A strip of lanes for labels: lane k has its baseline at base + k x passo
// (passo < 0 stacks the lanes upward), between the x limits.
struct Striscia {
    double base = 0;
    double passo = 0;
    int corsie = 1;
    double x_min = 0, x_max = 0;
    bool relativa = false;  // base counts from each request's own y
};

struct Richiesta {
    double x = 0;        // the point labelled
    double y = 0;        // where its leader line starts; no leader when = the lane
    std::string testo;   // UTF-8
    std::string gruppo;  // the plural noun of a group of these, "boards"
    std::string titolo;  // the tooltip of the member
    double corpo = 10;
    bool grassetto = false;
};

struct Collocata {
    std::size_t prima = 0, ultima = 0;  // the requests it stands for (one, or a group)
    bool scritta = false;               // false: a group with no room for its text
    std::string testo;
    double x = 0, y = 0;                // the text's start and baseline
    Riquadro box;
    bool guida = false;                 // a leader line from the point to the label
};

// Places the requests (sorted by x) in the strip, taking the boxes from and
// into occupati; the markers of the requests must already be in occupati.
std::vector<Collocata> colloca(const std::vector<Richiesta>& r, const Striscia& s, Occupati& occupati);

}  // namespace compattatore::cli::plot
