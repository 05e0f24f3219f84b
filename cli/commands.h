#pragma once

#include <string>
#include <vector>

namespace selenar::cli {

// Each command takes the words after its name and returns what it prints on
// standard output; bad input throws UsageError before anything is printed.
std::string DayCommand(const std::vector<std::string>& words);
std::string MonthCommand(const std::vector<std::string>& words);
std::string SearchCommand(const std::vector<std::string>& words);

}  // namespace selenar::cli
