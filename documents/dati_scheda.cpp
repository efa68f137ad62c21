#include "documents/dati_scheda.hpp"

#include <array>

#include "documents/righe_ripetute.hpp"
#include "driver/base/stampa.hpp"
#include "formato/nomi_file.hpp"

namespace compattatore {

namespace {

// The closing rule of the timetable grid, under its heading and at its foot.
constexpr std::string_view chiusura_griglia =
    " |_____|_____|__________|_____|____________________________|________________|_____|";

// An empty row of the timetable grid.
constexpr std::string_view riga_griglia =
    " |     |     |          |     |                            |                |     |";

constexpr std::array<std::string_view, 18> testa = {
    "",
    "",
    "  ___________________                                               ______________",
    " |                   |                    SCHEDA                   |              |",
    " |   TRENO n.5286    |                   da: Valmora P.R.          |    V140 B    |",
    " |___________________|                    a: Valmora P.F.          |     100%     |",
    "                                                                   |______________|",
    "  ___________________                ___________________            ______________",
    " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |          |              |",
    " |        REG        |              |      300T         |          | Ale 801/940  |",
    " |___________________|              |___________________|          |______________|",
    "",
    "  ________________________________________________________________________________",
    " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
    " | Lim.|Marc.|          |  Rs |                            |                |     |",
    chiusura_griglia,
    " |  80 |     |   86.150 |     |VALMORA PORTA ROMANA        | 13.41          |     |",
    " |     |     |   87.750 |     |VALMORA PORTA FIORENTINA    |          13.44 |   1 |",
};

constexpr std::array<std::string_view, 3> coda = {
    chiusura_griglia,
    "",
    fine_del_file,
};

// 49 lines and the end marker: the grid has 29 empty rows after the stations.
constexpr auto righe = con_righe_ripetute<29>(testa, riga_griglia, coda);
static_assert(righe.size() == 50 && righe[49] == fine_del_file);

}  // namespace

std::span<const std::string_view> contenuto_scheda() { return righe; }

void dati_scheda(Ambiente& a, std::string_view nome_percorso, std::string_view numero_treno) {
    a.sostituisci(nome_file(File::scheda_treno, nome_percorso, numero_treno),
                  [](Uscita& u) { stampa(contenuto_scheda(), u); });
}

}  // namespace compattatore
