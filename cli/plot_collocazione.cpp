#include "cli/plot_collocazione.hpp"

#include <algorithm>
#include <cmath>

namespace compattatore::cli::plot {

double larghezza_etichetta(const std::string& utf8, double corpo, bool grassetto) {
    double em = 0;
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if ((u & 0xC0) == 0x80) continue;  // continuation byte
        if (u >= 'A' && u <= 'Z') em += 0.74;
        else if (u >= 'a' && u <= 'z') em += u == 'm' || u == 'w' ? 0.9 : 0.6;
        else if (u >= '0' && u <= '9') em += 0.64;
        else if (u == ' ' || u == '.' || u == ',' || u == ':' || u == '|' || u == '\'' || u == '/') em += 0.36;
        else em += 0.8;
    }
    return em * corpo * (grassetto ? 1.12 : 1.0) + 2;
}

int Occupati::colonna(double x) {
    return static_cast<int>(std::clamp(std::floor((x - x_min) / lato_x), 0.0, static_cast<double>(colonne - 1)));
}
int Occupati::riga(double y) {
    return static_cast<int>(std::clamp(std::floor((y - y_min) / lato_y), 0.0, static_cast<double>(righe - 1)));
}

bool Occupati::libero(const Riquadro& r) const {
    for (int i = colonna(r.x0); i <= colonna(r.x1); ++i) {
        for (int j = riga(r.y0); j <= riga(r.y1); ++j) {
            for (const Riquadro& q : celle_[indice(i, j)]) {
                if (q.tocca(r)) return false;
            }
        }
    }
    return true;
}

void Occupati::occupa(const Riquadro& r) {
    for (int i = colonna(r.x0); i <= colonna(r.x1); ++i) {
        for (int j = riga(r.y0); j <= riga(r.y1); ++j) celle_[indice(i, j)].push_back(r);
    }
}

namespace {

constexpr double margine = 1.5;  // clear space around a label
constexpr double segno = 10;     // the leader starts this far from its point, clear of the point's marker

// The box of a leader line from the point at height y to the near edge of box.
Riquadro tratto_guida(double gx, double y, const Riquadro& box) {
    if (y > box.y1) return Riquadro{gx - 0.5, box.y1, gx + 0.5, y - segno};
    return Riquadro{gx - 0.5, y + segno, gx + 0.5, box.y0};
}

// The first place in the strip where a label of width lw for the point x
// clears every box taken; false when none does.
bool trova(const Striscia& s, const Occupati& o, double x, double y_punto, double lw, double corpo, Collocata& c) {
    const double inizi[3] = {x - lw / 2, x + 5, x - 5 - lw};
    for (int k = 0; k < s.corsie; ++k) {
        const double y = (s.relativa ? y_punto : 0) + s.base + s.passo * k;
        for (const double grezzo : inizi) {
            const double lx = std::clamp(grezzo, s.x_min, s.x_max - lw);
            if (lx < s.x_min - 0.01) continue;  // wider than the strip
            const Riquadro box{lx - margine, y - corpo * 0.86 - margine, lx + lw + margine, y + corpo * 0.26 + margine};
            if (!o.libero(box)) continue;
            // The leader runs from the point to the near edge of the box.
            const bool sopra = y_punto > box.y1;
            const bool guida = sopra || y_punto < box.y0;
            const double gx = std::clamp(x, lx, lx + lw);
            if (guida) {
                const Riquadro g = tratto_guida(gx, y_punto, box);
                if (g.y1 > g.y0 && !o.libero(g)) continue;
            }
            c.x = lx;
            c.y = y;
            c.box = box;
            c.guida = guida;
            return true;
        }
    }
    return false;
}

void prendi(const Collocata& c, double x, double y_punto, Occupati& o) {
    o.occupa(c.box);
    if (!c.guida) return;
    const Riquadro g = tratto_guida(std::clamp(x, c.box.x0, c.box.x1), y_punto, c.box);
    if (g.y1 > g.y0) o.occupa(g);
}

}  // namespace

std::vector<Collocata> colloca(const std::vector<Richiesta>& r, const Striscia& s, Occupati& o) {
    std::vector<Collocata> fatte;
    std::size_t i = 0;
    while (i < r.size()) {
        Collocata c;
        c.prima = c.ultima = i;
        const double lw = larghezza_etichetta(r[i].testo, r[i].corpo, r[i].grassetto);
        if (trova(s, o, r[i].x, r[i].y, lw, r[i].corpo, c)) {
            c.scritta = true;
            c.testo = r[i].testo;
            prendi(c, r[i].x, r[i].y, o);
            fatte.push_back(c);
            ++i;
            continue;
        }
        // No room: a group from i that grows to the right until its label fits
        // at the middle of its members.
        bool messa = false;
        for (std::size_t j = i + 1; j <= r.size() && !messa; ++j) {
            const std::size_t ultima = j - 1;
            if (ultima == i) continue;
            const std::string t = std::to_string(j - i) + " " + r[i].gruppo;
            const double gx = (r[i].x + r[ultima].x) / 2;
            const double glw = larghezza_etichetta(t, r[i].corpo, r[i].grassetto);
            Collocata g;
            if (trova(s, o, gx, s.relativa ? r[i].y : s.base, glw, r[i].corpo, g)) {
                g.prima = i;
                g.ultima = ultima;
                g.scritta = true;
                g.testo = t;
                g.guida = false;
                o.occupa(g.box);
                fatte.push_back(g);
                i = j;
                messa = true;
            }
            if (j - i > 200) break;  // a group this large is the whole view: stop growing
        }
        if (!messa) {
            c.scritta = false;  // a lone request, its tooltip on its marker only
            fatte.push_back(c);
            ++i;
        }
    }
    return fatte;
}

}  // namespace compattatore::cli::plot
