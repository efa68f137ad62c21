// The model's messages, one constant each (model/messaggi.def).
#pragma once

#include "model/messaggio.hpp"

namespace compattatore::messaggi {
#define MESSAGGIO COMPATTATORE_MESSAGGIO
#include "model/messaggi.def"
#undef MESSAGGIO
}  // namespace compattatore::messaggi
