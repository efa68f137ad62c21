// What a feature recorder did with one entry: placed it, or refused it with
// the status it recorded in that call (never a status left by an earlier
// step). The reader stops on a refusal, except on Stato::oltre_il_percorso,
// after which it completes the track as for its own range check.
#pragma once

#include <optional>

#include "model/stato.hpp"

namespace compattatore {

struct EsitoMemo {
    std::optional<Stato> rifiuto;

    bool registrato() const { return !rifiuto; }
    bool operator==(const EsitoMemo&) const = default;
};

inline constexpr EsitoMemo registrato{};
inline constexpr EsitoMemo rifiutato(Stato s) { return EsitoMemo{s}; }

}  // namespace compattatore
