#include "engine/time_zone.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

namespace selenar {

namespace {

// Days from 30 December 1899 to 1 January 1970.
constexpr double kUnixEpochSerial = 25569.0;
const cctz::civil_second kUnixEpochCivil(1970, 1, 1, 0, 0, 0);

// Offsets are whole minutes; local mean time before standard zones is rounded.
int MinutesWestOf(long long secondsEast) {
  return -static_cast<int>(std::lround(secondsEast / 60.0));
}

long long UnixSeconds(SerialDate universal) {
  return std::llround((universal.Instant() - kUnixEpochSerial) * 86400.0);
}

cctz::civil_second CivilSecond(SerialDate local) {
  const CalendarFields f = local.Fields();
  return cctz::civil_second(f.year, f.month, f.day, f.hour, f.minute, f.second);
}

}  // namespace

int TimeZone::OffsetAtLocal(SerialDate local) const {
  // A day either side of the local moment brackets any single change of offset.
  const int before = OffsetAtUniversal(local.AddDays(-1));
  if (OffsetAtUniversal(local.AddMinutes(before)) == before) return before;
  const int after = OffsetAtUniversal(local.AddDays(1));
  if (OffsetAtUniversal(local.AddMinutes(after)) == after) return after;
  return before;
}

// The zone database through CCTZ, which keeps each zone's transitions in a
// table; a TZ value it cannot read (a POSIX rule such as "MSK-3") is left to
// the C library instead.
class SystemTimeZone::Zone {
 public:
  Zone() {
    const char* name = std::getenv("TZ");
    if (name == nullptr || *name == '\0') {
      zone_ = cctz::local_time_zone();
      loaded_ = true;
    } else {
      loaded_ = cctz::load_time_zone(name[0] == ':' ? name + 1 : name, &zone_);
      if (!loaded_) tzset();
    }
  }

  int OffsetAtUniversal(SerialDate universal) const {
    const long long seconds = UnixSeconds(universal);
    if (loaded_) {
      const auto moment =
          std::chrono::time_point_cast<cctz::seconds>(std::chrono::system_clock::time_point{}) +
          cctz::seconds(seconds);
      return MinutesWestOf(zone_.lookup(moment).offset);
    }
    const std::time_t moment = static_cast<std::time_t>(seconds);
    std::tm fields{};
    if (localtime_r(&moment, &fields) == nullptr) return 0;
    return MinutesWestOf(fields.tm_gmtoff);
  }

  // Before a gap and for a repeated hour, CCTZ's "pre" reading is the one
  // wanted: the offset before the change, the first occurrence.
  bool OffsetAtLocal(SerialDate local, int& offset) const {
    if (!loaded_) return false;
    const cctz::civil_second civil = CivilSecond(local);
    const auto universal = zone_.lookup(civil).pre;
    const long long seconds = universal.time_since_epoch().count();
    offset = static_cast<int>(std::lround((seconds - (civil - kUnixEpochCivil)) / 60.0));
    return true;
  }

 private:
  cctz::time_zone zone_;
  bool loaded_ = false;
};

SystemTimeZone::SystemTimeZone() : zone_(std::make_unique<const Zone>()) {}

SystemTimeZone::~SystemTimeZone() = default;

void SystemTimeZone::Reload() { zone_ = std::make_unique<const Zone>(); }

int SystemTimeZone::OffsetAtUniversal(SerialDate universal) const {
  if (!std::isfinite(universal.value)) return 0;
  return zone_->OffsetAtUniversal(universal);
}

int SystemTimeZone::OffsetAtLocal(SerialDate local) const {
  if (!std::isfinite(local.value)) return 0;
  int offset = 0;
  return zone_->OffsetAtLocal(local, offset) ? offset : TimeZone::OffsetAtLocal(local);
}

namespace {

SystemTimeZone& LoadedSystemZone() {
  static SystemTimeZone zone;
  return zone;
}

}  // namespace

const TimeZone& SystemZone() { return LoadedSystemZone(); }

void ReloadSystemTimeZone() { LoadedSystemZone().Reload(); }

int TimeZoneOffset() { return SystemZone().OffsetAtUniversal(UniversalNow()); }

SerialDate LocalToUniversal(SerialDate local, const TimeZone& zone) {
  return local.AddMinutes(zone.OffsetAtLocal(local));
}

SerialDate UniversalToLocal(SerialDate universal, const TimeZone& zone) {
  return universal.AddMinutes(-zone.OffsetAtUniversal(universal));
}

SerialDate UniversalNow() {
  const auto since = std::chrono::system_clock::now().time_since_epoch();
  const double seconds = std::chrono::duration<double>(since).count();
  return SerialDate::FromInstant(kUnixEpochSerial + seconds / 86400.0);
}

}  // namespace selenar
