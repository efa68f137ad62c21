#include "describe/dati_linea.hpp"

#include <array>

#include "driver/nomi_file.hpp"
#include "driver/stampa.hpp"

namespace compattatore {

namespace {
constexpr std::array<std::string_view, 1> righe = {
    fine_del_file,
};
}  // namespace

std::span<const std::string_view> contenuto_linea() { return righe; }

void dati_linea(Ambiente& a, std::string_view nome_percorso, std::string_view numero_treno) {
    a.sostituisci(nome_file(File::descrizione_linea, nome_percorso, numero_treno),
                  [](Uscita& u) { stampa(contenuto_linea(), u); });
}

}  // namespace compattatore
