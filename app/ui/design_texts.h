#pragma once
// The marked design texts of a window ("XL_..."), kept before the window is
// translated so that it can be translated again into another language.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <string>
#include <vector>

namespace quantora {

class TDesignTexts {
 public:
  // Remembers every marked text of `root` and of every object below it: each
  // writable string property that begins with `prefix`, and each string-list
  // property with such a line.
  void Remember(QObject* root, const std::string& prefix);
  // Puts every remembered text back where it was (objects gone since are skipped).
  void Restore() const;

 private:
  struct TText {
    QPointer<QObject> object;
    QByteArray property;
    QVariant value;
  };
  std::vector<TText> fTexts;
};

}  // namespace quantora
