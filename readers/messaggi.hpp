// The readers' messages, one constant each (readers/messaggi.def).
#pragma once

#include "model/messaggio.hpp"

namespace compattatore::messaggi {
#define MESSAGGIO COMPATTATORE_MESSAGGIO
#include "readers/messaggi.def"
#undef MESSAGGIO
}  // namespace compattatore::messaggi
