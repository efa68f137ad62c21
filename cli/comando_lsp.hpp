// `compattatore-cli lsp`: the language server of the two descriptions.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace compattatore::cli {

// Serves the protocol on standard input and `out` until the editor says
// exit: 0 after a shutdown, 1 otherwise.
int comando_lsp(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err);

}  // namespace compattatore::cli
