#include "output/compila.hpp"

#include "formato/codici_gara.hpp"
#include "formato/segni.hpp"
#include "output/rifinitura.hpp"

#include <string_view>
#include <utility>

namespace compattatore {

int marchia(Scenario& s) {
    Voce& linea = s.voce(voce_marchio);
    Cella& prima = s.cella(cella_marchio);
    if (linea.dato_a != 0 || prima.valore_1 != 0) return errore_marchio;
    linea.dato_a = marchio_voci;
    prima.valore_1 = marchio_percorso;

    if (linea.orario != 0 || prima.valore_2 != 0) return errore_codice;
    const std::string_view treno = s.voce(indice_voce::treno).nome;
    linea.orario = codice_gara_st(treno, linea.nome);
    prima.valore_2 = codice_gara_og(treno, linea.nome);
    return 0;
}

EsitoCompilazione compila(Scenario& s, std::int32_t j, const Descrizioni& d) {
    EsitoCompilazione esito;
    s.scrivi_linea = j;
    s.codice_errore = 0;
    s.voci = Voci{};
    esito.lettura = memorizza_dati(s, d);
    if (!s.percorso_dimensionato()) {
        esito.percorso_assente = true;
        // The stop reports the status: make sure there is one that says why.
        if (s.codice_errore == 0) {
            Diagnostica mancante;
            mancante.codice = 25;
            mancante.sorgente = Sorgente::linea;
            mancante.messaggio = "the line description gives no line length: the track was never sized";
            s.registra(std::move(mancante));
        }
        return esito;
    }
    rifinisci(s);
    esito.arresto = marchia(s);
    return esito;
}

}  // namespace compattatore
