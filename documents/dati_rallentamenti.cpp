#include "documents/dati_rallentamenti.hpp"

#include <array>

#include "documents/righe_ripetute.hpp"
#include "driver/base/stampa.hpp"
#include "formato/nomi_file.hpp"

namespace compattatore {

namespace {

// The rule under the table heading and at the foot of the table.
constexpr std::string_view chiusura_tabella =
    " |___|____________________________|____________|__________|_________|____________|";

// An empty row of the table: the form is printed blank.
constexpr std::string_view riga_tabella =
    " |   |                            |            |          |         |            |";

constexpr std::array<std::string_view, 12> testa = {
    "",
    "                               Modulo M. 3",
    "                           ORDINE DI RALLENTAMENTO",
    " ________________________________________________________________________________",
    "  Linea  xxxxxx xxxxxxx",
    "",
    "  Si ordina al macchinista del treno xxxxx di effettuare i seguenti rallentamenti",
    "  _______________________________________________________________________________",
    " |   |                            |Inizio dopo |          |         |            |",
    " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|",
    " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |",
    chiusura_tabella,
};

// The key of the prescriptions stands in the order A, B, D, C; the last line
// continues C.
constexpr std::array<std::string_view, 9> coda = {
    chiusura_tabella,
    "",
    "              Prescrizioni specifiche",
    " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
    " B - Interessa anche la stazione di.......",
    " D - Rallentamneto N. ... e N. ...  sono contigui",
    " C - Da rispettare dalle ore ....  alle ore ..... di tutti",
    "     i giorni esclusi i seguenti:.........",
    fine_del_file,
};

// 46 lines and the end marker: the table has 26 empty rows.
constexpr auto righe = con_righe_ripetute<26>(testa, riga_tabella, coda);
static_assert(righe.size() == 47 && righe[46] == fine_del_file);

}  // namespace

std::span<const std::string_view> contenuto_rallentamenti() { return righe; }

void dati_rallentamenti(Ambiente& a, std::string_view nome_percorso, std::string_view numero_treno) {
    a.sostituisci(nome_file(File::rallentamenti, nome_percorso, numero_treno),
                  [](Uscita& u) { stampa(contenuto_rallentamenti(), u); });
}

}  // namespace compattatore
