// compattatore-cli inspect FILE... [--json]: a readable report of compiled
// scenario files (plan, entry, track), or one JSON document of the same.
//
// A file that is not one this system writes gives one error line and exit
// status 2; nothing is printed for the others then.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace compattatore::cli {

extern const char* const aiuto_inspect;

// Runs "inspect" on its arguments (a[0] is "inspect"); returns the exit status.
int comando_inspect(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);

}  // namespace compattatore::cli
