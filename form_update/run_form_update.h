#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace league {

// The whole run of form_update in the current directory: reads form.txt and
// results.txt, applies the results, orders the teams by form points, replaces
// form.txt, and waits for a key. Returns the exit status.
int run_form_update(const std::vector<std::string>& args, std::istream& in, std::ostream& out);

}  // namespace league
