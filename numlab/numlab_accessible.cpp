#include "numlab_accessible.h"

#include "numlab.h"

namespace vqm {

TNumLabAccessible::TNumLabAccessible(TNumLab* readout) : QAccessibleWidget(readout, QAccessible::StaticText) {}

TNumLab* TNumLabAccessible::Readout() const { return static_cast<TNumLab*>(widget()); }

QString TNumLabAccessible::ValueWithUnit() const {
  TNumLab* readout = Readout();
  if (readout->Empty()) return {};  // the field shows nothing
  const QString unit = readout->RightText().trimmed();
  const QString value = readout->ValueText().trimmed();
  return unit.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}

QString TNumLabAccessible::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name: {
      const QString name = widget()->accessibleName();
      if (!name.isEmpty()) return name;
      // "f(sample) = " reads as "f(sample)".
      QString caption = Readout()->LeftText().trimmed();
      if (caption.endsWith(QLatin1Char('='))) caption.chop(1);
      return caption.trimmed();
    }
    case QAccessible::Value: return ValueWithUnit();
    default: return QAccessibleWidget::text(t);
  }
}

void* TNumLabAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString TNumLabAccessible::text(int startOffset, int endOffset) const {
  const QString all = ValueWithUnit();
  if (endOffset < 0 || endOffset > all.size()) endOffset = int(all.size());
  startOffset = std::clamp(startOffset, 0, endOffset);
  return all.mid(startOffset, endOffset - startOffset);
}

int TNumLabAccessible::characterCount() const { return int(ValueWithUnit().size()); }

QString TNumLabAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = offset;  // plain text: no attribute runs
  return {};
}

QAccessibleInterface* NumLabAccessibleFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(TNumLab::staticMetaObject.className()) || !object || !object->isWidgetType())
    return nullptr;
  return new TNumLabAccessible(static_cast<TNumLab*>(object));
}

}  // namespace vqm
