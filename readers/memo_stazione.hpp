// The station recorder: the rules of one "stazione" entry of the train
// description, in the order the train reader applies them while it reads the
// entry's seventeen fields into voci(k), k = 1 upward:
//   before any field: entry k must not hold a board text;
//   field 1, the position p: a multiple of 50;
//   field 3, the length l: a multiple of 100 (l is not kept in the entry);
//   fields 14 to 16: the time of day 3600 h + 60 m + s fits 32 bits;
//   after field 17, the name: memo_stazione places the station.
//
// The zone of a station of kind t:
//   t 5 or 6   inizio = p - l       fine = p + 150        opzione_c = 0
//   t 7 or 8   inizio = p - l       fine = p + l          opzione_c = 0
//   otherwise  inizio = p - l / 2   fine = p + l / 2 (+ 50 when opzione_c is not 0)
// opzione_d is 0 when l < 600; the first station has opzione_c and opzione_d
// 0 (and keeps the extra 50 m in fine). A station of kind below 25 has its
// stop on cell CLng(fine / 50 - 1) (tipo 10, valore_1 = k, over whatever the
// cell holds) and, unless of kind 5 or 6, the approach marks 80 + j on the
// cells CLng((fine - 50 (j + 1)) / 50), j = 1 to 4, that lie above cell 1.
#pragma once

#include <cstdint>

#include "model/scenario.hpp"
#include "readers/esito_memo.hpp"
#include "readers/lettore_campi.hpp"

namespace compattatore {

// What the recorder needs besides the entry voci(indice), which holds the
// fields as read (posizione, tipo, prolunga, opzioni, dati, orario, nome).
struct DatiStazione {
    std::int32_t indice = 1;          // k, the station's entry
    std::int64_t lunghezza = 0;       // field 3, metres
    Luogo luogo_lunghezza;            // where field 3 starts
    std::int32_t slot_cartelli = 80;  // the voci index the next board text would take
};

// Entry k already holds a board text: refused with stazioni_sui_cartelli.
EsitoMemo controlla_posto(Scenario& s, Luogo dove, std::int32_t k, std::int32_t slot_cartelli);

// A position that is not a multiple of 50: refused with stazione_non_multipla.
EsitoMemo controlla_posizione(Scenario& s, Luogo dove, std::int32_t p);

// A length that is not a multiple of 100: refused with
// lunghezza_stazione_non_multipla (at the station's position).
EsitoMemo controlla_lunghezza(Scenario& s, Luogo dove, std::int32_t p, std::int64_t l);

// The time of day of fields 14 to 16 in seconds. Throws GuastoVoce at
// `luogo` (the hours field) when it does not fit 32 bits.
std::int32_t orario_stazione(Luogo luogo, std::int32_t p, std::int64_t ore, std::int64_t minuti,
                             std::int64_t secondi);

// Places the station: its zone in the entry, its stop cell and approach
// marks. Refusals, in order: oltre_il_percorso when the stop cell lies beyond
// the last cell (the zone is written, no cell); stazione_senza_fermata when
// the stop cell is 1 or less (the marks are written); stazioni_troppo_vicine
// when the zone starts less than 350 m after the previous station's end (the
// stop is written); stazioni_sui_cartelli when entry k + 1 reaches the board
// texts (the station is complete). A zone that does not fit 32 bits throws
// GuastoVoce at the length field. `dove` is the place of the entry's keyword.
EsitoMemo memo_stazione(Scenario& s, Luogo dove, const DatiStazione& d);

}  // namespace compattatore
