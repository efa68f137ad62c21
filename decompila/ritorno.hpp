// The proof of a round trip: description texts compiled in memory as the
// tool compiles them, and the tables they give set against the tables of
// compiled files, member by member, in the author's terms.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/messaggio.hpp"
#include "model/scenario.hpp"

namespace compattatore::decompila {

// The tables of a compiled scenario, as decoded from its files. Without a
// plan file the plan is not known.
struct Tabelle {
    std::optional<Planimetria> planimetria;
    Voci voci{};
    std::vector<Cella> percorso;
};

// What a compile of two texts gave.
struct Compilato {
    Scenario scenario;
    Stato arresto = Stato::nessuno;  // a numbered error stop, or none
    bool percorso_assente = false;
    bool rifiutato = false;     // a description was refused (a problem that is not a warning)

    // The status and its position, for comparing two compiles.
    bool stesso_esito(const Compilato& altro) const;
};

// Compiles the texts with the given names; j = 0 builds no plan.
Compilato compila_testi(std::string_view linea, std::string_view treno, const std::string& nome_percorso,
                        const std::string& numero_treno, std::int32_t j);

// The three files' bytes of a compile (the plan's only when it was built).
struct Byte {
    std::string planimetria, voci, percorso;
    bool operator==(const Byte&) const = default;
};
Byte serializza(const Scenario& s);

// Where the tables of a compile differ from the expected ones: one sentence
// each, metres first for the track, at most `massimo`. The plan is compared
// only when the expected tables have one.
std::vector<Messaggio> differenze(const Scenario& ottenuto, const Tabelle& attese, std::size_t massimo = 20);

// What a cell holds, member by member, for the messages.
std::string descrivi_cella(const Cella& c);

}  // namespace compattatore::decompila
