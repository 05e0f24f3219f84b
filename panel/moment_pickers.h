#pragma once

#include <QAbstractSpinBox>
#include <QDateTime>
#include <QDateTimeEdit>

#include "engine/serial_date.h"

namespace selenar {

// Pickers hold local wall-clock moments. They keep them as Qt UTC values so
// that no daylight-saving rule of Qt's own shifts or refuses a value.
QDateTime ToPickerValue(SerialDate moment);
SerialDate FromPickerValue(const QDateTime& value);

// A date-time picker that shows one part of its moment in a custom format
// ("dd", "yyyy", "HH : mm") within 1 January 1900 .. 31 December 2100.
class MomentPicker : public QDateTimeEdit {
  Q_OBJECT

 public:
  MomentPicker(QWidget* parent, const QString& name, const QString& format);

  SerialDate Moment() const { return FromPickerValue(dateTime()); }
  void SetMoment(SerialDate moment) { setDateTime(ToPickerValue(moment)); }

 signals:
  void momentChanged();
};

// The month picker: shows the nominative month name ("Март") and steps
// through the months of the year of its moment.
class MonthPicker : public QAbstractSpinBox {
  Q_OBJECT

 public:
  MonthPicker(QWidget* parent, const QString& name);

  SerialDate Moment() const { return moment_; }
  // Writing the moment it already holds changes nothing and signals nothing.
  void SetMoment(SerialDate moment);

  void stepBy(int steps) override;

 signals:
  void momentChanged();

 protected:
  StepEnabled stepEnabled() const override;

 private:
  SerialDate moment_;
};

}  // namespace selenar
