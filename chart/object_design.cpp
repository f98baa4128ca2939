#include "chart/object_design.h"

#include <QJsonArray>
#include <QMetaProperty>
#include <QVariant>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>

namespace vqm {

namespace {

// Whether a class is one of ours (its name, without namespaces, starts with T).
bool IsOwnClass(const QMetaObject* mo) {
  const char* name = mo->className();
  if (const char* colon = std::strrchr(name, ':')) name = colon + 1;
  return name[0] == 'T';
}

// Index of the first property our own classes declare.
int FirstOwnProperty(const QMetaObject* mo) {
  const QMetaObject* base = mo;
  while (base && IsOwnClass(base)) base = base->superClass();
  return base ? base->propertyCount() : 0;
}

bool IsObjectProperty(const QMetaProperty& p) { return p.metaType().flags() & QMetaType::PointerToQObject; }

bool IsCollection(const QObject* o) { return o && o->metaObject() == &QObject::staticMetaObject; }

enum class TValueKind { Bool, Number, Text, Integer, Unsupported };

TValueKind KindOf(const QMetaType& t) {
  switch (t.id()) {
    case QMetaType::Bool: return TValueKind::Bool;
    case QMetaType::Double:
    case QMetaType::Float: return TValueKind::Number;
    case QMetaType::QString: return TValueKind::Text;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::UChar:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::UShort: return TValueKind::Integer;
    default: return (t.flags() & QMetaType::IsEnumeration) ? TValueKind::Integer : TValueKind::Unsupported;
  }
}

QJsonValue ToJson(const QVariant& v, TValueKind kind) {
  switch (kind) {
    case TValueKind::Bool: return v.toBool();
    case TValueKind::Number: return v.toDouble();
    case TValueKind::Text: return v.toString();
    case TValueKind::Integer: return double(v.toLongLong());
    case TValueKind::Unsupported: break;
  }
  return QJsonValue();
}

// The declared default of a property as a JSON value of its kind, if it has one.
QJsonValue DeclaredDefault(const QMetaObject* mo, const char* name, TValueKind kind) {
  const int i = mo->indexOfClassInfo(QByteArray("Default.").append(name).constData());
  if (i < 0) return QJsonValue(QJsonValue::Undefined);
  const QString text = QString::fromUtf8(mo->classInfo(i).value());
  switch (kind) {
    case TValueKind::Bool: return text == QLatin1String("true");
    case TValueKind::Number:
    case TValueKind::Integer: return text.toDouble();
    case TValueKind::Text: return text;
    case TValueKind::Unsupported: break;
  }
  return QJsonValue(QJsonValue::Undefined);
}

// Whether an integer fits the storage of the property's type (one byte for our
// enumerations, which are checked by the setters' callers no further).
bool FitsType(double v, const QMetaType& t) {
  if (v != std::floor(v)) return false;
  const bool isSigned = !(t.flags() & QMetaType::IsUnsignedEnumeration) && t.id() != QMetaType::UInt &&
                        t.id() != QMetaType::UChar && t.id() != QMetaType::UShort;
  const double bits = 8.0 * t.sizeOf();
  const double low = isSigned ? -std::pow(2.0, bits - 1) : 0.0;
  const double high = isSigned ? std::pow(2.0, bits - 1) - 1 : std::pow(2.0, bits) - 1;
  return v >= low && v <= high;
}

// A second name of a stored property (class info "SecondName.<name>"): read
// from a design, where it sets the same value again, but never written.
bool IsSecondName(const QMetaObject* mo, const char* name) {
  return mo->indexOfClassInfo(QByteArray("SecondName.").append(name).constData()) >= 0;
}

bool IsReadFromDesign(const QMetaObject* mo, const QMetaProperty& p) {
  return p.isStored() || (p.isWritable() && IsSecondName(mo, p.name()));
}

QString ReadInto(const QJsonObject& design, QObject& object, const QString& path);

QString ReadCollection(const QJsonValue& value, QObject& holder, const QString& path) {
  if (!value.isArray()) return path + QStringLiteral(": a list is needed");
  const QJsonArray items = value.toArray();
  QList<QObject*> children;
  for (QObject* child : holder.children())
    if (child->metaObject()->propertyCount() > QObject::staticMetaObject.propertyCount()) children.append(child);
  if (items.size() > children.size())
    return path + QStringLiteral(": at most %1 entries").arg(children.size());
  for (qsizetype i = 0; i < items.size(); ++i) {
    const QString at = QStringLiteral("%1[%2]").arg(path).arg(i + 1);
    if (!items[i].isObject()) return at + QStringLiteral(": an object is needed");
    if (QString e = ReadInto(items[i].toObject(), *children[i], at); !e.isEmpty()) return e;
  }
  return QString();
}

QString ReadValue(const QJsonValue& value, const QMetaProperty& p, QObject& object, const QString& at) {
  const TValueKind kind = KindOf(p.metaType());
  QVariant v;
  switch (kind) {
    case TValueKind::Bool:
      if (!value.isBool()) return at + QStringLiteral(": true or false is needed");
      v = value.toBool();
      break;
    case TValueKind::Number:
      if (!value.isDouble()) return at + QStringLiteral(": a number is needed");
      v = value.toDouble();
      break;
    case TValueKind::Text:
      if (!value.isString()) return at + QStringLiteral(": a text is needed");
      v = value.toString();
      break;
    case TValueKind::Integer:
      if (!value.isDouble() || !FitsType(value.toDouble(), p.metaType()))
        return at + QStringLiteral(": a whole number from the property's range is needed");
      v = QVariant(qlonglong(value.toDouble()));
      if (!v.convert(p.metaType())) return at + QStringLiteral(": cannot be set");
      break;
    case TValueKind::Unsupported: return at + QStringLiteral(": cannot be read from a design");
  }
  try {
    p.write(&object, v);
  } catch (const std::exception& e) {  // a refused join, for example
    return at + QStringLiteral(": ") + QString::fromUtf8(e.what());
  }
  return QString();
}

QString ReadInto(const QJsonObject& design, QObject& object, const QString& path) {
  const QMetaObject* mo = object.metaObject();
  const int first = FirstOwnProperty(mo);
  auto name = [&](const char* n) { return path.isEmpty() ? QString::fromLatin1(n) : path + '.' + QLatin1String(n); };
  for (auto it = design.begin(); it != design.end(); ++it) {
    const int i = mo->indexOfProperty(it.key().toUtf8().constData());
    if (i < first || !IsReadFromDesign(mo, mo->property(i)))
      return name(it.key().toUtf8().constData()) + QStringLiteral(": no such stored property");
  }
  for (int i = first; i < mo->propertyCount(); ++i) {
    const QMetaProperty p = mo->property(i);
    if (!IsReadFromDesign(mo, p) || !p.isReadable()) continue;
    const QString at = name(p.name());
    const QJsonValue value = design.value(QLatin1String(p.name()));
    if (!p.isStored() && value.isUndefined()) continue;  // a second name, not in this design
    if (IsObjectProperty(p)) {
      if (value.isUndefined()) continue;
      QObject* nested = p.read(&object).value<QObject*>();
      if (!nested) continue;
      QString e = IsCollection(nested) ? ReadCollection(value, *nested, at)
                  : value.isObject()    ? ReadInto(value.toObject(), *nested, at)
                                        : at + QStringLiteral(": an object is needed");
      if (!e.isEmpty()) return e;
      continue;
    }
    if (!p.isWritable()) continue;
    const QJsonValue stored =
        value.isUndefined() ? DeclaredDefault(mo, p.name(), KindOf(p.metaType())) : value;
    if (stored.isUndefined()) continue;  // not in the design and no declared default: left alone
    if (QString e = ReadValue(stored, p, object, at); !e.isEmpty()) return e;
  }
  return QString();
}

}  // namespace

QJsonObject WriteObjectDesign(const QObject& object) {
  QJsonObject out;
  const QMetaObject* mo = object.metaObject();
  for (int i = FirstOwnProperty(mo); i < mo->propertyCount(); ++i) {
    const QMetaProperty p = mo->property(i);
    if (!p.isStored() || !p.isReadable()) continue;
    const QVariant v = p.read(&object);
    if (IsObjectProperty(p)) {
      const QObject* nested = v.value<QObject*>();
      if (!nested) continue;
      if (IsCollection(nested)) {
        QJsonArray items;
        for (const QObject* child : nested->children())
          if (child->metaObject()->propertyCount() > QObject::staticMetaObject.propertyCount())
            items.append(WriteObjectDesign(*child));
        out.insert(QLatin1String(p.name()), items);
      } else if (QJsonObject inner = WriteObjectDesign(*nested); !inner.isEmpty()) {
        out.insert(QLatin1String(p.name()), inner);
      }
      continue;
    }
    if (!p.isWritable()) continue;
    const TValueKind kind = KindOf(p.metaType());
    if (kind == TValueKind::Unsupported) continue;
    const QJsonValue value = ToJson(v, kind);
    if (value == DeclaredDefault(mo, p.name(), kind)) continue;
    out.insert(QLatin1String(p.name()), value);
  }
  return out;
}

QString ReadObjectDesign(const QJsonObject& design, QObject& object) { return ReadInto(design, object, QString()); }

}  // namespace vqm
