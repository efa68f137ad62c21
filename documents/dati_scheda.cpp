#include "documents/dati_scheda.hpp"

#include <array>

#include "driver/nomi_file.hpp"
#include "driver/stampa.hpp"

namespace compattatore {

namespace {
constexpr std::array<std::string_view, 1> righe = {
    fine_del_file,
};
}  // namespace

std::span<const std::string_view> contenuto_scheda() { return righe; }

void dati_scheda(Ambiente& a, std::string_view nome_percorso, std::string_view numero_treno) {
    a.sostituisci(nome_file(File::scheda_treno, nome_percorso, numero_treno),
                  [](Uscita& u) { stampa(contenuto_scheda(), u); });
}

}  // namespace compattatore
