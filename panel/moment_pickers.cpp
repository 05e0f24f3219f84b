#include "panel/moment_pickers.h"

#include <QLineEdit>
#include <QTimeZone>
#include <algorithm>

#include "engine/calendar_range.h"
#include "engine/word_tables.h"

namespace selenar {

QDateTime ToPickerValue(SerialDate moment) {
  const CalendarFields f = moment.Fields();
  return {QDate(f.year, f.month, f.day), QTime(f.hour, f.minute, f.second), QTimeZone::utc()};
}

SerialDate FromPickerValue(const QDateTime& value) {
  const QDate date = value.date();
  const QTime time = value.time();
  return SerialDate::FromFields(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                                time.second());
}

MomentPicker::MomentPicker(QWidget* parent, const QString& name, const QString& format)
    : QDateTimeEdit(parent) {
  setObjectName(name);
  setTimeSpec(Qt::UTC);
  setDisplayFormat(format);
  setDateTimeRange(ToPickerValue(FirstSelectableDate()),
                   ToPickerValue(LastSelectableDate().AddMinutes(24 * 60 - 1)));
  connect(this, &QDateTimeEdit::dateTimeChanged, this, &MomentPicker::momentChanged);
}

MonthPicker::MonthPicker(QWidget* parent, const QString& name) : QAbstractSpinBox(parent) {
  setObjectName(name);
  lineEdit()->setReadOnly(true);  // months are chosen by stepping, not typed
  SetMoment(FirstSelectableDate());
}

void MonthPicker::SetMoment(SerialDate moment) {
  const bool changed = moment != moment_;
  moment_ = moment;
  lineEdit()->setText(QString::fromStdString(std::string(MonthName(moment.Fields().month))));
  if (changed) emit momentChanged();
}

void MonthPicker::stepBy(int steps) {
  const CalendarFields f = moment_.Fields();
  SetMoment(WithYearMonth(moment_, f.year, std::clamp(f.month + steps, 1, 12)));
}

QAbstractSpinBox::StepEnabled MonthPicker::stepEnabled() const {
  const int month = moment_.Fields().month;
  StepEnabled enabled = StepNone;
  if (month > 1) enabled |= StepDownEnabled;
  if (month < 12) enabled |= StepUpEnabled;
  return enabled;
}

}  // namespace selenar
