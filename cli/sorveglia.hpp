// Watch mode: a command run once and then again whenever one of its input
// files changes, each run's report after a separator line with the time. It
// ends only by a signal (Ctrl+C: exit status 130; SIGTERM: 143), which the
// program's handlers turn into the usual end, without temporaries left.
#pragma once

#include <ostream>

#include "cli/argomenti.hpp"
#include "cli/comandi.hpp"
#include "cli/messaggi.hpp"

namespace compattatore::cli {

// The option row of the commands that take it.
inline constexpr Opzione opzione_sorveglia{"--watch", "", "", messaggi::aiuto_opz_sorveglia};

// Runs c with a, watching a's positionals. A usage error ends the watch (it
// cannot change with the files); any other failure of a run is reported and
// the watch goes on.
int sorveglia(const Comando& c, const Argomenti& a, std::ostream& out, std::ostream& err);

}  // namespace compattatore::cli
