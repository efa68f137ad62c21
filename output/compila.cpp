#include "output/compila.hpp"

#include "output/codici_gara.hpp"
#include "output/rifinitura.hpp"

namespace compattatore {

EsitoCompilazione compila(Scenario& s, std::int32_t j, const Descrizioni& d) {
    EsitoCompilazione esito;
    s.scrivi_linea = j;
    s.codice_errore = 0;
    s.voci = Voci{};
    esito.lettura = memorizza_dati(s, d);
    if (!s.percorso_dimensionato()) {
        esito.percorso_assente = true;
        return esito;
    }
    rifinisci(s);
    // TODO: file marks and competition codes.
    return esito;
}

}  // namespace compattatore
