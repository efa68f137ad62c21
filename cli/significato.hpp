// What the decoded tables mean, for the reports and the drawings: the
// features of the track cells in words, the profiles as runs of cells, and
// which entries of the entry table are stations and which board texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formato/file_planimetria.hpp"
#include "model/cella.hpp"
#include "model/planimetria.hpp"
#include "model/voce.hpp"

namespace compattatore::cli {

// Cells prima to ultima (inclusive) holding the same value.
struct Corsa {
    std::int64_t prima = 0;
    std::int64_t ultima = 0;
    int valore = 0;
};

// The runs of one byte member over the whole track.
std::vector<Corsa> corse(const std::vector<Cella>& percorso, std::uint8_t Cella::*membro);

// One non-empty cell: a placed feature and/or an approach mark.
struct Oggetto {
    std::int64_t cella = 0;
    std::int32_t metro = 0;
    std::string genere;  // a short key: "signal", "slowdown-start", ... "approach-mark"
    std::string parole;  // the feature in words (UTF-8)
};

// Every cell with a `tipo` other than 0 or an approach mark, in cell order.
// With the entry table, stations and board texts are named.
std::vector<Oggetto> oggetti(const std::vector<Cella>& percorso, const Voci* voci);

// The key of a cell type ("signal", ...); "unknown" for a code with no meaning.
std::string genere_di(std::uint8_t tipo);

// Seconds of the day as hh:mm:ss (negative values with a sign).
std::string ora(std::int64_t secondi);

// The speeds of the two sides of a speed board from one packed value
// 20 x side s + side d / 5. The packing is not one-to-one once side d reaches
// 100 km/h (2121 is 105 and 105, or 106 and 5), so the reading prefers equal
// sides, the common case, and otherwise takes side d below 100 km/h.
struct LatiIndicatore {
    int lato_s = 0;  // km/h
    int lato_d = 0;  // km/h
};
LatiIndicatore lati_indicatore(std::int16_t valore);

// Which entries of 1 to 80 (and 0) hold stations and which board texts:
// stations fill entries 1 upward, board texts (a name and nothing else) fill
// entries 80 downward and, with 81 boards, entry 0.
struct Classi {
    std::vector<int> stazioni;
    std::vector<int> cartelli;  // in board order: 80, 79, ...
    std::vector<int> altre;     // anything else that is not empty
};
Classi classifica(const Voci& voci);

bool voce_vuota(const Voce& v);

// A span of track under a slowdown: from its start cell to its end cell.
struct Rallentamento {
    std::int64_t inizio = 0;  // cell of the start mark (tipo 3)
    std::int64_t fine = 0;    // cell of the end mark (tipo 2); = inizio when both fell in one cell
    int velocita = 0;         // km/h
};
std::vector<Rallentamento> rallentamenti(const std::vector<Cella>& percorso);


// The elevation in metres at every cell boundary (metres 0, 50, 100, ...),
// from 0 at the start, integrated from the gradients; a cell whose gradient
// was never set counts as level.
std::vector<double> quote(const std::vector<Cella>& percorso);

// The shape of a plan: its computed points, where they end, how long they
// run and how much they turn.
struct RiassuntoPlanimetria {
    std::int64_t punti = 0;      // per column
    std::int32_t calcolati = 0;  // leading points with values
    double fine_x = 0, fine_y = 0;  // the last computed point
    double lunghezza = 0;        // metres along the computed points
    double svolta = 0;           // heading change in degrees, to the right positive
    double x_min = 0, x_max = 0, y_min = 0, y_max = 0;
};
RiassuntoPlanimetria riassumi(const Planimetria& p);

// The same summary built a point at a time, as a plan file is read
// (formato/file_planimetria.hpp): the seed's points 0 and 1 come with the
// size, every later point by punto.
class Riassuntore final : public DestinazionePunti {
public:
    void dimensioni(std::int64_t punti, bool seminata) override;
    void punto(double x, double y) override;
    RiassuntoPlanimetria riassunto() const;

private:
    RiassuntoPlanimetria r_;
    std::int64_t visti_ = 0;
    double x0_ = 0, y0_ = 0;    // the point before
    double dx0_ = 0, dy0_ = 0;  // the step before it
    double svolta_ = 0;         // radians, to the right positive
};

}  // namespace compattatore::cli
