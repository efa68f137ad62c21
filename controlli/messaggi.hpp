// The messages of the checks on meaning, one constant each (controlli/messaggi.def).
#pragma once

#include "model/messaggio.hpp"

namespace compattatore::messaggi {
#define MESSAGGIO COMPATTATORE_MESSAGGIO
#include "controlli/messaggi.def"
#undef MESSAGGIO
}  // namespace compattatore::messaggi
