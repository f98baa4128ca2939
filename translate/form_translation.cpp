// Form translation: walks the Qt properties of an object and of the
// components it owns and replaces every marked text by its translation.
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "translate/glossator.h"

namespace glossator {

namespace {

// What the walker does with one property.
enum class TPropertyRole {
  prSkip,        // not visited
  prString,      // a QString, translated when marked
  prStringList,  // a QStringList, each marked line translated
  prNested,      // an object translated as an object (the chart's axis objects)
  prCollection   // an object whose children are translated as objects
};

// The class info that marks a QObject class for the walker, and its values.
constexpr const char* kRoleInfoName = "Translate";
constexpr std::string_view kNestedRole = "nested";
constexpr std::string_view kCollectionRole = "collection";

bool IsNameProperty(const QMetaProperty& property) {
  const std::string_view name = property.name();
  return name == "objectName" || name == "Name";
}

// The object a pointer-valued property holds, or null for other properties.
QObject* ObjectValue(const QObject* owner, const QMetaProperty& property) {
  if (!(property.metaType().flags() & QMetaType::PointerToQObject) || !property.isReadable()) return nullptr;
  const QVariant value = property.read(owner);
  if (!value.isValid() || !(value.metaType().flags() & QMetaType::PointerToQObject)) return nullptr;
  return *static_cast<QObject* const*>(value.constData());
}

// The "Translate" class info of the object's class or its nearest base that has one.
std::string_view ClassRole(const QObject* object) {
  const QMetaObject* meta = object->metaObject();
  const int index = meta->indexOfClassInfo(kRoleInfoName);
  return index < 0 ? std::string_view() : std::string_view(meta->classInfo(index).value());
}

TPropertyRole RoleOf(const QObject* owner, const QMetaProperty& property) {
  if (!property.isReadable()) return TPropertyRole::prSkip;
  const int type = property.metaType().id();
  if (type == QMetaType::QString) {
    return property.isWritable() && !IsNameProperty(property) ? TPropertyRole::prString : TPropertyRole::prSkip;
  }
  if (type == QMetaType::QStringList) {
    return property.isWritable() ? TPropertyRole::prStringList : TPropertyRole::prSkip;
  }
  if (const QObject* value = ObjectValue(owner, property)) {
    const std::string_view role = ClassRole(value);
    if (role == kNestedRole) return TPropertyRole::prNested;
    if (role == kCollectionRole) return TPropertyRole::prCollection;
  }
  return TPropertyRole::prSkip;
}

// Every object that an object-valued property of `owner` refers to.
std::unordered_set<const QObject*> PropertyObjects(const QObject* owner) {
  std::unordered_set<const QObject*> parts;
  const QMetaObject* meta = owner->metaObject();
  for (int i = 0; i < meta->propertyCount(); ++i) {
    if (const QObject* value = ObjectValue(owner, meta->property(i))) parts.insert(value);
  }
  return parts;
}

}  // namespace

void TGlossator::TranslateObject(QObject* object) {
  if (object == nullptr) return;
  if (std::find(fObjectsBeingWalked.begin(), fObjectsBeingWalked.end(), object) != fObjectsBeingWalked.end()) {
    return;
  }
  bool translate = true;
  if (OnTranslateObject) OnTranslateObject(*this, object, translate);
  if (!translate) return;

  // The marked-text rule in one place: exact prefix, the rest is the key.
  const auto replacementIfMarked = [this](const QString& text, QString& replacement) {
    const std::string bytes = text.toStdString();
    if (!bytes.starts_with(fPrefix)) return false;
    replacement = QString::fromStdString(Translate(bytes.substr(fPrefix.size())));
    return true;
  };

  fObjectsBeingWalked.push_back(object);
  struct PopOnExit {
    std::vector<const QObject*>& path;
    ~PopOnExit() { path.pop_back(); }
  } popOnExit{fObjectsBeingWalked};

  const QMetaObject* meta = object->metaObject();
  for (int i = 0; i < meta->propertyCount(); ++i) {
    const QMetaProperty property = meta->property(i);
    switch (RoleOf(object, property)) {
      case TPropertyRole::prSkip:
        break;
      case TPropertyRole::prString: {
        QString replacement;
        if (replacementIfMarked(property.read(object).toString(), replacement)) property.write(object, replacement);
        break;
      }
      case TPropertyRole::prStringList: {
        QStringList lines = property.read(object).toStringList();
        bool changed = false;
        for (qsizetype line = lines.size() - 1; line >= 0; --line) {
          QString replacement;
          if (replacementIfMarked(lines[line], replacement)) {
            lines[line] = replacement;
            changed = true;
          }
        }
        if (changed) property.write(object, lines);
        break;
      }
      case TPropertyRole::prNested:
        TranslateObject(ObjectValue(object, property));
        break;
      case TPropertyRole::prCollection: {
        // Guarded copies: a setter that adds or deletes items cannot upset the loop.
        QList<QPointer<QObject>> items;
        if (const QObject* collection = ObjectValue(object, property)) {
          for (QObject* item : collection->children()) items.append(item);
        }
        for (const QPointer<QObject>& item : items) TranslateObject(item.data());
        break;
      }
    }
  }
}

void TGlossator::TranslateComponent(QObject* component) {
  if (component == nullptr) return;
  TranslateObject(component);
  const std::unordered_set<const QObject*> parts = PropertyObjects(component);
  const qsizetype count = component->children().size();
  for (qsizetype i = 0; i < count; ++i) {
    // A setter may have removed children meanwhile; never index past the end.
    if (i >= component->children().size()) break;
    QObject* child = component->children().at(i);
    if (!parts.contains(child)) TranslateComponent(child);
  }
}

}  // namespace glossator
