#include "dtlabel.h"

namespace vqm {

TDTLabel::TDTLabel(const TDTLabel& other) { *this = other; }

TDTLabel& TDTLabel::operator=(const TDTLabel& other) {
  fTimeFormat = other.fTimeFormat;
  fDateSeparator = other.fDateSeparator;
  fTimeSeparator = other.fTimeSeparator;
  fYearLength = other.fYearLength;
  fMonthName = other.fMonthName;
  fDateOrder = other.fDateOrder;
  fDateForTime = other.fDateForTime;
  return *this;
}

void TDTLabel::Assign(const TDTLabel& other) {
  *this = other;
  Changed();
}

bool TDTLabel::SameFormat(const TDTLabel& o) const {
  return fTimeFormat == o.fTimeFormat && fDateSeparator == o.fDateSeparator &&
         fTimeSeparator == o.fTimeSeparator && fYearLength == o.fYearLength &&
         fMonthName == o.fMonthName && fDateOrder == o.fDateOrder && fDateForTime == o.fDateForTime;
}

void TDTLabel::Changed() {
  if (OnChange) OnChange(this);
}

void TDTLabel::SetTimeFormat(TTimeFormat v) {
  fTimeFormat = v;
  Changed();
}

void TDTLabel::SetDateOrder(TDateOrder v) {
  fDateOrder = v;
  Changed();
}

namespace {
template <typename T>
bool StoreIfChanged(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}
}  // namespace

void TDTLabel::SetDateSeparator(char v) {
  if (StoreIfChanged(fDateSeparator, v)) Changed();
}
void TDTLabel::SetTimeSeparator(char v) {
  if (StoreIfChanged(fTimeSeparator, v)) Changed();
}
void TDTLabel::SetYearLength(TYearLength v) {
  if (StoreIfChanged(fYearLength, v)) Changed();
}
void TDTLabel::SetMonthName(bool v) {
  if (StoreIfChanged(fMonthName, v)) Changed();
}
void TDTLabel::SetDateForTime(TDateForTime v) {
  if (StoreIfChanged(fDateForTime, v)) Changed();
}

}  // namespace vqm
