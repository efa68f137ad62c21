// The language server's messages, one constant each (lsp/messaggi.def).
#pragma once

#include "model/messaggio.hpp"

namespace compattatore::messaggi {
#define MESSAGGIO COMPATTATORE_MESSAGGIO
#include "lsp/messaggi.def"
#undef MESSAGGIO
}  // namespace compattatore::messaggi
