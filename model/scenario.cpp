#include "model/scenario.hpp"

#include "model/arrotonda.hpp"
#include "model/messaggi.hpp"

#include <string>
#include <utility>

namespace compattatore {

namespace {
[[noreturn]] void fuori(const char* tabella, std::int64_t indice) {
    throw FuoriTabella(Messaggio(messaggi::modello_indice_fuori_tabella, tabella, indice));
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

void Scenario::segnala(Stato stato, Sorgente sorgente, Luogo luogo, std::optional<std::int32_t> posizione,
                       std::optional<std::int64_t> cella, Messaggio messaggio) {
    Diagnostica d;
    d.stato = stato;
    d.posizione = posizione;
    d.cella = cella;
    d.sorgente = sorgente;
    d.riga = luogo.riga;
    d.colonna = luogo.colonna;
    d.messaggio = std::move(messaggio);
    codice_errore = stato;
    if (posizione) posizione_errore = *posizione;
    diagnostiche.push_back(std::move(d));
}

void Scenario::annota(Stato stato, Sorgente sorgente, Luogo luogo, std::int32_t colonna_fine,
                      Messaggio messaggio) {
    Diagnostica d;
    d.stato = stato;
    d.sorgente = sorgente;
    d.riga = luogo.riga;
    d.colonna = luogo.colonna;
    d.colonna_fine = colonna_fine;
    d.messaggio = std::move(messaggio);
    diagnostiche.push_back(std::move(d));
}

void dimensiona_percorso(Scenario& s, std::int32_t lunghezza) {
    if (lunghezza < 0 || lunghezza > lunghezza_massima) {
        throw FuoriTabella(Messaggio(messaggi::modello_lunghezza_senza_binario, lunghezza));
    }
    s.lunghezza_estesa = lunghezza + prolungamento;
    s.ultima_cella = static_cast<std::int32_t>(arrotonda(s.lunghezza_estesa, 50));
    s.percorso.assign(static_cast<std::size_t>(s.ultima_cella) + 1, Cella{});
}

}  // namespace compattatore
