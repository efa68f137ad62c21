#include "platform/terminale.hpp"

#include <io.h>
#include <stdio.h>

namespace compattatore {

bool errore_su_terminale() { return _isatty(_fileno(stderr)) != 0; }

}  // namespace compattatore
