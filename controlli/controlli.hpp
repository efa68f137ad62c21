// The checks on meaning: after a reading that was recorded, the fields and
// the tables are read again for what the format skips or accepts but an
// author almost never means. Each finding is a warning of a class of the
// catalogue (model/stato.hpp); none changes a table, a byte or the status.
//
// The limits of the class "values", a railway of this kind:
//   clock and station times   00:00:00 to 23:59:59
//   speed limit               5 to 300 km/h, a multiple of 5 (stored divided by 5)
//   gradient                  -60 to 60 per mille (the reader refuses past -100 and 155)
//   braked mass               30 to 250 %
//   cars                      1 to 50
#pragma once

#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "model/diagnostica.hpp"
#include "model/scenario.hpp"
#include "readers/registro.hpp"

namespace compattatore {

// Every warning on the record of a reading and the tables it left.
std::vector<Diagnostica> controlla(const Registro& r, const Scenario& s);

// The warnings of the class "encoding" on one description text.
std::vector<Diagnostica> controlla_codifica(std::string_view testo, Sorgente sorgente);

// Which warnings a run wants: every class, but those switched off; none
// with `nessuno`.
struct SceltaAvvisi {
    bool nessuno = false;
    bool come_errori = false;  // a warning refuses the scenario
    std::set<Stato> spenti;
    std::set<Stato> accesi;  // switched back on after -w

    bool vuole(Stato classe) const;
};

// The class of a name such as "unknown-entry".
std::optional<Stato> classe_di(std::string_view nome);

// The keyword a near-miss was probably meant to be: the closest known one by
// edit distance (letters swapped count once), when it is a small edit away.
std::optional<std::string_view> parola_vicina(std::string_view campo, Sorgente sorgente);
// Whether campo is a keyword of its description exactly as listed there (lower
// case), with any number after it: then parola_vicina gives that keyword.
bool parola_esatta(std::string_view campo, Sorgente sorgente);
// The field without the blanks and digits at its end: what parola_esatta
// compares, so that its answer for one is its answer for the other.
std::string_view senza_numero(std::string_view campo);

}  // namespace compattatore
