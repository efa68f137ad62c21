#include "cli/significato.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cli/testo.hpp"

namespace compattatore::cli {

namespace {

std::string n(std::int64_t v) { return std::to_string(v); }

std::int64_t div_giu(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

std::string virgolette(const std::string& t1252) {
    std::string t(1, '"');
    t += utf8_da_1252(t1252);
    t += '"';
    return t;
}

// The name of entry i, when there is a table and the index lies in it.
std::string nome_voce(const Voci* voci, std::int64_t i) {
    if (voci == nullptr || i < 0 || i >= numero_voci) return "";
    return (*voci)[static_cast<std::size_t>(i)].nome;
}

std::string cifre_segnale(std::int16_t v) {
    // 10 x s + d for one aspect pair.
    if (v >= 0 && v < 100) return n(v / 10) + "/" + n(v % 10);
    std::string t(1, '(');
    t += n(v);
    t += ')';
    return t;
}

std::string parole(const Cella& c, const Voci* voci) {
    switch (c.tipo) {
        case tipo_cella::segnale: {
            std::string t = "signal, aspects " + cifre_segnale(c.valore_1) + ", " + cifre_segnale(c.valore_2) + ", " +
                            cifre_segnale(c.valore_3);
            if (c.valore_4 >= 0 && c.valore_4 % 10 < 9) {
                const int r = c.valore_4 % 10;
                t += ", sx " + n(r / 3) + " dx " + n(r % 3) + " rapp " + n(c.valore_4 / 10);
            } else {
                t += ", arrangement " + n(c.valore_4);
            }
            return t + ", time " + n(c.tempo_segnale);
        }
        case tipo_cella::fine_rallentamento:
        case tipo_cella::inizio_rallentamento:
        case tipo_cella::avviso_rallentamento: {
            std::string t = c.tipo == tipo_cella::fine_rallentamento     ? "slowdown end, "
                            : c.tipo == tipo_cella::inizio_rallentamento ? "slowdown start, "
                                                                           : "slowdown warning board, ";
            t += n(c.valore_1) + " km/h";
            if (c.valore_2 != 0) t += ", d_v " + n(c.valore_2);
            if (c.tipo != tipo_cella::avviso_rallentamento) t += ", f_tt " + n(c.valore_3);
            return t;
        }
        case tipo_cella::prima_avviso:
            return "before a slowdown warning board, " + n(c.valore_1) + " of 4";
        case tipo_cella::indicatore_v_max: {
            const LatiIndicatore a = lati_indicatore(c.valore_1);
            const LatiIndicatore b = lati_indicatore(c.valore_2);
            const LatiIndicatore k = lati_indicatore(c.valore_3);
            return "speed board, side s " + n(a.lato_s) + "/" + n(b.lato_s) + "/" + n(k.lato_s) + " km/h, side d " +
                   n(a.lato_d) + "/" + n(b.lato_d) + "/" + n(k.lato_d) + " km/h, stripes " + n(c.valore_4 / 10) +
                   "/" + n(c.valore_4 % 10);
        }
        case tipo_cella::fermata: {
            const std::string nome = nome_voce(voci, c.valore_1);
            return "station stop of station " + n(c.valore_1) + (nome.empty() ? "" : " " + virgolette(nome));
        }
        case tipo_cella::segnale_montagna: return "mountain-zone marker";
        case tipo_cella::punto_codice: return "code point " + n(c.valore_1);
        case tipo_cella::abbattimento_zero: return "code point without value";
        case tipo_cella::cartello: {
            const std::string nome = nome_voce(voci, c.valore_1);
            return "text board" + (nome.empty() ? "" : " " + virgolette(nome)) + " (entry " + n(c.valore_1) + ")";
        }
        default:
            return "unknown cell type " + n(c.tipo) + ", values " + n(c.valore_1) + " " + n(c.valore_2) + " " +
                   n(c.valore_3) + " " + n(c.valore_4);
    }
}

}  // namespace

std::vector<Corsa> corse(const std::vector<Cella>& percorso, std::uint8_t Cella::*membro) {
    std::vector<Corsa> r;
    for (std::size_t i = 0; i < percorso.size(); ++i) {
        const int v = percorso[i].*membro;
        const auto c = static_cast<std::int64_t>(i);
        if (!r.empty() && r.back().valore == v && r.back().ultima == c - 1) {
            r.back().ultima = c;
        } else {
            r.push_back(Corsa{c, c, v});
        }
    }
    return r;
}

std::string genere_di(std::uint8_t tipo) {
    switch (tipo) {
        case tipo_cella::segnale: return "signal";
        case tipo_cella::fine_rallentamento: return "slowdown-end";
        case tipo_cella::inizio_rallentamento: return "slowdown-start";
        case tipo_cella::avviso_rallentamento: return "slowdown-warning";
        case tipo_cella::prima_avviso: return "before-warning";
        case tipo_cella::indicatore_v_max: return "speed-board";
        case tipo_cella::fermata: return "station-stop";
        case tipo_cella::segnale_montagna: return "mountain-marker";
        case tipo_cella::punto_codice: return "code-point";
        case tipo_cella::abbattimento_zero: return "code-point-zero";
        case tipo_cella::cartello: return "text-board";
        default: return "unknown";
    }
}

std::vector<Oggetto> oggetti(const std::vector<Cella>& percorso, const Voci* voci) {
    std::vector<Oggetto> r;
    for (std::size_t i = 0; i < percorso.size(); ++i) {
        const Cella& c = percorso[i];
        if (c.tipo == 0 && c.preavviso == 0) continue;
        const auto indice = static_cast<std::int64_t>(i);
        Oggetto o;
        o.cella = indice;
        if (c.tipo != 0) {
            o.metro = metro_di(c.tipo, indice);
            o.genere = genere_di(c.tipo);
            o.parole = parole(c, voci);
            if (c.preavviso != 0) o.parole += "; approach mark " + n(c.preavviso);
        } else {
            o.metro = metro_di(0, indice);
            o.genere = "approach-mark";
            o.parole = "approach mark " + n(c.preavviso);
        }
        r.push_back(std::move(o));
    }
    return r;
}

std::string ora(std::int64_t secondi) {
    const bool negativo = secondi < 0;
    const std::int64_t s = negativo ? -secondi : secondi;
    char buf[48];
    // 48 bytes hold any sign and three 64-bit numbers of this format.
    static_cast<void>(std::snprintf(buf, sizeof buf, "%s%02lld:%02lld:%02lld", negativo ? "-" : "", static_cast<long long>(s / 3600),
                  static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60)));
    return buf;
}

LatiIndicatore lati_indicatore(std::int16_t valore) {
    // 20 x s + d / 5 with s = d is 101 x s / 5.
    if ((valore * 5) % 101 == 0) {
        const int s = valore * 5 / 101;
        return LatiIndicatore{s, s};
    }
    const std::int64_t s = div_giu(valore, 20);
    return LatiIndicatore{static_cast<int>(s), static_cast<int>((valore - 20 * s) * 5)};
}

bool voce_vuota(const Voce& v) { return v == Voce{}; }

Classi classifica(const Voci& voci) {
    Classi c;
    const auto solo_nome = [](const Voce& v) {
        Voce senza = v;
        senza.nome.clear();
        return !v.nome.empty() && voce_vuota(senza);
    };
    int basso = indice_voce::primo_cartello + 1;  // lowest board-text entry + 1
    for (int i = indice_voce::primo_cartello; i >= 0 && solo_nome(voci[static_cast<std::size_t>(i)]); --i) {
        c.cartelli.push_back(i);
        basso = i;
    }
    int i = 1;
    for (; i < basso && !voce_vuota(voci[static_cast<std::size_t>(i)]); ++i) c.stazioni.push_back(i);
    for (int j = 0; j < basso; ++j) {
        if (j >= 1 && j < i) continue;
        if (!voce_vuota(voci[static_cast<std::size_t>(j)])) c.altre.push_back(j);
    }
    return c;
}

std::vector<Rallentamento> rallentamenti(const std::vector<Cella>& percorso) {
    std::vector<Rallentamento> r;
    std::int64_t aperto = -1;
    for (std::size_t i = 0; i < percorso.size(); ++i) {
        const Cella& c = percorso[i];
        const auto indice = static_cast<std::int64_t>(i);
        if (c.tipo == tipo_cella::inizio_rallentamento) {
            if (aperto >= 0) r.push_back(Rallentamento{aperto, aperto, percorso[static_cast<std::size_t>(aperto)].valore_1});
            aperto = indice;
        } else if (c.tipo == tipo_cella::fine_rallentamento && aperto >= 0) {
            r.push_back(Rallentamento{aperto, indice, percorso[static_cast<std::size_t>(aperto)].valore_1});
            aperto = -1;
        }
    }
    if (aperto >= 0) r.push_back(Rallentamento{aperto, aperto, percorso[static_cast<std::size_t>(aperto)].valore_1});
    return r;
}

std::vector<double> quote(const std::vector<Cella>& percorso) {
    std::vector<double> e(percorso.size() + 1, 0.0);
    for (std::size_t i = 0; i < percorso.size(); ++i) {
        const int grezzo = percorso[i].pendenza;
        const int per_mille = grezzo == 0 ? 0 : grezzo - 100;
        e[i + 1] = e[i] + per_mille * metri_cella / 1000.0;
    }
    return e;
}

void Riassuntore::dimensioni(std::int64_t punti, bool seminata) {
    r_ = RiassuntoPlanimetria{};
    r_.punti = punti;
    visti_ = 0;
    svolta_ = 0;
    if (seminata) {
        punto(0, 0);
        punto(0, 1);
    }
}

void Riassuntore::punto(double x, double y) {
    if (visti_ == 0) {
        r_.x_min = r_.x_max = x;
        r_.y_min = r_.y_max = y;
    } else {
        const double dx = x - x0_, dy = y - y0_;
        r_.lunghezza += std::hypot(dx, dy);
        if (visti_ > 1) {
            // Positive cross product: a turn to the left (from +y towards -x).
            svolta_ -= std::atan2(dx0_ * dy - dy0_ * dx, dx0_ * dx + dy0_ * dy);
        }
        dx0_ = dx;
        dy0_ = dy;
        r_.x_min = std::min(r_.x_min, x);
        r_.x_max = std::max(r_.x_max, x);
        r_.y_min = std::min(r_.y_min, y);
        r_.y_max = std::max(r_.y_max, y);
    }
    x0_ = x;
    y0_ = y;
    ++visti_;
}

RiassuntoPlanimetria Riassuntore::riassunto() const {
    RiassuntoPlanimetria r = r_;
    r.calcolati = static_cast<std::int32_t>(visti_);
    if (visti_ > 0) {
        r.fine_x = x0_;
        r.fine_y = y0_;
    }
    r.svolta = svolta_ * 180.0 / 3.14159265358979323846;
    return r;
}

RiassuntoPlanimetria riassumi(const Planimetria& plan) {
    Riassuntore r;
    r.dimensioni(plan.numero_punti(), false);
    if (plan.calcolati() > 0) {
        const PuntiPlanimetria p = plan.punti();
        for (std::int32_t m = 0; m < p.calcolati(); ++m) r.punto(p.x(m), p.y(m));
    }
    return r.riassunto();
}

}  // namespace compattatore::cli
