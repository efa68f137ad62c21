// The tool's messages, one constant each (cli/messaggi.def).
#pragma once

#include "model/messaggio.hpp"

namespace compattatore::messaggi {
#define MESSAGGIO COMPATTATORE_MESSAGGIO
#include "cli/messaggi.def"
#undef MESSAGGIO
}  // namespace compattatore::messaggi
