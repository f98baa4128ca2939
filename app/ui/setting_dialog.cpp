#include "setting_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/simulation_settings.h"
#include "app/whole_number.h"

namespace quantora {

namespace {

QLineEdit* MakeField(QWidget* parent, const char* name, int value) {
  auto* edit = new QLineEdit(QString::number(value), parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->selectAll();  // typing replaces the value
  return edit;
}

std::optional<int> TypedWhole(const QLineEdit& edit, int low, int high) {
  return ParseWhole(edit.text().trimmed().toStdString(), low, high);
}

}  // namespace

TSettingDialog::TSettingDialog(QWidget* parent, const TTranslate& translate, int interval, int bits)
    : QDialog(parent), fTranslate(translate) {
  setObjectName(QStringLiteral("SettingDialog"));
  setWindowTitle(translate("Interval and resolution", {}));
  auto tr = [&translate](const char* key) { return translate(key, {}); };
  EditInterval = MakeField(this, "EditInterval", interval);
  EditBits = MakeField(this, "EditBits", bits);
  LblProblem = new QLabel(this);
  LblProblem->setObjectName(QStringLiteral("LblProblem"));

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* form = new QFormLayout(this);
  form->addRow(tr("Sampling interval [ns]:"), EditInterval);
  form->addRow(tr("Resolution [bit]:"), EditBits);
  form->addRow(LblProblem);
  form->addRow(buttons);
  form->setSizeConstraint(QLayout::SetFixedSize);  // grows to show the message in one line
}

// The first field out of range is named, focused and selected; nothing is applied.
void TSettingDialog::accept() {
  const std::optional<int> interval = TypedWhole(*EditInterval, MinInterval, MaxInterval);
  const std::optional<int> bits = TypedWhole(*EditBits, MinResolution, MaxResolution);
  if (!interval || !bits) {
    QLineEdit* wrong = interval ? EditBits : EditInterval;
    LblProblem->setText(interval ? fTranslate("The resolution must be a whole number of bits from <%1%> to <%2%>.",
                                              {std::to_string(MinResolution), std::to_string(MaxResolution)})
                                 : fTranslate("The interval must be a whole number of ns from <%1%> to <%2%>.",
                                              {std::to_string(MinInterval), std::to_string(MaxInterval)}));
    wrong->setFocus();
    wrong->selectAll();
    return;
  }
  if (OnApply) OnApply(*interval, *bits);
  QDialog::accept();
}

}  // namespace quantora
