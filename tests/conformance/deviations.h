// Where a desktop does not yet do what Windows does, row by row. The
// simulated desktop's list empties as the desktop is mended; Wine's list
// names, for each row, the test in Wine's own suite that shows it.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace conformance {

// Row id -> what the simulated desktop does instead.
const std::map<std::string_view, std::string_view>& sim_deviations();
// Row id -> what Wine does instead, and the Wine test (todo_wine) or
// measurement that shows it.
const std::map<std::string_view, std::string_view>& wine_deviations();

// The table in Markdown, with both lists, as docs/conformance.md holds it.
std::string markdown_table();

}  // namespace conformance
