#include "cli/plot.hpp"

#include <algorithm>

#include "cli/plot_pannelli.hpp"
#include "cli/testo.hpp"

namespace compattatore::cli {

Finestra finestra_di(const OpzioniDisegno& o, std::size_t celle) {
    const double totali = std::max<double>(static_cast<double>(celle) * metri_cella, metri_cella);
    Finestra f{std::clamp(o.da.value_or(0), 0.0, totali - metri_cella), std::clamp(o.a.value_or(totali), 0.0, totali)};
    if (f.a < f.da + metri_cella) f.a = std::min(totali, f.da + metri_cella);
    return f;
}

namespace {

void banner(Svg& s, const std::string& avviso) {
    using namespace plot;
    s.apri("g", {{"id", "banner"}});
    s.vuoto("rect", {{"x", f(margine_sx)}, {"y", "38"}, {"width", f(largo)}, {"height", "20"}, {"fill", "#fdecea"},
                     {"stroke", colore::avviso}});
    const std::size_t massimo = static_cast<std::size_t>(largo / 7.5);
    std::string t = avviso;
    if (t.size() > massimo) {
        t.resize(massimo > 3 ? massimo - 3 : 0);
        t += "...";
    }
    testo(s, margine_sx + 6, 52, t, {{"class", "label"}, {"font-size", "12"}, {"font-weight", "bold"}, {"fill", colore::avviso}});
    s.chiudi();
}

}  // namespace

std::string disegna_scenario(const Planimetria* planimetria, const Voci& voci, const std::vector<Cella>& percorso,
                             const OpzioniDisegno& opzioni) {
    using namespace plot;
    const double totali = std::max<double>(static_cast<double>(percorso.size()) * metri_cella, metri_cella);
    double linea = voci[indice_voce::parametri_treno].fine;
    if (linea <= 0 || linea > totali) linea = std::max(0.0, totali - 7000);
    const Finestra fin = finestra_di(opzioni, percorso.size());
    Disegno d{planimetria, voci, percorso, totali, linea, classifica(voci), oggetti(percorso, &voci), fin.da, fin.a};

    std::size_t n_segnali = 0;
    for (const Oggetto& o : d.oggetti) n_segnali += o.genere == "signal";

    Svg s(larghezza, altezza);
    s.vuoto("rect", {{"width", "100%"}, {"height", "100%"}, {"fill", "white"}});
    const std::string percorso_nome = utf8_da_1252(voci[indice_voce::linea].nome);
    const std::string treno = utf8_da_1252(voci[indice_voce::treno].nome);
    s.testo("title", {}, percorso_nome + ", train " + treno);
    testo(s, margine_sx, 30, percorso_nome + " \u2014 train " + treno, {{"font-size", "20"}, {"font-weight", "bold"}});
    const bool intera = fin.da <= 0 && fin.a >= totali;
    testo(s, margine_sx + largo, 30,
          (intera ? "" : "km " + km(fin.da) + " to " + km(fin.a) + " of ") + km(linea) + " km of line, " +
              quanti(d.classi.stazioni.size(), "station") + ", " + quanti(n_segnali, "signal") + ", " +
              quanti(d.classi.cartelli.size(), "text board"),
          {{"text-anchor", "end"}, {"font-size", "13"}, {"fill", "#555555"}});
    if (!opzioni.avviso.empty()) banner(s, opzioni.avviso);
    disegna_mappa(s, d);
    disegna_quota(s, d);
    disegna_velocita(s, d);
    disegna_tratti(s, d);
    asse_km(s, d);
    linee_guida(s, d);
    disegna_segni(s, d);
    legenda(s, d);
    return s.finisci();
}

}  // namespace compattatore::cli
