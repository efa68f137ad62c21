#include "platform/terminale.hpp"

#include <unistd.h>

namespace compattatore {

bool errore_su_terminale() { return isatty(STDERR_FILENO) == 1; }

}  // namespace compattatore
