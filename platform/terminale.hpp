// Whether the process's standard error is a terminal: the tool colours its
// report only there (unless told otherwise).
#pragma once

namespace compattatore {

bool errore_su_terminale();

}  // namespace compattatore
