#include "driver/al_caricamento.hpp"

#include "describe/dati_linea.hpp"
#include "describe/dati_treno.hpp"
#include "describe/identita.hpp"
#include "documents/dati_note.hpp"
#include "documents/dati_rallentamenti.hpp"
#include "documents/dati_scheda.hpp"
#include "formato/file_percorso.hpp"
#include "formato/file_planimetria.hpp"
#include "formato/file_voci.hpp"
#include "formato/nomi_file.hpp"
#include "output/compila.hpp"

namespace compattatore {

std::string messaggio_errore(std::string_view a) { return " Errore n. " + std::string(a); }

void errore(std::string_view a) { throw ArrestoNumerato(std::string(a)); }

void memorizza_percorso(Ambiente& a, Scenario& s, std::int32_t j) {
    const std::string nome_linea = nome_file(File::descrizione_linea, s.nome_percorso, s.numero_treno);
    const std::string nome_treno = nome_file(File::descrizione_treno, s.nome_percorso, s.numero_treno);
    const std::optional<std::string> linea = a.leggi(nome_linea);
    const std::optional<std::string> treno = a.leggi(nome_treno);
    Descrizioni d;
    if (linea) d.linea = *linea;
    if (treno) d.treno = *treno;

    const EsitoCompilazione esito = compila(s, j, d);
    if (esito.lettura.elimina_linea) a.elimina(nome_linea);
    if (esito.lettura.elimina_treno) a.elimina(nome_treno);

    if (esito.arresto != Stato::nessuno) errore(std::to_string(numero(esito.arresto)));
    // A track that was never sized has no files to write: stop with the
    // status that says why, rather than write files of nothing.
    if (esito.percorso_assente) errore(std::to_string(numero(s.codice_errore)));

    if (s.scrivi_linea != 0) {
        a.sostituisci(nome_file(File::planimetria, s.nome_percorso, s.numero_treno),
                      [&](Uscita& u) { scrivi_planimetria(s.planimetria, u); });
    }
    a.sostituisci(nome_file(File::voci, s.nome_percorso, s.numero_treno),
                  [&](Uscita& u) { scrivi_voci(s.voci, u); });
    a.sostituisci(nome_file(File::percorso, s.nome_percorso, s.numero_treno),
                  [&](Uscita& u) { scrivi_percorso(s.percorso, u); });
}

int al_caricamento(Ambiente& a) {
    Scenario s;
    s.nome_percorso = nome_percorso_incorporato;
    s.numero_treno = numero_treno_incorporato;
    a.mostra_finestra();
    try {
        dati_linea(a, s.nome_percorso, s.numero_treno);
        dati_treno(a, s.nome_percorso, s.numero_treno);
        dati_note(a, s.nome_percorso, s.numero_treno);
        dati_rallentamenti(a, s.nome_percorso, s.numero_treno);
        dati_scheda(a, s.nome_percorso, s.numero_treno);
        memorizza_percorso(a, s, 1);
        return uscita_normale;
    } catch (const ArrestoNumerato& arresto) {
        const std::int32_t risposta = a.mostra_messaggio(arresto.what());
        static_cast<void>(risposta);  // one OK button: nothing reads the answer
        return uscita_errore_numerato;
    } catch (const std::exception& guasto) {
        a.segnala_guasto(guasto.what());
        return uscita_guasto;
    }
}

}  // namespace compattatore
