#include "design_texts.h"

#include <QMetaProperty>
#include <QStringList>

namespace quantora {

namespace {

bool Marked(const QVariant& value, const QString& prefix) {
  if (value.metaType().id() == QMetaType::QString) return value.toString().startsWith(prefix);
  if (value.metaType().id() != QMetaType::QStringList) return false;
  const QStringList lines = value.toStringList();
  return std::any_of(lines.begin(), lines.end(), [&](const QString& line) { return line.startsWith(prefix); });
}

}  // namespace

void TDesignTexts::Remember(QObject* root, const std::string& prefix) {
  const QString marker = QString::fromStdString(prefix);
  QList<QObject*> objects = root->findChildren<QObject*>();
  objects.prepend(root);
  for (QObject* object : objects) {
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
      const QMetaProperty property = meta->property(i);
      if (!property.isWritable()) continue;  // a text it cannot put back
      const QVariant value = property.read(object);
      if (Marked(value, marker)) fTexts.push_back({object, property.name(), value});
    }
  }
}

void TDesignTexts::Restore() const {
  for (const TText& text : fTexts)
    if (text.object) text.object->setProperty(text.property.constData(), text.value);
}

}  // namespace quantora
