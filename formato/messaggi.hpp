// The decoders' messages, one constant each (formato/messaggi.def).
#pragma once

#include "model/messaggio.hpp"

namespace compattatore::messaggi {
#define MESSAGGIO COMPATTATORE_MESSAGGIO
#include "formato/messaggi.def"
#undef MESSAGGIO
}  // namespace compattatore::messaggi
