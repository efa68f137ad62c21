#include "cli/plot.hpp"

#include <algorithm>

#include "cli/plot_pannelli.hpp"
#include "cli/testo.hpp"

namespace compattatore::cli {

std::string disegna_scenario(const Planimetria* planimetria, const Voci& voci, const std::vector<Cella>& percorso) {
    using namespace plot;
    const double totali = std::max<double>(static_cast<double>(percorso.size()) * metri_cella, metri_cella);
    double linea = voci[indice_voce::parametri_treno].fine;
    if (linea <= 0 || linea > totali) linea = std::max(0.0, totali - 7000);
    Disegno d{planimetria, voci, percorso, totali, linea, classifica(voci), oggetti(percorso, &voci)};

    std::size_t n_segnali = 0;
    for (const Oggetto& o : d.oggetti) n_segnali += o.genere == "signal";

    Svg s(larghezza, altezza);
    s.vuoto("rect", {{"width", "100%"}, {"height", "100%"}, {"fill", "white"}});
    const std::string percorso_nome = utf8_da_1252(voci[indice_voce::linea].nome);
    const std::string treno = utf8_da_1252(voci[indice_voce::treno].nome);
    s.testo("title", {}, percorso_nome + ", train " + treno);
    testo(s, margine_sx, 32, percorso_nome + " \u2014 train " + treno, {{"font-size", "20"}, {"font-weight", "bold"}});
    testo(s, margine_sx + largo, 32,
          km(linea) + " km of line, " + quanti(d.classi.stazioni.size(), "station") + ", " +
              quanti(n_segnali, "signal") + ", " + quanti(d.classi.cartelli.size(), "text board"),
          {{"text-anchor", "end"}, {"font-size", "13"}, {"fill", "#555555"}});
    disegna_mappa(s, d);
    disegna_quota(s, d);
    disegna_velocita(s, d);
    asse_km(s, d);
    linee_guida(s, d);
    disegna_segni(s, d);
    legenda(s);
    return s.finisci();
}

}  // namespace compattatore::cli
