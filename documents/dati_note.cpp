#include "documents/dati_note.hpp"

#include <array>

#include "driver/base/stampa.hpp"
#include "formato/nomi_file.hpp"

namespace compattatore {

namespace {

// Windows-1252 text: "\xE8" is e grave, "\xE0" a grave, "\xB0" the degree
// sign, one byte each. Each escape stands in a literal of its own so that a
// following letter can never be read as one more hex digit. Line 4 ends in a
// blank.
constexpr std::array<std::string_view, 16> righe = {
    "Il 5286 " "\xE8" " un reg. effettuato per gli studenti che dal centro di Valmora devono",
    "raggiungere Porta Fiorentina.",
    "Per questo motivo il 5286 effettua la tratta Valmora PR-Valmora PF e poi lo stesso",
    "materiale effettua il 6193 Valmora PF-Orte che porta tutti gli studenti di queste",
    "zone a casa (disponibile lo scenario) ",
    "Il 5286 " "\xE8" " un reg. periodico che viene effettuato solo quando le scuole sono aperte.",
    "",
    "Si parte sempre da Porta Romana con il R-G(in realt" "\xE0" " il segnale " "\xE8" " a una vela con il",
    "triangolo sotto ad indicare l' uscita a 30 Km/h)per attendere la chiusura del PL in",
    "prossimit" "\xE0" " della stazione di Porta Fiorentina e asi entra a Porta Fiorentina sul 1" "\xB0",
    "binario.",
    "La fermata in questa stazione deve essere fatta sempre alla fine del marciapiedi",
    "(nella realt" "\xE0" " il capostazione indica il punto di fermata) per evitare che i viaggiatori",
    "in partenza verso roma (reg. 22151) debano attraversare sui binari quando il nostro",
    "treno deve partire.",
    fine_del_file,
};

}  // namespace

std::span<const std::string_view> contenuto_note() { return righe; }

void dati_note(Ambiente& a, std::string_view nome_percorso, std::string_view numero_treno) {
    a.sostituisci(nome_file(File::note, nome_percorso, numero_treno),
                  [](Uscita& u) { stampa(contenuto_note(), u); });
}

}  // namespace compattatore
