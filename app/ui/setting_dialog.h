#pragma once
// A small dialog for typing an exact sampling interval and resolution, for a
// teacher preparing a setting: both fields start at the window's values, and
// OK hands the typed values on. A value the window's controls cannot take is
// named in one line inside the dialog, which stays open with what was typed.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;

namespace quantora {

class TSettingDialog : public QDialog {
  Q_OBJECT
 public:
  // A translated text, its placeholders "<%1%>", "<%2%>" filled.
  using TTranslate = std::function<QString(const char* key, const std::vector<std::string>& params)>;

  TSettingDialog(QWidget* parent, const TTranslate& translate, int interval, int bits);

  // Called with the accepted values; the dialog closes after it.
  std::function<void(int interval, int bits)> OnApply;

  QLineEdit* EditInterval;
  QLineEdit* EditBits;
  QLabel* LblProblem;  // empty until OK finds a value out of range

  void accept() override;

 private:
  TTranslate fTranslate;
};

}  // namespace quantora
