// The identity of the embedded scenario: the route name and the train number
// that name every file of a run.
#pragma once

#include <string_view>

namespace compattatore {

inline constexpr std::string_view nome_percorso_incorporato = "Valmora PR_Valmora PF";
inline constexpr std::string_view numero_treno_incorporato = "5286";

}  // namespace compattatore
