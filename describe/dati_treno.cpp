#include "describe/dati_treno.hpp"

#include <array>

#include "driver/base/stampa.hpp"
#include "formato/nomi_file.hpp"

namespace compattatore {

namespace {
// The train service of the scenario, line by line. Blanks are part of the
// lines: the clock line separates its three numbers by runs of blanks and
// ends in one blank. The slowdown and code sections are empty.
constexpr std::array<std::string_view, 19> righe = {
    "[generale]",
    "numero vetture,    2",
    "percentuale massa frenata,    135",
    "sabbia,    0",
    "orologio,    13              40            45 ",
    "[aderenze]",
    "aderenza,   0,    100",
    "[vel_limite]",
    "velocita,       0,   130",
    "velocita,   86300,    80",
    "[stazioni]",
    "stazione,   85950, 12,  300,  0, 0, 0,  1,1,0,  3,1,1,    1,  13,41, 0, VALMORA P.R.",
    "stazione,   87950,  4,  400,  1, 0, 1,  1,1,0,  2,1,1,    0,  13,46, 0, VALMORA P.F.",
    "[rallentamenti]",
    "[segnali]",
    "segnale,   86600,   2, 2, 3,  0, 0,    0,  0,0,0, 238",
    "[codici]",
    "[fine]",
    fine_del_file,
};
}  // namespace

std::span<const std::string_view> contenuto_treno() { return righe; }

std::string testo_treno() {
    UscitaMemoria u;
    stampa(contenuto_treno(), u);
    return u.byte;
}

void dati_treno(Ambiente& a, std::string_view nome_percorso, std::string_view numero_treno) {
    a.sostituisci(nome_file(File::descrizione_treno, nome_percorso, numero_treno),
                  [](Uscita& u) { stampa(contenuto_treno(), u); });
}

}  // namespace compattatore
