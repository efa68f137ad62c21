// The scenario tables of one build and the state that passes between its
// steps: the track array `percorso`, the entry table `voci`, the plan
// `planimetria`, the mountain-zone lists, the identity strings and the status.
//
// Everything starts zero or empty. The readers fill the tables, the finishing
// rules adjust the track, the marks and codes are stamped into cell 1 and
// entry 85, and the serialisers dump the three tables.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/cella.hpp"
#include "model/diagnostica.hpp"
#include "model/fuori_tabella.hpp"
#include "model/luogo.hpp"
#include "model/planimetria.hpp"
#include "model/stato.hpp"
#include "model/voce.hpp"

namespace compattatore {

inline constexpr std::int32_t lunghezza_massima = 1000000;  // metres
inline constexpr std::int32_t prolungamento = 7000;         // metres past the end of the line
inline constexpr int massimo_montagne = 80;                 // zones 1 to 80

// A kilometric-progressive entry as the author wrote it: its keyword, its
// first two values and their places. The definitions are reordered after
// reading; a problem found later is reported at the entry as written.
struct ProgressivaScritta {
    std::string parola;
    Luogo chiave;
    std::int32_t inizio = 0;
    std::int32_t fine = 0;
    Luogo luogo_inizio;
    Luogo luogo_fine;
};

struct Scenario {
    Planimetria planimetria;
    std::vector<Cella> percorso;  // cells 0 to ultima_cella; empty until the line length is read
    Voci voci{};
    std::array<std::int32_t, massimo_montagne + 1> montagne_inizio{};
    std::array<std::int32_t, massimo_montagne + 1> montagne_fine{};
    std::int32_t n_montagne = 0;
    std::int32_t scrivi_linea = 0;  // not 0: build the plan and write the plan file
    std::string numero_treno;
    std::string nome_percorso;
    std::int32_t lunghezza_estesa = 0;  // line length + 7000
    std::int32_t ultima_cella = 0;      // last index of percorso
    Stato codice_errore = Stato::nessuno;
    std::int32_t posizione_errore = 0;
    std::vector<Diagnostica> diagnostiche;  // every problem, in the order found
    // The entry of each slowdown placed, by its warning, start and end cells:
    // the finishing rules report there what they could not place for it.
    std::map<std::int64_t, Luogo> luoghi_rallentamenti;
    std::vector<ProgressivaScritta> progressive_scritte;  // in the order read

    bool percorso_dimensionato() const { return !percorso.empty(); }

    // Checked access to a track cell: throws FuoriTabella outside 0..ultima_cella.
    Cella& cella(std::int64_t indice);
    const Cella& cella(std::int64_t indice) const;
    bool cella_esiste(std::int64_t indice) const {
        return indice >= 0 && indice < static_cast<std::int64_t>(percorso.size());
    }

    // Checked access to an entry of voci: throws FuoriTabella outside 0..86.
    Voce& voce(std::int64_t indice);
    const Voce& voce(std::int64_t indice) const;

    // Records a problem, the one way every step does: sets codice_errore
    // (and posizione_errore when the problem has a position) and keeps it in
    // diagnostiche with the place of the text that caused it (Luogo{} for
    // none) and a sentence in words.
    void segnala(Stato stato, Sorgente sorgente, Luogo luogo, std::optional<std::int32_t> posizione,
                 std::optional<std::int64_t> cella, Messaggio messaggio);

    // Records a problem that the program's status does not carry (one of the
    // tool's own refusals): kept in diagnostiche only, codice_errore and
    // posizione_errore untouched, the build goes on as the program's does.
    void annota(Stato stato, Sorgente sorgente, Luogo luogo, std::int32_t colonna_fine, Messaggio messaggio);
};

// Sizes the track for a line of `lunghezza` metres: lunghezza_estesa is the
// length plus 7000 m, ultima_cella CLng(lunghezza_estesa / 50), and percorso
// holds cells 0 to ultima_cella, all zero. The plan is not touched.
void dimensiona_percorso(Scenario& s, std::int32_t lunghezza);

}  // namespace compattatore
