#include "engine/day_values.h"

#include "engine/lunar_day.h"
#include "engine/lunar_phases.h"
#include "engine/moon_age.h"
#include "engine/zodiac.h"

namespace selenar {

namespace {

constexpr const char* kLineBreak = "\r\n";

std::string TooltipText(const DayValues& v) {
  std::string text = std::to_string(static_cast<int>(v.lunarDay)) + " л/д" + kLineBreak +
                     "Видимость " + std::to_string(v.visiblePercent) + "%" + kLineBreak +
                     v.signPosition + kLineBreak + v.elementText;
  if (!v.courseText.empty()) text += kLineBreak + v.courseText;
  return text;
}

}  // namespace

DayValues ComputeDayValues(SerialDate localMoment, const TimeZone& zone) {
  DayValues v;
  v.moment = localMoment;
  v.momentUT = LocalToUniversal(localMoment, zone);
  const SerialDate ut = v.momentUT;

  v.moonAge = MoonAge(ut);
  v.lunarDay = LunarDayNumber(v.moonAge);
  v.phaseAngle = PhaseAngleOfAge(v.moonAge);
  v.visibleShare = VisibleShareOfAge(v.moonAge);
  v.visiblePercent = VisiblePercent(v.visibleShare);
  v.visibilityText = "Видимость Луны: " + std::to_string(v.visiblePercent) + " %";

  v.longitude = MoonLongitude(ut);
  v.sign = SignOfLongitude(v.longitude);
  v.signPosition = SignPositionTextOfLongitude(v.longitude);
  const MoonCourseInfo course = MoonCourse(v.sign);
  v.courseCode = course.code;
  v.courseText = std::string(course.word);
  v.elementCode = ElementCode(v.sign);
  v.elementText = ElementDayText(v.sign);

  const DatePhase phase = PhaseOfDate(ut);
  v.phaseCode = phase.code;
  v.phaseText = PhaseText(phase, zone);
  v.previousNewMoon = UniversalToLocal(PreviousNewMoon(ut), zone);
  v.nextNewMoon = UniversalToLocal(NextNewMoon(ut), zone);
  v.previousFullMoon = UniversalToLocal(PreviousFullMoon(ut), zone);
  v.nextFullMoon = UniversalToLocal(NextFullMoon(ut), zone);

  v.keys = {static_cast<std::int16_t>(v.lunarDay), static_cast<std::int16_t>(v.sign),
            static_cast<std::int16_t>(v.phaseCode), static_cast<std::int16_t>(v.elementCode),
            static_cast<std::int16_t>(v.courseCode)};
  v.tooltip = TooltipText(v);
  return v;
}

}  // namespace selenar
