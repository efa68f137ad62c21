#include "readers/memorizza_dati.hpp"

#include <string>
#include <utility>

#include "readers/guasto_voce.hpp"

namespace compattatore {

namespace {

// The failure came from a value of the entry read last that stands on a
// later line than its keyword: the entry is short of values and the reader
// took the next lines' fields for them.
bool voce_incompleta(const LettoreCampi& campi, Luogo guasto) {
    const Luogo chiave = campi.luogo_voce();
    return chiave.riga > 0 && guasto == campi.luogo() && campi.valori_letti() > 0 && guasto.riga > chiave.riga;
}

// Reported at the entry's keyword, with the value that was taken from
// elsewhere and the failure itself as a note.
void segnala_voce_incompleta(Scenario& s, Sorgente attiva, const LettoreCampi& campi, Luogo guasto,
                             const std::string& perche) {
    const Luogo chiave = campi.luogo_voce();
    const std::int32_t n = campi.valori_letti();
    const std::int32_t k = campi.valori_sulla_riga();
    std::string parola(campi.chiave_voce());
    while (!parola.empty() && (parola.back() == ' ' || parola.back() == '\t')) parola.pop_back();
    s.segnala(Stato::guasto_lettura, attiva, chiave, std::nullopt, std::nullopt,
              "\"" + parola + "\" on line " + std::to_string(chiave.riga) + " has " + std::to_string(k) +
                  (k == 1 ? " value" : " values") + " on its line; its " + ordinale(n) +
                  " value was read from line " + std::to_string(guasto.riga) + ": `" + std::string(campi.ultimo_campo()) +
                  "`");
    Diagnostica& d = s.diagnostiche.back();
    d.colonna_fine = chiave.colonna + static_cast<std::int32_t>(parola.size());
    d.note.push_back(perche);
}

}  // namespace

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
        // A field takes about seven bytes of a description, its comma included.
        const std::size_t byte = d.linea->size() + (d.treno ? d.treno->size() : 0);
        registro->campi.reserve(registro->campi.size() + byte / 6);
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
        const LettoreCampi* campi = attiva == Sorgente::linea ? &linea : (treno ? &*treno : nullptr);
        const Luogo luogo = luogo_del_guasto(guasto, campi ? campi->luogo() : Luogo{});
        if (campi != nullptr && voce_incompleta(*campi, luogo)) {
            segnala_voce_incompleta(s, attiva, *campi, luogo, guasto.what());
        } else {
            s.segnala(Stato::guasto_lettura, attiva, luogo, std::nullopt, std::nullopt, guasto.what());
        }
        esito.elimina_linea = true;
        esito.elimina_treno = d.treno.has_value();
        return esito;
    }
}

}  // namespace compattatore
