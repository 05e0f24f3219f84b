// selenar-cli: the Moon's values of Selenar for scripts.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"

namespace {

constexpr const char* kUsage =
    "usage: selenar-cli COMMAND [ARGS] [--json]\n"
    "  day MOMENT        the Moon's state at a local moment\n"
    "  month YYYY-MM     the month grid with lunar days and signs\n"
    "  search --from MOMENT --mode 0..3 ...   days with a lunar day and/or sign\n"
    "Run selenar-cli COMMAND --help for details. Times are local (TZ honoured).\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace selenar::cli;
  const std::vector<std::string> words(argv + std::min(argc, 2), argv + argc);
  const std::string command = argc > 1 ? argv[1] : "";
  try {
    std::string output;
    if (command == "day") {
      output = DayCommand(words);
    } else if (command == "month") {
      output = MonthCommand(words);
    } else if (command == "search") {
      output = SearchCommand(words);
    } else if (command == "--help" || command == "-h" || command == "help") {
      output = kUsage;
    } else {
      throw UsageError(command.empty() ? "no command given (try --help)"
                                       : "unknown command '" + command + "' (try --help)");
    }
    std::cout << output;
    return 0;
  } catch (const UsageError& error) {
    std::cerr << "selenar-cli: " << error.what() << "\n";
    return 2;
  }
}
