#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/serial_date.h"

namespace selenar::cli {

// Bad input on the command line; main prints it on one line and exits with 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM[:SS]", "YYYY-MM-DDTHH:MM[:SS]" or "now",
// as a local moment within 1 January 1900 .. 31 December 2100.
SerialDate ParseMoment(std::string_view text);

struct YearMonth {
  int year;
  int month;
};
// "YYYY-MM" within January 1900 .. December 2100.
YearMonth ParseYearMonth(std::string_view text);

// A whole number within [low, high]; `what` names the option in the message.
int ParseInteger(std::string_view text, int low, int high, std::string_view what);

// "YYYY-MM-DDTHH:MM:SS" (and "YYYY-MM-DD" for DateIsoText).
std::string IsoText(SerialDate moment);
std::string DateIsoText(SerialDate moment);

// The words after the command, split into positional words and --options.
struct CommandLine {
  std::vector<std::string> positional;
  std::vector<std::pair<std::string, std::string>> options;  // name, value
  bool json = false;
  bool help = false;

  // The value of an option, or `fallback` when it was not given.
  std::string Option(std::string_view name, std::string_view fallback = {}) const;
  bool Has(std::string_view name) const;
};

// `valued` lists the options that take a value; --json and --help take none.
CommandLine SplitCommandLine(const std::vector<std::string>& words,
                             const std::vector<std::string_view>& valued);

}  // namespace selenar::cli
