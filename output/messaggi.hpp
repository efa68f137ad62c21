// The messages of the finishing rules and the compile, one constant each (output/messaggi.def).
#pragma once

#include "model/messaggio.hpp"

namespace compattatore::messaggi {
#define MESSAGGIO COMPATTATORE_MESSAGGIO
#include "output/messaggi.def"
#undef MESSAGGIO
}  // namespace compattatore::messaggi
