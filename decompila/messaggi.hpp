// The messages of decompile and fmt, one constant each (decompila/messaggi.def).
#pragma once

#include "model/messaggio.hpp"

namespace compattatore::messaggi {
#define MESSAGGIO COMPATTATORE_MESSAGGIO
#include "decompila/messaggi.def"
#undef MESSAGGIO
}  // namespace compattatore::messaggi
