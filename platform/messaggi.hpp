// The shells' messages, one constant each (platform/messaggi.def).
#pragma once

#include "model/messaggio.hpp"

namespace compattatore::messaggi {
#define MESSAGGIO COMPATTATORE_MESSAGGIO
#include "platform/messaggi.def"
#undef MESSAGGIO
}  // namespace compattatore::messaggi
