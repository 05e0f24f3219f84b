#include <nlohmann/json.hpp>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/date_search.h"
#include "engine/date_text.h"
#include "engine/lunar_day.h"

namespace selenar::cli {

namespace {

constexpr const char* kHelp =
    "usage: selenar-cli search --from MOMENT [--mode 0..3] [--lunar-day N] [--to-day M]\n"
    "                          [--sign S] [--limit K] [--json]\n"
    "Days after MOMENT, up to 31 December 2100, at the same time of day, whose\n"
    "lunar day and/or Moon sign match:\n"
    "  mode 0  lunar day N            mode 2  lunar day N and sign S\n"
    "  mode 1  sign S                 mode 3  lunar days N..M and sign S\n"
    "N and M are 0..31 (default 1), S is 1 (Aries) .. 12 (Pisces) (default 1);\n"
    "--limit stops after K matches.\n";

}  // namespace

std::string SearchCommand(const std::vector<std::string>& words) {
  const CommandLine line =
      SplitCommandLine(words, {"from", "mode", "lunar-day", "to-day", "sign", "limit"});
  if (line.help) return kHelp;
  if (!line.positional.empty()) throw UsageError("unexpected word '" + line.positional[0] + "'");
  if (!line.Has("from")) throw UsageError("search needs --from MOMENT (see search --help)");

  const SerialDate from = ParseMoment(line.Option("from"));
  SearchCriteria criteria;
  criteria.mode = static_cast<SearchMode>(ParseInteger(line.Option("mode", "0"), 0, 3, "--mode"));
  criteria.lunarDay = ParseInteger(line.Option("lunar-day", "1"), 0, 31, "--lunar-day");
  criteria.lastLunarDay = ParseInteger(line.Option("to-day", "1"), 0, 31, "--to-day");
  criteria.sign = ParseInteger(line.Option("sign", "1"), 1, 12, "--sign");
  const int limit =
      line.Has("limit") ? ParseInteger(line.Option("limit"), 1, 1'000'000, "--limit") : -1;

  std::vector<SerialDate> results;
  const int days = SearchDayCount(from);
  for (int i = 1; i <= days && results.size() != std::size_t(limit); ++i) {
    const SerialDate candidate = from.AddDays(i);
    const MomentSample sample = SampleMoment(candidate);
    if (MatchesSearch(criteria, sample.lunarDay, sample.sign)) results.push_back(candidate);
  }

  if (line.json) {
    nlohmann::json list = nlohmann::json::array();
    for (const SerialDate result : results) list.push_back(IsoText(result));
    return nlohmann::json{{"results", list}}.dump() + "\n";
  }
  std::string text;
  for (const SerialDate result : results) {
    text += LongDateText(result, true) + "  " + GeneralDateText(result) + "\n";
  }
  return text;
}

}  // namespace selenar::cli
