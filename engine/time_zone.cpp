#include "time_zone.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace selenar {

namespace {

// Days from 30 December 1899 to 1 January 1970.
constexpr double kUnixEpochSerial = 25569.0;

}  // namespace

int TimeZone::OffsetAtLocal(SerialDate local) const {
  // A day either side of the local moment brackets any single change of offset.
  const int before = OffsetAtUniversal(local.AddDays(-1));
  if (OffsetAtUniversal(local.AddMinutes(before)) == before) return before;
  const int after = OffsetAtUniversal(local.AddDays(1));
  if (OffsetAtUniversal(local.AddMinutes(after)) == after) return after;
  return before;
}

int SystemTimeZone::OffsetAtUniversal(SerialDate universal) const {
  const double seconds =
      std::round((universal.Instant() - kUnixEpochSerial) * 86400.0);
  if (!std::isfinite(seconds)) return 0;
  const std::time_t moment = static_cast<std::time_t>(seconds);
  std::tm fields{};
  if (localtime_r(&moment, &fields) == nullptr) return 0;
  // Local mean time before standard zones is rounded to whole minutes.
  return -static_cast<int>(std::lround(fields.tm_gmtoff / 60.0));
}

const TimeZone& SystemZone() {
  static const SystemTimeZone zone;
  return zone;
}

void ReloadSystemTimeZone() { tzset(); }

int TimeZoneOffset() {
  ReloadSystemTimeZone();
  return SystemZone().OffsetAtUniversal(UniversalNow());
}

SerialDate LocalToUniversal(SerialDate local, const TimeZone& zone) {
  return local.AddMinutes(zone.OffsetAtLocal(local));
}

SerialDate UniversalToLocal(SerialDate universal, const TimeZone& zone) {
  return universal.AddMinutes(-zone.OffsetAtUniversal(universal));
}

SerialDate UniversalNow() {
  const auto since =
      std::chrono::system_clock::now().time_since_epoch();
  const double seconds = std::chrono::duration<double>(since).count();
  return SerialDate::FromInstant(kUnixEpochSerial + seconds / 86400.0);
}

}  // namespace selenar
