#pragma once

#include <memory>

#include "engine/serial_date.h"

namespace selenar {

// A source of time-zone offsets in minutes, with the sign convention
// Universal Time = local time + offset (Moscow in winter gives -180).
class TimeZone {
 public:
  virtual ~TimeZone() = default;

  // The offset in force at the given Universal Time moment.
  virtual int OffsetAtUniversal(SerialDate universal) const = 0;

  // The offset in force at the given local moment. A local time inside a
  // spring-forward gap takes the offset before the change; an ambiguous one
  // (the repeated autumn hour) takes its first occurrence.
  virtual int OffsetAtLocal(SerialDate local) const;
};

// The system time-zone database: the zone named by TZ, else the system's
// default zone, loaded when the object is made.
class SystemTimeZone final : public TimeZone {
 public:
  SystemTimeZone();
  ~SystemTimeZone() override;

  // Loads the zone again, for a changed TZ or system zone.
  void Reload();
  int OffsetAtUniversal(SerialDate universal) const override;
  int OffsetAtLocal(SerialDate local) const override;

 private:
  class Zone;
  std::unique_ptr<const Zone> zone_;
};

// A zone with one offset at every moment.
class FixedTimeZone final : public TimeZone {
 public:
  explicit FixedTimeZone(int offsetMinutes) : offset_(offsetMinutes) {}
  int OffsetAtUniversal(SerialDate) const override { return offset_; }

 private:
  int offset_;
};

// The system zone as loaded at first use; ReloadSystemTimeZone picks up a
// changed TZ or system zone.
const TimeZone& SystemZone();
void ReloadSystemTimeZone();

// The system offset in force at the present moment.
int TimeZoneOffset();

// Each conversion uses the offset in force at the converted moment, so a
// January date does not gain the summer hour when converted in July.
SerialDate LocalToUniversal(SerialDate local, const TimeZone& zone = SystemZone());
SerialDate UniversalToLocal(SerialDate universal, const TimeZone& zone = SystemZone());

// The present moment in Universal Time.
SerialDate UniversalNow();

}  // namespace selenar
