// The whole reading step on a line description and a train description split
// from one input at the first byte 0x00 (no such byte: no train description).
// A third part after a second 0x00 holds options: its first byte, when odd,
// reads without a plan.
//
// Properties checked besides survival:
//   - the status is a documented one, and never a finishing diagnostic;
//   - status 0 exactly when no problem was recorded, otherwise the status is
//     that of the last problem, each with words and a place inside its text;
//   - a sized track has the cells 0 to ultima_cella, ultima_cella and
//     lunghezza_estesa follow from the line length (unless that length was
//     refused), and the plan has one point per metre with finite
//     coordinates;
//   - the texts the step says it consumed are consistent with the status, and
//     the route name and train number that name the files are unchanged;
//   - reading the same texts twice fills the same tables.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "fuzz/comune.hpp"
#include "model/arrotonda.hpp"
#include "readers/memorizza_dati.hpp"

namespace {

using namespace compattatore;
using compattatore::fuzz::verifica;

std::int32_t numero_righe(std::string_view t) {
    std::int32_t righe = 1;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r') {
            if (i + 1 < t.size() && t[i + 1] == '\n') ++i;
            ++righe;
        } else if (t[i] == '\n') {
            ++righe;
        }
    }
    return righe;
}

Scenario leggi(const fuzz::Parti& p, std::int32_t j, EsitoLettura& esito) {
    Scenario s;
    s.nome_percorso = "Prova";
    s.numero_treno = "1";
    s.scrivi_linea = j;
    Descrizioni d;
    d.linea = p.linea;
    d.treno = p.treno;
    esito = memorizza_dati(s, d);
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const fuzz::Parti p = fuzz::dividi(dati, n);
    const std::int32_t j = (!p.opzioni.empty() && (static_cast<unsigned char>(p.opzioni[0]) & 1) != 0) ? 0 : 1;

    EsitoLettura esito;
    const Scenario s = leggi(p, j, esito);

    verifica(fuzz::stato_documentato(s.codice_errore), "the status is a documented one");
    verifica(gravita(s.codice_errore) != Gravita::avviso, "reading leaves no finishing diagnostic");
    // The tool's own classes (no status number) are noted beside the status
    // and never change it: the status is that of the numbered problems.
    const Diagnostica* ultima_numerata = nullptr;
    for (const Diagnostica& d : s.diagnostiche) {
        if (d.numero() != 0) ultima_numerata = &d;
    }
    verifica((s.codice_errore == Stato::nessuno) == (ultima_numerata == nullptr),
             "no status exactly when no numbered problem was recorded");
    if (ultima_numerata != nullptr) {
        verifica(ultima_numerata->stato == s.codice_errore, "the status is that of the last numbered problem");
    }
    const std::int32_t righe_linea = numero_righe(p.linea);
    const std::int32_t righe_treno = p.treno ? numero_righe(*p.treno) : 0;
    for (const Diagnostica& d : s.diagnostiche) {
        verifica(!d.messaggio.vuoto(), "every problem is told in words");
        verifica(d.riga >= 0 && d.colonna >= 0, "places are not negative");
        verifica((d.riga == 0) == (d.colonna == 0), "a place has both a line and a column, or neither");
        verifica(d.sorgente != Sorgente::rifinitura, "reading records no finishing diagnostic");
        const std::int32_t righe = d.sorgente == Sorgente::linea ? righe_linea : righe_treno;
        verifica(d.riga <= righe, "the line of a problem exists in its text");
        // A numbered problem of the reading is an error; the reader's own
        // classes may also be warnings (a text value from the next line).
        verifica(d.gravita() == Gravita::errore || (d.numero() == 0 && d.gravita() == Gravita::avviso),
                 "numbered reading problems are errors");
    }

    if (s.codice_errore == Stato::linea_assente) {
        verifica(false, "the line text is always given here");
    }
    verifica(esito.elimina_linea, "a line text that exists is consumed");
    verifica(s.nome_percorso == "Prova" && s.numero_treno == "1", "nothing read from a text renames the files");
    verifica(!esito.elimina_treno || p.treno.has_value(), "only an existing train text is consumed");

    // A length refused as out of range is stored all the same, over the track
    // sized by an earlier length entry; otherwise the stored length is the
    // track's.
    if (s.percorso_dimensionato() && s.codice_errore != Stato::lunghezza_fuori_limiti) {
        const std::int64_t l = s.voce(indice_voce::parametri_treno).fine;
        verifica(l >= 0 && l <= lunghezza_massima, "a sized track has a length within the limit");
        verifica(s.lunghezza_estesa == l + prolungamento, "lunghezza_estesa is the length plus 7000 m");
        verifica(s.ultima_cella == arrotonda(s.lunghezza_estesa, 50), "ultima_cella follows from the length");
        verifica(static_cast<std::int64_t>(s.percorso.size()) == static_cast<std::int64_t>(s.ultima_cella) + 1,
                 "the track has cells 0 to ultima_cella");
        if (j != 0) {
            verifica(s.planimetria.ultimo() == s.lunghezza_estesa, "the plan has one point per metre");
            verifica(s.planimetria.calcolati() <= s.lunghezza_estesa + 1, "no plan point beyond the last metre");
            const PuntiPlanimetria punti = s.planimetria.punti();
            for (std::int32_t m = 2; m < punti.calcolati(); ++m) {
                verifica(std::isfinite(punti.x(m)) && std::isfinite(punti.y(m)),
                         "plan points are finite");
            }
        } else {
            verifica(!s.planimetria.dimensionata(), "no plan is built without the plan option");
        }
    }

    EsitoLettura di_nuovo;
    const Scenario t = leggi(p, j, di_nuovo);
    verifica(t.codice_errore == s.codice_errore && t.posizione_errore == s.posizione_errore,
             "the same texts give the same status");
    verifica(t.percorso == s.percorso && t.voci == s.voci && t.diagnostiche == s.diagnostiche,
             "the same texts fill the same tables");
    verifica(t.planimetria.calcolati() == s.planimetria.calcolati(), "the same texts give the same plan");
    return 0;
}
