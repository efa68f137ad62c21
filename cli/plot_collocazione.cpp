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

int Occupati::da_(double x) const { return static_cast<int>(std::floor(std::max(x, 0.0) / secchio)); }

bool Occupati::libero(const Riquadro& r) const {
    const int a = da_(r.x0), b = da_(r.x1);
    for (int i = a; i <= b && i < static_cast<int>(secchi_.size()); ++i) {
        for (const Riquadro& q : secchi_[static_cast<std::size_t>(i)]) {
            if (q.tocca(r)) return false;
        }
    }
    return true;
}

void Occupati::occupa(const Riquadro& r) {
    const int b = da_(r.x1);
    if (b >= static_cast<int>(secchi_.size())) secchi_.resize(static_cast<std::size_t>(b) + 1);
    for (int i = da_(r.x0); i <= b; ++i) secchi_[static_cast<std::size_t>(i)].push_back(r);
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
