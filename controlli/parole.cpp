// The keywords of the two descriptions as an author writes them, for the
// suggestions of the class "unknown-entry", and the names of the classes.
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "controlli/controlli.hpp"
#include "model/stato.hpp"

namespace compattatore {

namespace {

constexpr std::array<std::string_view, 15> parole_linea{
    "lunghezza percorso", "progressiva chilometrica uno", "progressiva chilometrica due",
    "progressiva chilometrica tre", "sfondo uno", "sfondo due", "sfondo tre", "ripetizione segnali 4 codici",
    "pendenza", "curvad", "curvas", "montagna", "indicatori_vmax", "cartello_indicatore", "lunghezza"};

constexpr std::array<std::string_view, 10> parole_treno{
    "numero vetture", "percentuale massa frenata", "sabbia", "orologio", "aderenza",
    "velocita", "stazione", "rallentamento", "segnale", "abbattimento"};

char minuscola(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The edit distance with a swap of two neighbours counted once.
std::size_t distanza(std::string_view a, std::string_view b) {
    // Lengths far apart are far apart: no table needed.
    if (a.size() > b.size() + 2 || b.size() > a.size() + 2) return 3;
    const std::size_t w = b.size() + 1;
    std::vector<std::size_t> d((a.size() + 1) * w);
    const auto at = [&](std::size_t i, std::size_t j) -> std::size_t& { return d[i * w + j]; };
    for (std::size_t i = 0; i <= a.size(); ++i) at(i, 0) = i;
    for (std::size_t j = 0; j <= b.size(); ++j) at(0, j) = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t costo = a[i - 1] == b[j - 1] ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + costo});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
            }
        }
    }
    return at(a.size(), b.size());
}

}  // namespace

std::string_view senza_numero(std::string_view campo) {
    while (!campo.empty() && (campo.back() == ' ' || campo.back() == '\t' || (campo.back() >= '0' && campo.back() <= '9'))) {
        campo.remove_suffix(1);
    }
    return campo;
}

bool parola_esatta(std::string_view campo, Sorgente sorgente) {
    campo = senza_numero(campo);
    const auto& parole = sorgente == Sorgente::treno ? std::span<const std::string_view>(parole_treno)
                                                     : std::span<const std::string_view>(parole_linea);
    return std::find(parole.begin(), parole.end(), campo) != parole.end();
}

std::optional<std::string_view> parola_vicina(std::string_view campo, Sorgente sorgente) {
    std::string c;
    for (const char x : campo) c += minuscola(x);
    while (!c.empty() && (c.back() == ' ' || c.back() == '\t' || (c.back() >= '0' && c.back() <= '9'))) c.pop_back();
    if (c.size() < 4) return std::nullopt;
    const auto& parole = sorgente == Sorgente::treno ? std::span<const std::string_view>(parole_treno)
                                                     : std::span<const std::string_view>(parole_linea);
    // A keyword spelt right is its own nearest.
    if (const auto it = std::find(parole.begin(), parole.end(), c); it != parole.end()) return *it;
    const std::size_t soglia = c.size() < 7 ? 1 : 2;
    std::optional<std::string_view> migliore;
    std::size_t minima = soglia + 1;
    const auto prova = [&](std::string_view p) {
        const std::size_t d = distanza(c, p);
        if (d < minima) {
            minima = d;
            migliore = p;
        }
    };
    for (const std::string_view p : parole) prova(p);
    return migliore;
}

std::optional<Stato> classe_di(std::string_view nome) {
    for (const Stato s : classi_avviso()) {
        if (compattatore::nome(s) == nome) return s;
    }
    return std::nullopt;
}

bool SceltaAvvisi::vuole(Stato classe) const {
    if (accesi.contains(classe)) return true;
    return !nessuno && !spenti.contains(classe);
}

}  // namespace compattatore
