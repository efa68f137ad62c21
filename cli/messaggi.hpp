// The tool's messages, one constant each (cli/messaggi.def) and its help
// texts (cli/messaggi_aiuto.def).
#pragma once

#include "model/messaggio.hpp"

namespace compattatore::messaggi {
#define MESSAGGIO COMPATTATORE_MESSAGGIO
#include "cli/messaggi.def"
#include "cli/messaggi_aiuto.def"
#undef MESSAGGIO
}  // namespace compattatore::messaggi
