#include "driver/al_caricamento.hpp"

#include <vector>

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

namespace {


// Every name the run writes, in the order it writes them.
std::vector<std::string> nomi_della_corsa(const Scenario& s) {
    std::vector<std::string> nomi;
    for (const File f : {File::descrizione_linea, File::descrizione_treno, File::note, File::rallentamenti,
                         File::scheda_treno, File::planimetria, File::voci, File::percorso}) {
        nomi.push_back(nome_file(f, s.nome_percorso, s.numero_treno));
    }
    return nomi;
}

// The description texts are transient: a run that stops early must not leave
// them behind. The run has failed already; a failure to delete adds nothing.
void elimina_descrizioni(Ambiente& a, const Scenario& s) {
    for (const File f : {File::descrizione_linea, File::descrizione_treno}) {
        try {
            a.elimina(nome_file(f, s.nome_percorso, s.numero_treno));
        } catch (const std::exception&) {
        }
    }
}

}  // namespace

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
    // The run wrote the train description itself: when it is gone by the
    // time it is read (another process took it), the entry file would hold
    // no stations. Stop with the status of a missing text instead.
    if (!treno) errore(std::to_string(numero(Stato::guasto_lettura)));

    // The three files are one set: all are written before any is replaced.
    a.sostituisci_insieme(file_binari(s));
}

std::vector<FileInsieme> file_binari(const Scenario& s) {
    std::vector<FileInsieme> binari;
    if (s.scrivi_linea != 0) {
        binari.push_back({nome_file(File::planimetria, s.nome_percorso, s.numero_treno),
                          [&s](Uscita& u) { scrivi_planimetria(s.planimetria, u); }});
    }
    binari.push_back({nome_file(File::voci, s.nome_percorso, s.numero_treno),
                      [&s](Uscita& u) { scrivi_voci(s.voci, u); }});
    binari.push_back({nome_file(File::percorso, s.nome_percorso, s.numero_treno),
                      [&s](Uscita& u) { scrivi_percorso(s.percorso, u); }});
    return binari;
}

int al_caricamento(Ambiente& a) {
    Scenario s;
    s.nome_percorso = nome_percorso_incorporato;
    s.numero_treno = numero_treno_incorporato;
    a.mostra_finestra();
    try {
        // A name the folder cannot hold is refused before anything is written.
        a.verifica_nomi(nomi_della_corsa(s));
        dati_linea(a, s.nome_percorso, s.numero_treno);
        dati_treno(a, s.nome_percorso, s.numero_treno);
        dati_note(a, s.nome_percorso, s.numero_treno);
        dati_rallentamenti(a, s.nome_percorso, s.numero_treno);
        dati_scheda(a, s.nome_percorso, s.numero_treno);
        memorizza_percorso(a, s, 1);
        return uscita_normale;
    } catch (const ArrestoNumerato& arresto) {
        elimina_descrizioni(a, s);
        const std::int32_t risposta = a.mostra_messaggio(arresto.what());
        static_cast<void>(risposta);  // one OK button: nothing reads the answer
        return uscita_errore_numerato;
    } catch (const std::exception& guasto) {
        elimina_descrizioni(a, s);
        a.segnala_guasto(guasto.what());
        return uscita_guasto;
    }
}

}  // namespace compattatore
