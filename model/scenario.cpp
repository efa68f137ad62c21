#include "model/scenario.hpp"

#include <string>
#include <utility>

namespace compattatore {

namespace {
[[noreturn]] void fuori(const char* tabella, std::int64_t indice) {
    throw FuoriTabella(std::string(tabella) + ": index " + std::to_string(indice) + " is outside the table");
}
}  // namespace

Cella& Scenario::cella(std::int64_t indice) {
    if (!cella_esiste(indice)) fuori("percorso", indice);
    return percorso[static_cast<std::size_t>(indice)];
}

const Cella& Scenario::cella(std::int64_t indice) const {
    if (!cella_esiste(indice)) fuori("percorso", indice);
    return percorso[static_cast<std::size_t>(indice)];
}

Voce& Scenario::voce(std::int64_t indice) {
    if (indice < 0 || indice >= numero_voci) fuori("voci", indice);
    return voci[static_cast<std::size_t>(indice)];
}

const Voce& Scenario::voce(std::int64_t indice) const {
    if (indice < 0 || indice >= numero_voci) fuori("voci", indice);
    return voci[static_cast<std::size_t>(indice)];
}

void Scenario::registra(Diagnostica d) {
    codice_errore = d.codice;
    if (d.posizione) posizione_errore = *d.posizione;
    diagnostiche.push_back(std::move(d));
}

}  // namespace compattatore
