#pragma once
// The date/time format object that axes use for calendar and clock labels.

#include <functional>

#include "enums.h"

namespace vqm {

class TDTLabel {
 public:
  // Raised after a change, with this object as the sender.
  using TNotifyEvent = std::function<void(TDTLabel* sender)>;

  TDTLabel() = default;
  // Copies the seven format fields (not the change notification).
  TDTLabel(const TDTLabel& other);
  TDTLabel& operator=(const TDTLabel& other);
  // Copies the seven fields and raises OnChange once.
  void Assign(const TDTLabel& other);

  TTimeFormat TimeFormat() const { return fTimeFormat; }
  char DateSeparator() const { return fDateSeparator; }
  char TimeSeparator() const { return fTimeSeparator; }
  TYearLength YearLength() const { return fYearLength; }
  bool MonthName() const { return fMonthName; }
  TDateOrder DateOrder() const { return fDateOrder; }
  TDateForTime DateForTime() const { return fDateForTime; }

  // TimeFormat and DateOrder raise OnChange on every assignment, the others only on a change.
  void SetTimeFormat(TTimeFormat v);
  void SetDateSeparator(char v);
  void SetTimeSeparator(char v);
  void SetYearLength(TYearLength v);
  void SetMonthName(bool v);
  void SetDateOrder(TDateOrder v);
  void SetDateForTime(TDateForTime v);

  bool SameFormat(const TDTLabel& other) const;

  TNotifyEvent OnChange;

 private:
  void Changed();

  // Every field starts at its zero value; the owner sets the working values.
  TTimeFormat fTimeFormat = tfHHMMSS;  // clock style
  char fDateSeparator = '\0';          // between the parts of a date
  char fTimeSeparator = '\0';          // between the parts of a clock time
  TYearLength fYearLength = ylNone;    // digits of the year
  bool fMonthName = false;             // month as abbreviated name instead of two digits
  TDateOrder fDateOrder = doMMDDYY;    // order of day, month and year
  TDateForTime fDateForTime = dtNone;  // when clock labels also get a date line
};

}  // namespace vqm
