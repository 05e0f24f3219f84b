#include "cli/arguments.h"

#include <algorithm>
#include <charconv>
#include <regex>

#include "engine/calendar_range.h"
#include "engine/time_zone.h"
#include "engine/word_tables.h"

namespace selenar::cli {

namespace {

int Number(const std::ssub_match& match) { return match.matched ? std::stoi(match.str()) : 0; }

std::string RangeMessage() {
  return "date outside 1 January " + std::to_string(kFirstYear) + " .. 31 December " +
         std::to_string(kLastYear);
}

}  // namespace

SerialDate ParseMoment(std::string_view text) {
  if (text == "now") return UniversalToLocal(UniversalNow());
  static const std::regex pattern(
      R"((\d{4})-(\d{2})-(\d{2})(?:[ T](\d{1,2}):(\d{2})(?::(\d{2}))?)?)");
  std::smatch match;
  const std::string input(text);
  if (!std::regex_match(input, match, pattern)) {
    throw UsageError("cannot read the moment '" + input +
                     "': write YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS] or now");
  }
  const int year = Number(match[1]), month = Number(match[2]), day = Number(match[3]);
  const int hour = Number(match[4]), minute = Number(match[5]), second = Number(match[6]);
  if (!IsValidDate(year, month, day) || hour > 23 || minute > 59 || second > 59) {
    throw UsageError("no such date or time: '" + input + "'");
  }
  const SerialDate moment = SerialDate::FromFields(year, month, day, hour, minute, second);
  if (!IsSelectableMoment(moment)) throw UsageError(RangeMessage() + ": '" + input + "'");
  return moment;
}

YearMonth ParseYearMonth(std::string_view text) {
  static const std::regex pattern(R"((\d{4})-(\d{2}))");
  std::smatch match;
  const std::string input(text);
  if (!std::regex_match(input, match, pattern)) {
    throw UsageError("cannot read the month '" + input + "': write YYYY-MM");
  }
  const int year = Number(match[1]), month = Number(match[2]);
  if (month < 1 || month > 12) throw UsageError("no such month: '" + input + "'");
  if (year < kFirstYear || year > kLastYear) throw UsageError(RangeMessage() + ": '" + input + "'");
  return {year, month};
}

int ParseInteger(std::string_view text, int low, int high, std::string_view what) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) {
    throw UsageError(std::string(what) + " must be a whole number from " + std::to_string(low) +
                     " to " + std::to_string(high) + ", not '" + std::string(text) + "'");
  }
  return value;
}

std::string DateIsoText(SerialDate moment) {
  const CalendarFields f = moment.Fields();
  return PadNumber(f.year, 4) + "-" + PadNumber(f.month, 2) + "-" + PadNumber(f.day, 2);
}

std::string IsoText(SerialDate moment) {
  const CalendarFields f = moment.Fields();
  return DateIsoText(moment) + "T" + PadNumber(f.hour, 2) + ":" + PadNumber(f.minute, 2) + ":" +
         PadNumber(f.second, 2);
}

std::string CommandLine::Option(std::string_view name, std::string_view fallback) const {
  for (const auto& [key, value] : options) {
    if (key == name) return value;
  }
  return std::string(fallback);
}

bool CommandLine::Has(std::string_view name) const {
  return std::any_of(options.begin(), options.end(),
                     [&](const auto& option) { return option.first == name; });
}

CommandLine SplitCommandLine(const std::vector<std::string>& words,
                             const std::vector<std::string_view>& valued) {
  CommandLine line;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "--json") {
      line.json = true;
    } else if (word == "--help" || word == "-h") {
      line.help = true;
    } else if (word.starts_with("--")) {
      const auto equals = word.find('=');
      const std::string name = word.substr(2, equals == std::string::npos ? word.npos : equals - 2);
      if (std::find(valued.begin(), valued.end(), name) == valued.end()) {
        throw UsageError("unknown option '" + word + "'");
      }
      if (line.Has(name)) throw UsageError("option --" + name + " given twice");
      if (equals != std::string::npos) {
        line.options.emplace_back(name, word.substr(equals + 1));
      } else if (i + 1 < words.size()) {
        line.options.emplace_back(name, words[++i]);
      } else {
        throw UsageError("option --" + name + " needs a value");
      }
    } else {
      line.positional.push_back(word);
    }
  }
  return line;
}

}  // namespace selenar::cli
