#include "model/planimetria.hpp"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "model/fuori_tabella.hpp"
#include "model/messaggi.hpp"
#include "model/retta.hpp"

namespace compattatore {

void Planimetria::dimensiona(std::int32_t ultimo) {
    if (ultimo < 1) {
        throw FuoriTabella(Messaggio(messaggi::modello_piano_due_punti));
    }
    svuota();
    ultimo_ = ultimo;
}

void Planimetria::svuota() {
    ultimo_ = -1;
    cancella_disegno(0);
}

void Planimetria::semina() {
    if (ultimo_ < 1) {
        throw FuoriTabella(Messaggio(messaggi::modello_piano_non_dimensionato));
    }
    cancella_disegno(2);
}

void Planimetria::cancella_disegno(std::int32_t calcolati) {
    calcolati_ = calcolati;
    tratti_.clear();
    dati_x_.clear();
    dati_y_.clear();
}

void Planimetria::aggiungi(double x, double y) {
    if (calcolati_ < 2 || calcolati_ > ultimo_) {
        throw FuoriTabella(Messaggio(messaggi::modello_piano_oltre_ultimo_metro));
    }
    if (tratti_.empty() || tratti_.back().tipo != Tratto::Tipo::dati) {
        tratti_.push_back({Tratto::Tipo::dati, calcolati_, calcolati_ - 1, 0, dati_x_.size()});
    }
    dati_x_.push_back(x);
    dati_y_.push_back(y);
    tratti_.back().fino = calcolati_;
    ++calcolati_;
}

void Planimetria::traccia(Tratto::Tipo tipo, std::int32_t ultimo, double k) {
    if (calcolati_ < 2) throw FuoriTabella(Messaggio(messaggi::modello_piano_non_avviato));
    if (ultimo > ultimo_) throw FuoriTabella(Messaggio(messaggi::modello_piano_oltre_ultimo_metro));
    if (ultimo < calcolati_) return;
    // A run that goes on as the last one did extends it (the same k to the
    // bit: -0 and +0 do not turn alike).
    if (!tratti_.empty() && tratti_.back().tipo == tipo &&
        std::bit_cast<std::uint64_t>(tratti_.back().k) == std::bit_cast<std::uint64_t>(k)) {
        tratti_.back().fino = ultimo;
    } else {
        tratti_.push_back({tipo, calcolati_, ultimo, k, 0});
    }
    calcolati_ = ultimo + 1;
}

void Planimetria::dritto_fino(std::int32_t ultimo) { traccia(Tratto::Tipo::dritto, ultimo, 0); }

void Planimetria::curva_fino(std::int32_t ultimo, double k) { traccia(Tratto::Tipo::curva, ultimo, k); }

PuntiPlanimetria Planimetria::punti() const {
    PuntiPlanimetria r;
    r.ultimo = ultimo_;
    r.xs.resize(static_cast<std::size_t>(calcolati_));
    r.ys.resize(static_cast<std::size_t>(calcolati_));
    GeneratorePunti g(*this);
    std::size_t dati = 0;
    while (const std::size_t n = g.prossimi(r.xs.data() + dati, r.ys.data() + dati, r.xs.size() - dati)) dati += n;
    return r;
}

Valore PuntiPlanimetria::elemento(std::int32_t m, int colonna) const {
    if (m < 0 || m > ultimo || colonna < 0 || colonna > 1) {
        throw FuoriTabella(Messaggio(messaggi::modello_piano_elemento_fuori));
    }
    if (m >= calcolati()) {
        return Vuoto{};
    }
    const std::vector<double>& c = colonna == 0 ? xs : ys;
    if (m < 2) {
        return static_cast<std::int16_t>(c[static_cast<std::size_t>(m)]);
    }
    return c[static_cast<std::size_t>(m)];
}

namespace {

// One coordinate of a straight run: written when wanted, else passed over.
void dritto(double& v0, double& v1, double* out, std::size_t n) {
    if (out != nullptr) {
        prosegui_retta(v0, v1, out, n);
    } else {
        salta_retta(v0, v1, n);
    }
}

}  // namespace

std::size_t GeneratorePunti::prossimi(double* x, double* y, std::size_t n) {
    std::size_t dati = 0;
    const auto metti = [](double* colonna, std::size_t i, double v) {
        if (colonna != nullptr) colonna[i] = v;
    };
    // The seed: (0, 0) and (0, 1).
    while (dati < n && m_ < 2 && m_ < p_.calcolati_) {
        x0_ = x1_;
        y0_ = y1_;
        x1_ = 0;
        y1_ = m_ == 0 ? 0 : 1;
        metti(x, dati, x1_);
        metti(y, dati, y1_);
        ++dati;
        ++m_;
    }
    while (dati < n && m_ < p_.calcolati_) {
        while (p_.tratti_.at(tratto_).fino < m_) ++tratto_;  // the runs cover every point from 2 on
        const Planimetria::Tratto& t = p_.tratti_[tratto_];
        const auto quanti = static_cast<std::size_t>(std::min<std::int64_t>(
            static_cast<std::int64_t>(n - dati), static_cast<std::int64_t>(t.fino) - m_ + 1));
        double* xs = x != nullptr ? x + dati : nullptr;
        double* ys = y != nullptr ? y + dati : nullptr;
        switch (t.tipo) {
            case Planimetria::Tratto::Tipo::dritto:
                dritto(x0_, x1_, xs, quanti);
                dritto(y0_, y1_, ys, quanti);
                break;
            case Planimetria::Tratto::Tipo::curva: {
                // The last two points stay in registers; the doubles come out
                // in the order of the formulas.
                const double k = t.k;
                double a0 = x0_, a1 = x1_, b0 = y0_, b1 = y1_;
                for (std::size_t i = 0; i < quanti; ++i) {
                    const double dx = a1 - a0;
                    const double dy = b1 - b0;
                    const double xn = a1 + (dx + k * dy);
                    const double yn = b1 + (dy - k * dx);
                    metti(xs, i, xn);
                    metti(ys, i, yn);
                    a0 = a1;
                    a1 = xn;
                    b0 = b1;
                    b1 = yn;
                }
                x0_ = a0, x1_ = a1, y0_ = b0, y1_ = b1;
                break;
            }
            case Planimetria::Tratto::Tipo::dati: {
                const std::size_t primo = t.primo + static_cast<std::size_t>(m_ - t.da);
                if (primo + quanti > p_.dati_x_.size() || primo + quanti > p_.dati_y_.size()) {
                    throw FuoriTabella(Messaggio(messaggi::modello_piano_punti_oltre_dati));
                }
                const double* dx = p_.dati_x_.data() + primo;
                const double* dy = p_.dati_y_.data() + primo;
                if (xs != nullptr) std::copy_n(dx, quanti, xs);
                if (ys != nullptr) std::copy_n(dy, quanti, ys);
                // The last two points: in this run, or the one before it.
                x0_ = quanti >= 2 ? dx[quanti - 2] : x1_;
                y0_ = quanti >= 2 ? dy[quanti - 2] : y1_;
                x1_ = dx[quanti - 1];
                y1_ = dy[quanti - 1];
                break;
            }
        }
        dati += quanti;
        m_ += static_cast<std::int32_t>(quanti);
    }
    return dati;
}

}  // namespace compattatore
