#include "chain_window.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <array>

#include "design.h"
#include "focus_mark.h"
#include "keyboard_path.h"
#include "setting_row.h"
#include "text_controls.h"
#include "translate/glossator.h"
#include "window_place.h"

namespace quantora {

namespace {

// One numeric setting of the chain: its row and the field it sets.
struct TRowSpec {
  TSettingRow::TLook look;
  TSettingRange range;
  TSliderScale scale;
  double& (*field)(TChainSettings&);
};

// In the order of the window, top to bottom: the generator's, then the
// converter's imperfections.
const std::array<TRowSpec, kChainRows>& RowSpecs() {
  static const std::array<TRowSpec, kChainRows> specs = {{
      {{"Amplitude", "XL_Amplitude:", "XL_Amplitude in V", "V", 3, 0.1}, kAmplitudeRange,
       TSliderScale::Linear(kAmplitudeRange.min, kAmplitudeRange.max),
       [](TChainSettings& c) -> double& { return c.generator.amplitudeV; }},
      {{"Frequency", "XL_Frequency:", "XL_Frequency of the sine in MHz", "MHz", 3, 0}, kFrequencyRange,
       TSliderScale::Logarithmic(kFrequencyRange.min, kFrequencyRange.max),
       [](TChainSettings& c) -> double& { return c.generator.frequencyMHz; }},
      {{"Offset", "XL_DC offset:", "XL_DC offset in V", "V", 3, 0.1}, kOffsetRange,
       TSliderScale::Linear(kOffsetRange.min, kOffsetRange.max),
       [](TChainSettings& c) -> double& { return c.generator.offsetV; }},
      {{"Noise", "XL_Noise:", "XL_Input noise, standard deviation in mV", "mV", 1, 1}, kNoiseRange,
       TSliderScale::Logarithmic(kNoiseRange.min, kNoiseRange.max),
       [](TChainSettings& c) -> double& { return c.imperfections.noiseMv; }},
      {{"Jitter", "XL_Jitter:", "XL_Aperture jitter, standard deviation in ps", "ps", 1, 1}, kJitterRange,
       TSliderScale::Logarithmic(kJitterRange.min, kJitterRange.max),
       [](TChainSettings& c) -> double& { return c.imperfections.jitterPs; }},
      {{"OffsetError", "XL_Offset error:", "XL_Offset error in LSB", "LSB", 2, 0.1}, kOffsetErrorRange,
       TSliderScale::Linear(kOffsetErrorRange.min, kOffsetErrorRange.max, 2000),
       [](TChainSettings& c) -> double& { return c.imperfections.offsetErrorLsb; }},
      {{"GainError", "XL_Gain error:", "XL_Gain error in percent", "%", 2, 0.1}, kGainErrorRange,
       TSliderScale::Linear(kGainErrorRange.min, kGainErrorRange.max, 400),
       [](TChainSettings& c) -> double& { return c.imperfections.gainErrorPercent; }},
      {{"Inl", "XL_Integral nonlinearity (INL):", "XL_Integral nonlinearity, peak in LSB", "LSB", 2, 0.1}, kInlRange,
       TSliderScale::Linear(kInlRange.min, kInlRange.max, 320),
       [](TChainSettings& c) -> double& { return c.imperfections.inlLsb; }},
      {{"Dnl", "XL_Differential nonlinearity (DNL):", "XL_Differential nonlinearity, standard deviation in LSB",
        "LSB", 2, 0.05},
       kDnlRange, TSliderScale::Linear(kDnlRange.min, kDnlRange.max, 200),
       [](TChainSettings& c) -> double& { return c.imperfections.dnlLsb; }},
  }};
  return specs;
}

QLabel* MakeHeading(QWidget* parent, const char* name, const char* text) {
  auto* heading = new QLabel(QString::fromUtf8(text), parent);
  heading->setObjectName(QString::fromLatin1(name));
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  return heading;
}

}  // namespace

TChainWindow::TChainWindow(glossator::TGlossator& translator, QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("FrmChain"));
  setWindowTitle(QStringLiteral("XL_Signal and converter"));
  setFont(DesignFont("MS Sans Serif", 13));
  SetColors(this, vqm::clBtnFace);
  BuildControls();
  LayOut();
  SetUpKeyboardPath();
  ShowChain(TChainSettings{});
  fDesignTexts.Remember(this, translator.Prefix());
  translator.TranslateComponent(this);
}

TChainWindow::~TChainWindow() {
  if (isVisible() && parentWidget()) RememberWindowPlace(*this, objectName());
}

void TChainWindow::BuildControls() {
  for (std::size_t i = 0; i < fRows.size(); ++i) {
    const TRowSpec& spec = RowSpecs()[i];
    fRows[i] = new TSettingRow(this, spec.look, spec.range, spec.scale);
    fRows[i]->OnChange = [this] { Changed(); };
  }
  // The same order as RowSpecs.
  Amplitude = fRows[0], Frequency = fRows[1], Offset = fRows[2];
  Noise = fRows[3], Jitter = fRows[4], OffsetError = fRows[5], GainError = fRows[6], Inl = fRows[7], Dnl = fRows[8];

  CBoxDither = new TComboBox(this);
  CBoxDither->setObjectName(QStringLiteral("CBoxDither"));
  // In the order of TDitherKind.
  CBoxDither->SetItems({QStringLiteral("XL_None"), QStringLiteral("XL_Rectangular, 1 LSB peak to peak"),
                        QStringLiteral("XL_Triangular, 2 LSB peak to peak")});
  CBoxDither->setAccessibleName(QStringLiteral("XL_Dither"));
  connect(CBoxDither, &QComboBox::activated, this, [this] { Changed(); });

  CBoxSubtract = new QCheckBox(QStringLiteral("XL_Subtract after the quantizer"), this);
  CBoxSubtract->setObjectName(QStringLiteral("CBoxSubtract"));
  connect(CBoxSubtract, &QCheckBox::toggled, this, [this] { Changed(); });

  SpinSeed = new QSpinBox(this);
  SpinSeed->setObjectName(QStringLiteral("SpinSeed"));
  SpinSeed->setLocale(QLocale::c());  // no group separators in a seed
  SpinSeed->setRange(0, int(kMaxSeed));
  SpinSeed->setAlignment(Qt::AlignRight);
  SpinSeed->setAccessibleName(QStringLiteral("XL_Seed of the random draws"));
  connect(SpinSeed, &QSpinBox::valueChanged, this, [this] { Changed(); });

  BButIdeal = new QPushButton(QStringLiteral("XL_Back to the ideal converter"), this);
  BButIdeal->setObjectName(QStringLiteral("BButIdeal"));
  BButIdeal->setAutoDefault(false);
  connect(BButIdeal, &QPushButton::clicked, this, [this] {
    ShowChain(TChainSettings{});
    if (OnChange) OnChange(Chain());
  });
}

// One grid for all groups, so that labels, numbers and sliders stand in the
// same three columns whatever the language.
void TChainWindow::LayOut() {
  auto* grid = new QGridLayout(this);
  grid->setColumnStretch(2, 1);
  grid->setColumnMinimumWidth(2, 200);
  grid->setHorizontalSpacing(10);
  int row = 0;
  auto heading = [&](const char* name, const char* text) {
    if (row > 0) grid->setRowMinimumHeight(row++, 8);  // room between the groups
    grid->addWidget(MakeHeading(this, name, text), row++, 0, 1, 3);
  };
  auto add = [&](TSettingRow* r) {
    grid->addWidget(r->Label, row, 0);
    grid->addWidget(r->Spin, row, 1);
    grid->addWidget(r->Slider, row++, 2);
  };
  heading("LblGenerator", "XL_Generator");
  for (TSettingRow* r : fRows) {
    if (r == Noise) heading("LblImperfections", "XL_Imperfections of the converter");
    add(r);
  }
  heading("LblDitherGroup", "XL_Dither and random draws");
  auto* ditherLabel = new QLabel(QStringLiteral("XL_Dither:"), this);
  ditherLabel->setObjectName(QStringLiteral("LblDither"));
  ditherLabel->setBuddy(CBoxDither);
  grid->addWidget(ditherLabel, row, 0);
  grid->addWidget(CBoxDither, row++, 1, 1, 2, Qt::AlignLeft);
  grid->addWidget(CBoxSubtract, row++, 1, 1, 2);
  auto* seedLabel = new QLabel(QStringLiteral("XL_Seed:"), this);
  seedLabel->setObjectName(QStringLiteral("LblSeed"));
  seedLabel->setBuddy(SpinSeed);
  grid->addWidget(seedLabel, row, 0);
  grid->addWidget(SpinSeed, row++, 1);
  grid->setRowMinimumHeight(row++, 8);
  grid->addWidget(BButIdeal, row, 0, 1, 3, Qt::AlignRight);
}

// Tab runs down the rows, each spin box before its slider; Escape closes.
void TChainWindow::SetUpKeyboardPath() {
  std::vector<QWidget*> path;
  for (TSettingRow* r : fRows) {
    path.push_back(r->Spin);
    path.push_back(r->Slider);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{CBoxDither, CBoxSubtract, SpinSeed, BButIdeal}) {
    path.push_back(w);
    ShowFocusMark(w);
  }
  for (std::size_t i = 1; i < path.size(); ++i) setTabOrder(path[i - 1], path[i]);
}

void TChainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TChainWindow::showEvent(QShowEvent* event) {
  if (!fPlaced && !event->spontaneous() && parentWidget()) PlaceWindow(*this, *parentWidget(), objectName());
  fPlaced = true;
  QWidget::showEvent(event);
}

void TChainWindow::hideEvent(QHideEvent* event) {
  if (!event->spontaneous() && parentWidget()) RememberWindowPlace(*this, objectName());
  QWidget::hideEvent(event);
}

TChainSettings TChainWindow::Chain() const {
  TChainSettings c;
  for (std::size_t i = 0; i < fRows.size(); ++i) RowSpecs()[i].field(c) = fRows[i]->Value();
  c.dither.kind = TDitherKind(std::max(0, CBoxDither->currentIndex()));
  c.dither.subtract = CBoxSubtract->isChecked();
  c.seed = std::uint32_t(SpinSeed->value());
  return c;
}

void TChainWindow::ShowChain(const TChainSettings& chain) {
  TChainSettings c = chain;
  for (std::size_t i = 0; i < fRows.size(); ++i) fRows[i]->Show(RowSpecs()[i].field(c));
  const QSignalBlocker subtract(CBoxSubtract);
  const QSignalBlocker seed(SpinSeed);
  CBoxDither->setCurrentIndex(int(c.dither.kind));
  CBoxSubtract->setChecked(c.dither.subtract);
  CBoxSubtract->setEnabled(c.dither.kind != TDitherKind::dkNone);
  SpinSeed->setValue(int(c.seed));
}

void TChainWindow::Changed() {
  CBoxSubtract->setEnabled(CBoxDither->currentIndex() > 0);  // there is nothing to subtract without dither
  if (OnChange) OnChange(Chain());
}

}  // namespace quantora
