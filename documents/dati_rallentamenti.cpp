#include "documents/dati_rallentamenti.hpp"

#include <array>

#include "driver/nomi_file.hpp"
#include "driver/stampa.hpp"

namespace compattatore {

namespace {
constexpr std::array<std::string_view, 1> righe = {
    fine_del_file,
};
}  // namespace

std::span<const std::string_view> contenuto_rallentamenti() { return righe; }

void dati_rallentamenti(Ambiente& a, std::string_view nome_percorso, std::string_view numero_treno) {
    a.sostituisci(nome_file(File::rallentamenti, nome_percorso, numero_treno),
                  [](Uscita& u) { stampa(contenuto_rallentamenti(), u); });
}

}  // namespace compattatore
