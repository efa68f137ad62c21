#include "readers/memorizza_dati.hpp"

#include <string_view>
#include <utility>

#include "readers/guasto_voce.hpp"
#include "readers/messaggi.hpp"

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
// elsewhere (the field read last, where the failure is) and the failure
// itself as a note.
void segnala_voce_incompleta(Scenario& s, Sorgente attiva, const LettoreCampi& campi, Messaggio perche) {
    const Luogo chiave = campi.luogo_voce();
    std::string_view parola = campi.chiave_voce();
    while (!parola.empty() && (parola.back() == ' ' || parola.back() == '\t')) parola.remove_suffix(1);
    s.segnala(Stato::guasto_lettura, attiva, chiave, std::nullopt, std::nullopt, valori_dalla_riga_dopo(campi, parola));
    Diagnostica& d = s.diagnostiche.back();
    d.colonna_fine = chiave.colonna + static_cast<std::int32_t>(parola.size());
    d.note.push_back(std::move(perche));
}

}  // namespace

EsitoLettura memorizza_dati(Scenario& s, const Descrizioni& d, Registro* registro) {
    s.voce(indice_voce::linea).nome = s.nome_percorso;
    s.voce(indice_voce::treno).nome = s.numero_treno;

    if (!d.linea) {
        s.segnala(Stato::linea_assente, Sorgente::linea, Luogo{}, std::nullopt, std::nullopt,
                  Messaggio(messaggi::lettura_linea_assente));
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
            throw ErroreLettura(Messaggio(messaggi::lettura_treno_assente));
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
            segnala_voce_incompleta(s, attiva, *campi, messaggio_del_guasto(guasto));
        } else {
            s.segnala(Stato::guasto_lettura, attiva, luogo, std::nullopt, std::nullopt, messaggio_del_guasto(guasto));
        }
        esito.elimina_linea = true;
        esito.elimina_treno = d.treno.has_value();
        return esito;
    }
}

}  // namespace compattatore
