// A feature as the readers' messages name it: alone ("signal at 500 m") and
// with its article ("the last position a signal may take").
#pragma once

#include "readers/messaggi.hpp"

namespace compattatore {

struct Elemento {
    const Modello& nome;
    const Modello& con_articolo;
};

namespace elementi {
inline constexpr Elemento pendenza{messaggi::lettura_pendenza, messaggi::lettura_una_pendenza};
inline constexpr Elemento curva{messaggi::lettura_curva, messaggi::lettura_una_curva};
inline constexpr Elemento zona_montagna{messaggi::lettura_zona_montagna, messaggi::lettura_una_zona_montagna};
inline constexpr Elemento cartello_velocita{messaggi::lettura_cartello_velocita,
                                            messaggi::lettura_un_cartello_velocita};
inline constexpr Elemento cartello_indicatore{messaggi::lettura_cartello_indicatore,
                                              messaggi::lettura_un_cartello_indicatore};
inline constexpr Elemento segnale{messaggi::lettura_segnale, messaggi::lettura_un_segnale};
inline constexpr Elemento rallentamento{messaggi::lettura_rallentamento, messaggi::lettura_un_rallentamento};
inline constexpr Elemento fine_rallentamento{messaggi::lettura_fine_rallentamento,
                                             messaggi::lettura_una_fine_rallentamento};
inline constexpr Elemento punto_codice{messaggi::lettura_punto_codice, messaggi::lettura_un_punto_codice};
inline constexpr Elemento stazione{messaggi::lettura_stazione, messaggi::lettura_una_stazione};
inline constexpr Elemento limite_velocita{messaggi::lettura_limite_velocita, messaggi::lettura_un_limite_velocita};
inline constexpr Elemento aderenza{messaggi::lettura_aderenza, messaggi::lettura_un_aderenza};
}  // namespace elementi

}  // namespace compattatore
