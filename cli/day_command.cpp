#include <nlohmann/json.hpp>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/date_text.h"
#include "engine/day_values.h"
#include "engine/word_tables.h"

namespace selenar::cli {

namespace {

constexpr const char* kHelp =
    "usage: selenar-cli day MOMENT [--json]\n"
    "The Moon's state at a local moment (TZ honoured).\n"
    "MOMENT is YYYY-MM-DD, \"YYYY-MM-DD HH:MM[:SS]\", YYYY-MM-DDTHH:MM[:SS] or now,\n"
    "from 1900-01-01 to 2100-12-31.\n";

std::string OneLine(std::string text) {
  for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n")) {
    text.replace(at, 2, " ");
  }
  return text;
}

nlohmann::json DayJson(const DayValues& v) {
  return {
      {"moment", IsoText(v.moment)},
      {"moment_ut", IsoText(v.momentUT)},
      {"moon_age", v.moonAge},
      {"lunar_day", static_cast<int>(v.lunarDay)},
      {"phase_angle", v.phaseAngle},
      {"visible_share", v.visibleShare},
      {"visible_percent", v.visiblePercent},
      {"longitude", v.longitude},
      {"sign", v.sign},
      {"sign_position", v.signPosition},
      {"course", v.courseCode},
      {"course_text", v.courseText},
      {"element", v.elementCode},
      {"element_text", v.elementText},
      {"phase_code", v.phaseCode},
      {"phase_text", v.phaseText},
      {"previous_new_moon", IsoText(v.previousNewMoon)},
      {"next_new_moon", IsoText(v.nextNewMoon)},
      {"previous_full_moon", IsoText(v.previousFullMoon)},
      {"next_full_moon", IsoText(v.nextFullMoon)},
      {"day_keys",
       {{"md", v.keys.md},
        {"Zod", v.keys.Zod},
        {"Faz", v.keys.Faz},
        {"Qual", v.keys.Qual},
        {"Vn", v.keys.Vn}}},
      {"tooltip", v.tooltip},
  };
}

std::string DayText(const DayValues& v) {
  std::string text;
  const auto line = [&text](const std::string& label, const std::string& value) {
    text += label + value + "\n";
  };
  line("Момент: ", GeneralDateText(v.moment) + " (UT " + GeneralDateText(v.momentUT) + ")");
  line("Лунный день: ", std::to_string(static_cast<int>(v.lunarDay)));
  line("Фаза: ", OneLine(v.phaseText));
  line("", v.visibilityText);
  line("Луна: ", v.signPosition + " " + ZodiacSymbolText(ZodiacSymbolCode(v.sign)));
  if (!v.courseText.empty()) line("", v.courseText);
  line("", v.elementText);
  line("Предыдущее новолуние: ", GeneralDateText(v.previousNewMoon));
  line("Следующее новолуние: ", GeneralDateText(v.nextNewMoon));
  line("Предыдущее полнолуние: ", GeneralDateText(v.previousFullMoon));
  line("Следующее полнолуние: ", GeneralDateText(v.nextFullMoon));
  return text;
}

}  // namespace

std::string DayCommand(const std::vector<std::string>& words) {
  const CommandLine line = SplitCommandLine(words, {});
  if (line.help) return kHelp;
  if (line.positional.size() != 1) throw UsageError("day takes one MOMENT (see day --help)");
  const DayValues values = ComputeDayValues(ParseMoment(line.positional[0]));
  return line.json ? DayJson(values).dump() + "\n" : DayText(values);
}

}  // namespace selenar::cli
