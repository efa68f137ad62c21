#include "output/compila.hpp"

#include "formato/codici_gara.hpp"
#include "formato/segni.hpp"
#include "output/messaggi.hpp"
#include "output/rifinitura.hpp"

#include <string_view>

namespace compattatore {

Stato marchia(Scenario& s) {
    Voce& linea = s.voce(voce_marchio);
    Cella& prima = s.cella(cella_marchio);
    if (linea.dato_a != 0 || prima.valore_1 != 0) return Stato::marchio_occupato;
    linea.dato_a = marchio_voci;
    prima.valore_1 = marchio_percorso;

    if (linea.orario != 0 || prima.valore_2 != 0) return Stato::codice_gara_occupato;
    const std::string_view treno = s.voce(indice_voce::treno).nome;
    linea.orario = codice_gara_st(treno, linea.nome);
    prima.valore_2 = codice_gara_og(treno, linea.nome);
    return Stato::nessuno;
}

EsitoCompilazione compila(Scenario& s, std::int32_t j, const Descrizioni& d, Registro* registro) {
    EsitoCompilazione esito;
    s.scrivi_linea = j;
    s.codice_errore = Stato::nessuno;
    s.voci = Voci{};
    s.luoghi_rallentamenti.clear();
    s.progressive_scritte.clear();
    esito.lettura = memorizza_dati(s, d, registro);
    if (!s.percorso_dimensionato()) {
        esito.percorso_assente = true;
        // The stop reports the status: make sure there is one that says why.
        if (s.codice_errore == Stato::nessuno) {
            s.segnala(Stato::guasto_lettura, Sorgente::linea, Luogo{}, std::nullopt, std::nullopt,
                      Messaggio(messaggi::compilazione_binario_mai_dimensionato));
        }
        return esito;
    }
    rifinisci(s);
    esito.arresto = marchia(s);
    return esito;
}

}  // namespace compattatore
