#include "readers/memorizza_dati.hpp"

#include <utility>

#include "readers/guasto_voce.hpp"

namespace compattatore {

EsitoLettura memorizza_dati(Scenario& s, const Descrizioni& d, Registro* registro) {
    s.voce(indice_voce::linea).nome = s.nome_percorso;
    s.voce(indice_voce::treno).nome = s.numero_treno;

    if (!d.linea) {
        s.segnala(Stato::linea_assente, Sorgente::linea, Luogo{}, std::nullopt, std::nullopt,
                  "the line description does not exist");
        return {};
    }

    EsitoLettura esito;
    Sorgente attiva = Sorgente::linea;
    LettoreCampi linea(*d.linea);
    if (registro) {
        registro->sorgente = Sorgente::linea;
        registro->parte = Parte::prima;
        linea.ascolta(registro);
    }
    std::optional<LettoreCampi> treno;
    try {
        const FineLinea fine = leggi_linea(s, linea);
        esito.elimina_linea = true;
        if (!fine.leggi_treno) return esito;
        attiva = Sorgente::treno;
        if (!d.treno) {
            throw ErroreLettura("the train description does not exist");
        }
        treno.emplace(*d.treno);
        if (registro) {
            registro->sorgente = Sorgente::treno;
            registro->parte = Parte::prima;
            treno->ascolta(registro);
        }
        esito.elimina_treno = true;
        leggi_treno(s, *treno, fine.slot_cartelli);
        return esito;
    } catch (const std::exception& guasto) {
        // One handler for every run-time failure of the step: both texts are
        // given up, the status is guasto_lettura.
        const Luogo luogo = luogo_del_guasto(
            guasto, attiva == Sorgente::linea ? linea.luogo() : (treno ? treno->luogo() : Luogo{}));
        s.segnala(Stato::guasto_lettura, attiva, luogo, std::nullopt, std::nullopt, guasto.what());
        esito.elimina_linea = true;
        esito.elimina_treno = d.treno.has_value();
        return esito;
    }
}

}  // namespace compattatore
