#include "mainfrm.h"

#include <QApplication>
#include <memory>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QScrollBar>
#include <QStyle>
#include <stdexcept>

#include "aboutbox.h"
#include "accessible_names.h"
#include "app/chain_text.h"
#include "chain_window.h"
#include "app/command_line.h"
#include "app/file_replace.h"
#include "app/message_text.h"
#include "app/plotting.h"
#include "app/quantization_text.h"
#include "app/reconstruction_text.h"
#include "app/series_csv.h"
#include "chart_menu.h"
#include "app/simulation_charts.h"
#include "chart/rchart.h"
#include "data_files.h"
#include "design.h"
#include "desktop_palette.h"
#include "focus_mark.h"
#include "hostlink/demon_client.h"
#include "keyboard_path.h"
#include "language_tables.h"
#include "listening.h"
#include "numlab/numlab.h"
#include "panel.h"
#include "qt_translations.h"
#include "running_text.h"
#include "scroll_bar.h"
#include "setting_dialog.h"
#include "spectrum_window.h"
#include "text_controls.h"
#include "translate/glossator.h"
#include "translate/itl_file_name.h"
#include "translate/regular_file.h"

namespace quantora {

namespace {

// Heights of the docked panels and the memo.
constexpr int kTopPanelHeight = 41;
constexpr int kInputPanelHeight = 55;
constexpr int kMemoHeight = 74;
// Far above any real icon file.
constexpr std::size_t kMaxIconFileSize = 16u << 20;

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, QRect geometry, const char* text, bool checked) {
  auto* box = new QCheckBox(QString::fromUtf8(text), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(geometry);
  box->setChecked(checked);
  return box;
}

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, QRect geometry, int min, int max, int position) {
  auto* bar = new TScrollBar(Qt::Horizontal, parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setGeometry(geometry);
  bar->setRange(min, max);
  bar->setValue(position);
  return bar;
}

// The settings the three read-outs share.
void ApplyReadoutSettings(vqm::TNumLab* n) {
  n->SetAlignment(vqm::taCenter);
  n->SetColorLabBakG(vqm::clBtnFace);
  n->SetColorLabText(vqm::clBlack);
  n->SetColorOutBakG(vqm::clBtnFace);
  n->SetColorOutText(vqm::clBlack);
  n->SetColorScheme(vqm::csBWG);
  n->SetComma(false);
  n->SetDisplayType(vqm::dtFixP);
  n->SetDTFormat(QStringLiteral("mmm-dd, yyyy"));
  n->SetEmpty(false);
  n->SetForcePlusSign(false);
  n->SetFrameStyle(vqm::fsLowered);
  n->SetLeftSpace(80);
  n->SetLeftTextAlignment(vqm::taRightJustify);
  n->SetOverflowIndicator(QStringLiteral("*********"));
  n->SetRightTextAlignment(vqm::taLeftJustify);
  n->SetStateText(QStringLiteral("undefined"));
}

vqm::TNumLab* MakeReadout(QWidget* parent, const char* name, QRect geometry, const char* left, const char* right,
                          int precision, double value, int labelWidth) {
  auto* n = new vqm::TNumLab(parent);
  n->setObjectName(QString::fromLatin1(name));
  n->setGeometry(geometry);
  ApplyReadoutSettings(n);
  n->SetLeftText(QString::fromUtf8(left));
  n->SetRightText(QString::fromUtf8(right));
  n->SetPrecision(precision);
  n->SetLabelWidth(labelWidth);
  n->SetValue(value);
  return n;
}

// The charts' menu offers the tables of the form's language folders.
void OfferLanguages(TChartMenu& menu, TForm1& form) {
  menu.Languages.tables = [&form] { return form.LanguageCatalog.Find(form.LanguageFolders); };
  menu.Languages.shown = [&form] { return form.ShownTable(); };
  menu.Languages.choose = [&form](const QString& table) { form.ChooseLanguage(table); };
}

}  // namespace

TForm1::TForm1(const QString& translationFile, QWidget* parent)
    : TForm1(TFormStart{translationFile}, parent) {}

TForm1::TForm1(const TFormStart& start, QWidget* parent) : QWidget(parent), fStart(start) {
  setObjectName(QStringLiteral("Form1"));
  FollowDesktopPalette();  // before the first colour is set
  setWindowTitle(QStringLiteral("XL_Analog/Digital Conversion"));
  setFont(DesignFont("MS Sans Serif", 13));
  SetColors(this, vqm::clBtnFace);
  resize(kDesignSize - kFrameExtent);
  setMinimumSize(kMinimumSize - kFrameExtent);

  BuildTopPanel();
  BuildCharts();
  BuildInputPanel();

  MMExplain = new TMemo(this);
  MMExplain->setObjectName(QStringLiteral("MMExplain"));
  MMExplain->SetLines({QStringLiteral("XL_MMExplain")});
  SetColors(MMExplain, vqm::clCream);
  MMExplain->setReadOnly(true);  // the explanation is for reading (and copying), not for editing

  LanguageTable = LanguageTableFile;
  if (start.hostLink) {
    cliDemon = new tessera::TkdbDemonClient(this, QCoreApplication::arguments());
    cliDemon->SetAutoTranslate(true);
    cliDemon->SetAutoCreateItlFile(false);
    cliDemon->SetMultiStart(!start.singleInstance);  // the design: off
    cliDemon->SetUseTesseraServer(false);
    cliDemon->OnParamsChange = [this](tessera::TkdbCustomDemon&) { cliDemonParamsChange(); };
  } else {
    fOwnTexts = std::make_unique<glossator::TGlossator>();
  }

  LayOut();
  SetUpKeyboardPath();
  InstallAccessibleInterfaces();
  NameControls(*this);
  fTimeAxisEnd = RCSig->Scale1X()->RangeHigh();
  ChartMenu = new TChartMenu(
      RCSig, RCSample, [this](const char* key) { return QString::fromStdString(Texts().Translate(key)); },
      [this] { return SeriesText(); }, this);
  ChartMenu->ErrorShown = [this] { return CBoxQNoise->isChecked(); };
  ChartMenu->OnErrorScaleChange = [this] { ReplotSampled(CurrentInputs()); };
  RCSig->OnRangeChange = [this](QObject*) { PlotAnalogChart(CurrentInputs(), *RCSig, &fWindowRuns); };
  RCSample->OnRangeChange = [this](QObject*) { ReplotSampled(CurrentInputs()); };
  ChartMenu->OnOpenSpectrum = [this] { OpenSpectrum(); };
  LanguageFolders = ProgramDataFolders();
  OfferLanguages(*ChartMenu, *this);
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this, [this] { OpenSpectrum(); });
  ChartMenu->OnEnterSetting = [this] { EnterSetting(); };
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), this, [this] { EnterSetting(); });
  ChartMenu->OnOpenChain = [this] { OpenChainWindow(); };
  ChartMenu->Reconstructions.shown = [this] { return fReconstruction; };
  ChartMenu->Reconstructions.choose = [this](TReconstruction kind) { SetReconstruction(kind); };
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this, [this] { OpenChainWindow(); });
  Listening = new TListening(this, [this](const char* key) { return QString::fromStdString(Texts().Translate(key)); });
  ChartMenu->OnListen = [this] { Listen(); };
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this, [this] { Listen(); });

  // The end of loading: the host link loads the table and translates the window.
  fDesignTexts.Remember(this, Texts().Prefix());
  const QString besideProgram = QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                QString::fromStdString(glossator::ItlFileNameFor(glossator::CurrentExecutablePath()));
  const QString table = start.translationFile.isEmpty() ? ProgramDataFile(besideProgram) : start.translationFile;
  fShownTable = table;
  if (cliDemon) {
    cliDemon->SetTranslationFile(table);
    cliDemon->Loaded();
  } else {
    fOwnTexts->LoadFromFile(QFile::encodeName(table).toStdString());
    fOwnTexts->TranslateComponent(this);
  }
  FollowLanguageInQtTexts();
}

void TForm1::FollowLanguageInQtTexts() { UseQtTranslations(TableLocale(Texts())); }

glossator::TGlossator& TForm1::Texts() { return fOwnTexts ? *fOwnTexts : cliDemon->Translator(); }

void TForm1::SetAboutDialog(TFrmAbout* about) {
  fAbout = about;
  if (about) fDesignTexts.Remember(about, Texts().Prefix());
}

TForm1::~TForm1() {
  // The focus handler reads the charts: it must not run while the widgets below
  // are torn down (the focus moves away from a window being destroyed).
  disconnect(qApp, nullptr, this, nullptr);
  delete Spectrum;  // it reads the window's own texts, which go with the members
  delete ChainWindow;  // remembers its place while the window is still whole
}

void TForm1::BuildTopPanel() {
  Panel1 = new TPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));

  Label1 = new QLabel(QStringLiteral("XL_Signal Wave Form"), Panel1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(8, 13, 113, 16);
  Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);

  CBoxSignalForm = new TComboBox(Panel1);
  CBoxSignalForm->setObjectName(QStringLiteral("CBoxSignalForm"));
  CBoxSignalForm->setGeometry(128, 9, 177, 21);
  CBoxSignalForm->SetItems({QStringLiteral("XL_Sine"), QStringLiteral("XL_3-Term Sine"), QStringLiteral("XL_Sawtooth"),
                            QStringLiteral("XL_Sinc"), QStringLiteral("XL_Chirp")});
  // Only a choice of the user counts as a change; code sets the index itself.
  connect(CBoxSignalForm, &QComboBox::activated, this, [this] { CBoxSignalFormChange(); });

  BButAbout = new QPushButton(QStringLiteral("XL_About"), Panel1);
  BButAbout->setObjectName(QStringLiteral("BButAbout"));
  BButAbout->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  connect(BButAbout, &QPushButton::clicked, this, [this] { BButAboutClick(); });

  BButExit = new QPushButton(QStringLiteral("XL_Exit"), Panel1);
  BButExit->setObjectName(QStringLiteral("BButExit"));
  BButExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  connect(BButExit, &QPushButton::clicked, this, [this] { BButExitClick(); });
}

void TForm1::BuildCharts() {
  Panel6 = new TPanel(this);
  Panel6->setObjectName(QStringLiteral("Panel6"));
  Panel6->OnResize = [this](TPanel*) { Panel6Resize(); };

  Panel2 = new TPanel(Panel6);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  RCSig = new vqm::TRChart(Panel2);
  RCSig->setObjectName(QStringLiteral("RCSig"));
  ApplySimulationChartSettings(*RCSig, TSimulationChart::Analog);

  Panel3 = new TPanel(Panel6);
  Panel3->setObjectName(QStringLiteral("Panel3"));
  RCSample = new vqm::TRChart(Panel3);
  RCSample->setObjectName(QStringLiteral("RCSample"));
  ApplySimulationChartSettings(*RCSample, TSimulationChart::Sampled);
}

void TForm1::BuildInputPanel() {
  Panel7 = new TPanel(this);
  Panel7->setObjectName(QStringLiteral("Panel7"));

  SBarSampleFreq = MakeScrollBar(Panel7, "SBarSampleFreq", {8, 8, 193, 21}, 1, 200, 10);
  connect(SBarSampleFreq, &QScrollBar::valueChanged, this, [this] { SBarSampleFreqChange(); });
  NLabSampleFreq = MakeReadout(Panel7, "NLabSampleFreq", {207, 4, 170, 23}, "XL_f(sample) = ", "MHz", 2, 100, 50);
  NLabSampleTime = MakeReadout(Panel7, "NLabSampleTime", {207, 28, 170, 23}, "XL_t(sample) = ", "ns", 1, 10, 50);
  CBoxShowSamples = MakeCheckBox(Panel7, "CBoxShowSamples", {8, 34, 209, 17}, "XL_Show Sampling Points", true);

  SBarReso = MakeScrollBar(Panel7, "SBarReso", {392, 8, 193, 21}, 1, 16, 8);
  connect(SBarReso, &QScrollBar::valueChanged, this, [this] { SBarResoChange(); });
  NLabReso = MakeReadout(Panel7, "NLabReso", {592, 8, 137, 23}, "XL_Resolution", "Bit", 0, 8, 32);
  CBoxSample = MakeCheckBox(Panel7, "CBoxSample", {392, 32, 193, 17}, "XL_Show Sampled Signal", true);
  CBoxQNoise = MakeCheckBox(Panel7, "CBoxQNoise", {600, 32, 185, 17}, "XL_Show Quantization Error", false);
  for (QCheckBox* box : {CBoxShowSamples, CBoxSample, CBoxQNoise})
    connect(box, &QCheckBox::toggled, this, [this] { CBoxShowSamplesClick(); });
}

// Docking as the design has it: Panel1 on top, the memo at the bottom with
// Panel7 above it, Panel6 in between; the two buttons keep their distance to
// the right edge.
void TForm1::LayOut() {
  const int w = width(), h = height();
  const int designClientWidth = kDesignSize.width() - kFrameExtent.width();
  Panel1->setGeometry(0, 0, w, kTopPanelHeight);
  BButAbout->setGeometry(501 + w - designClientWidth, 5, 137, 29);
  BButExit->setGeometry(646 + w - designClientWidth, 5, 137, 29);
  MMExplain->setGeometry(0, h - kMemoHeight, w, kMemoHeight);
  Panel7->setGeometry(0, h - kMemoHeight - kInputPanelHeight, w, kInputPanelHeight);
  Panel6->setGeometry(0, kTopPanelHeight, w, std::max(0, h - kTopPanelHeight - kInputPanelHeight - kMemoHeight));
}

// Tab visits the top row, the two charts, the inputs column by column and the
// explanation; the charts let it pass in every mode this window offers.
// Ctrl+Tab does the same everywhere.
void TForm1::SetUpKeyboardPath() {
  for (vqm::TRChart* chart : {RCSig, RCSample}) chart->setFocusPolicy(Qt::StrongFocus);
  // The chart's panel shows where the keyboard focus is.
  connect(qApp, &QApplication::focusChanged, this, [this] {
    Panel2->SetFocusShown(RCSig->hasFocus());
    Panel3->SetFocusShown(RCSample->hasFocus());
  });
  MMExplain->setTabChangesFocus(true);
  // The scroll bars and charts mark their focus themselves.
  for (QWidget* w : std::initializer_list<QWidget*>{CBoxSignalForm, BButAbout, BButExit, CBoxShowSamples, CBoxSample,
                                                    CBoxQNoise, MMExplain})
    ShowFocusMark(w);
  Label1->setBuddy(CBoxSignalForm);
  const std::initializer_list<QWidget*> path = {CBoxSignalForm, BButAbout,       BButExit,   RCSig,
                                                RCSample,       SBarSampleFreq,  CBoxShowSamples,
                                                SBarReso,       CBoxSample,      CBoxQNoise, MMExplain};
  SetTabOrder(path);
  for (QWidget* w : path) LeaveWithCtrlTab(w);
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void TForm1::Panel6Resize() {
  // Panel2 gets half of Panel6's outer width; Panel3 fills the rest of the
  // inside, and each chart fills its panel.
  const int inset = Panel6->BevelWidth();
  const int innerHeight = std::max(0, Panel6->height() - 2 * inset);
  const int half = Panel6->width() / 2;
  Panel2->setGeometry(inset, inset, half, innerHeight);
  Panel3->setGeometry(inset + half, inset, std::max(0, Panel6->width() - 2 * inset - half), innerHeight);
  for (auto [panel, chart] : {std::pair{Panel2, RCSig}, std::pair{Panel3, RCSample}}) {
    const int b = panel->BevelWidth();
    chart->SetBounds(b, b, std::max(0, panel->width() - 2 * b), std::max(0, panel->height() - 2 * b));
  }
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (fShown) return;  // the window is shown once, when the message loop starts
  fShown = true;
  // From the event loop, so that the window is on the screen when the About
  // dialog comes up on top of it.
  QMetaObject::invokeMethod(this, &TForm1::FormShow, Qt::QueuedConnection);
}

void TForm1::FormShow() {
  if (fStart.hostLink && !cliDemon) return;  // the host ended the link, and with it the program
  const QString iconName = QString::fromStdString(Texts().Translate("AppIconName"));
  // Without a host link, its answer without a host: the program's folder.
  const QString workArea = cliDemon ? cliDemon->GetPathValue(QStringLiteral("TesseraWorkArea"))
                                    : QCoreApplication::applicationDirPath() + QLatin1Char('/');
  if (fStart.loadIcon && iconName != QLatin1String("AppIconName")) {  // the table names an icon
    if (cliDemon && cliDemon->UseTesseraServer()) SaveIconFromHost(iconName, workArea);
    LoadIcon(ProgramDataFile(workArea + iconName));
  }
  if (fAbout) {
    FillAboutDialog();
    if (fStart.showAbout) fAbout->exec();  // the charts are still empty meanwhile
  }
  CBoxSignalForm->setCurrentIndex(0);  // Sine
  Recompute();
  if (fStart.startValues) {
    ApplyStartValues(fStart.startValues->settings, fStart.startValues->options);
    if (fStart.startValues->timeRange) ZoomTimeRange(*fStart.startValues->timeRange);
  }
  fStartedUp = true;
}

void TForm1::ZoomTimeRange(const TTimeRange& range) {
  for (vqm::TRChart* chart : {RCSig, RCSample}) {
    const vqm::TScaleProps& y = *chart->Scale1Y();
    chart->SetLayerRange(1, range.from, y.RangeLow(), range.to, y.RangeHigh(), true);
  }
}

// The host's copy of the icon goes into the work area, replacing a file of that
// name; no resource, or an empty one, saves nothing.
void TForm1::SaveIconFromHost(const QString& iconName, const QString& workArea) {
  const std::optional<std::string> stream = cliDemon->GetResourceStream(iconName);
  if (!stream || stream->empty()) return;
  // The name comes from the table: a file in the work area, never a path out of it.
  if (iconName.contains(QLatin1Char('/')) || iconName == QLatin1String(".") || iconName == QLatin1String(".."))
    throw std::runtime_error("The icon name \"" + iconName.toStdString() + "\" is not a file name.");
  const std::string path = QFile::encodeName(workArea + iconName).toStdString();
  std::string reason;
  if (!WriteFileReplacing(path, *stream, reason))
    throw std::runtime_error("The icon cannot be saved as " + QuotedForMessage(path) + ": " + reason);
}

// The icon file, when it exists, becomes the icon of the application, the main
// window and the About dialog. Only an ordinary file counts: a FIFO of that
// name would block the start for ever, a link to /dev/zero would never end.
// An ordinary file that cannot be read or is no picture is an error.
void TForm1::LoadIcon(const QString& file) {
  if (!QFileInfo(file).isFile()) return;  // no icon file: the design's icons stay
  const std::string path = QFile::encodeName(file).toStdString();
  std::string bytes;
  if (!glossator::ReadRegularFile(path, kMaxIconFileSize, bytes))
    throw std::runtime_error("The icon " + QuotedForMessage(path) + " cannot be read.");
  QPixmap picture;
  if (!picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), uint(bytes.size())))
    throw std::runtime_error("The icon " + QuotedForMessage(path) + " is not a picture.");
  const QIcon icon(picture);
  QApplication::setWindowIcon(icon);
  setWindowIcon(icon);
  if (fAbout) fAbout->setWindowIcon(icon);
}

void TForm1::cliDemonParamsChange() {
  ApplyHandedOptions(cliDemon->Params());
  setWindowState(windowState() & ~Qt::WindowMinimized);
  raise();
  activateWindow();
}

void TForm1::FillAboutDialog() {
  glossator::TGlossator& t = Texts();
  auto tr = [&t](const char* key) { return QString::fromStdString(t.Translate(key)); };
  fAbout->LblName->setText(tr("Quantora Lab"));
  fAbout->LblVersion->setText(QStringLiteral("Version 1.0"));
  fAbout->HomePageAddress = tr("HomePageURL");
  const bool german = tr("$dlglanguage$").toLower() == QLatin1String("lggerman");
  t.TranslateComponent(fAbout);
  if (german) {
    fAbout->LblWebSite->setText(QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"));
    fAbout->LblDescription->setText(QStringLiteral(
        "Quantora Lab zeigt die Diskretisierung eines Signals in der Zeit und in der Amplitude. "
        "Es ist ein interaktives Beispiel der Quantora-Lab-Autorengruppe und wird in mehreren "
        "elektronischen Lehrb\u00FCchern eingesetzt."));
  } else {
    fAbout->LblWebSite->setText(QStringLiteral("More information can be found at the following Web sites:"));
    fAbout->LblDescription->setText(QStringLiteral(
        "Quantora Lab shows how a signal is discretized in time and in amplitude. It is an "
        "interactive example made by the Quantora Lab authoring group and is used in several "
        "electronic textbooks."));
  }
}

TRecomputeInputs TForm1::CurrentInputs() const {
  TRecomputeInputs in;
  in.settings.form = TSignalForm(std::max(0, CBoxSignalForm->currentIndex()));
  in.settings.interval = SBarSampleFreq->value();
  in.settings.bits = SBarReso->value();
  in.settings.chain = fChain;
  in.options.showPoints = CBoxShowSamples->isChecked();
  in.options.showSampled = CBoxSample->isChecked();
  in.options.showError = CBoxQNoise->isChecked();
  in.options.reconstruction = fReconstruction;
  // The analog chart's time axis as designed: a zoomed chart must not move the
  // last sampling instant.
  in.xMax = fTimeAxisEnd;
  in.scaleError = ChartMenu && ChartMenu->ErrorScaled();
  return in;
}

void TForm1::Recompute() {
  const TRecomputeInputs in = CurrentInputs();
  PlotAnalogChart(in, *RCSig, &fWindowRuns);
  ReplotSampled(in);
  const TQuantizationFigures figures = WholeAxisFigures(in, &fWindowRuns);
  fChainLines = ChainSettingLines(in.settings);
  ShowQuantizationFigures(figures, fChainLines);
  ShowChainInExplanation(fChainLines);
  if (Spectrum && Spectrum->isVisible()) Spectrum->Follow(in.settings, figures);
}

void TForm1::SetReconstruction(TReconstruction kind) {
  if (kind == fReconstruction) return;
  fReconstruction = kind;
  // Only the sampled chart and the explanation change: the model's runs and
  // the chain's lines are kept.
  ReplotSampled(CurrentInputs());
  ShowChainInExplanation(fChainLines);
}

void TForm1::OpenSpectrum() {
  if (!Spectrum) {
    Spectrum = new TSpectrumWindow(Texts(), cliDemon ? static_cast<QObject&>(*cliDemon) : *this, this);
    OfferLanguages(*Spectrum->ChartMenu, *this);
  }
  Spectrum->show();
  Spectrum->raise();
  Spectrum->activateWindow();
  // The charts show the setting already: only the spectrum is new.
  const TRecomputeInputs in = CurrentInputs();
  Spectrum->ShowSetting(in.settings, WholeAxisFigures(in, &fWindowRuns));
}

void TForm1::Listen() { Listening->Toggle(CurrentInputs().settings, fReconstruction); }

TSettingDialog* TForm1::EnterSetting() {
  auto* dialog = new TSettingDialog(
      this,
      [this](const char* key, const std::vector<std::string>& params) {
        return QString::fromStdString(Texts().Translate(key, params));
      },
      SBarSampleFreq->value(), SBarReso->value());
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  // Through the scroll bars, as if the user had moved them.
  dialog->OnApply = [this](int interval, int bits) {
    SBarSampleFreq->setValue(interval);
    SBarReso->setValue(bits);
  };
  dialog->open();
  return dialog;
}

TChainWindow* TForm1::OpenChainWindow() {
  if (!ChainWindow) {
    ChainWindow = new TChainWindow(Texts(), this);
    ChainWindow->ShowChain(fChain);
    ChainWindow->OnChange = [this](const TChainSettings& chain) { TakeChain(chain); };
  }
  ChainWindow->show();
  ChainWindow->raise();
  ChainWindow->activateWindow();
  return ChainWindow;
}

void TForm1::SetChain(const TChainSettings& chain) {
  if (ChainWindow) ChainWindow->ShowChain(chain);
  TakeChain(chain);
}

void TForm1::TakeChain(const TChainSettings& chain) {
  if (chain == fChain) return;
  const bool generatorChanged = !(chain.generator == fChain.generator);
  fChain = chain;
  if (generatorChanged) FitAnalogAmplitudes();
  Recompute();
}

// A generator whose signal leaves the design's amplitude range widens the
// analog chart to the whole signal (and narrows it back); a change within it
// keeps the student's zoom.
void TForm1::FitAnalogAmplitudes() {
  const TRecomputeInputs in = CurrentInputs();
  const TSimulationResult& run = fWindowRuns.DesignRun(in.settings, in.xMax);
  const auto [low, high] = std::minmax_element(run.Analog.begin(), run.Analog.end());
  const TAmplitudeRange range = AnalogAmplitudeRange(*low, *high);
  if (range == fAnalogAmplitudes) return;
  fAnalogAmplitudes = range;
  const vqm::TScaleProps& x = *RCSig->ScaleX(1);
  RCSig->SetLayerRange(1, x.RangeLow(), range.low, x.RangeHigh(), range.high, true);
  if (ChartMenu) ChartMenu->SetEverythingAmplitudes(RCSig, range.low, range.high);
}

void TForm1::ReplotSampled(const TRecomputeInputs& inputs) {
  ShowErrorScale(PlotSampledChart(inputs, *RCSample, &fWindowRuns));
}

// While the error has an axis of its own the sampled chart's caption says so,
// with the magnification when there is one (x2^0 magnifies nothing).
void TForm1::ShowErrorScale(std::optional<int> exponent) {
  if (fSampledCaption.isNull()) fSampledCaption = RCSample->Caption();  // as translated
  QString caption = fSampledCaption;
  if (exponent) {
    const std::string note = *exponent == 0 ? Texts().Translate("error")
                                            : Texts().Translate("error x2^<%1%>", {std::to_string(*exponent)});
    caption += QStringLiteral(" (") + QString::fromStdString(note) + QLatin1Char(')');
  }
  if (caption != RCSample->Caption()) RCSample->SetCaption(caption);
}

// The series over the analog chart's time range, at the design's number of points.
std::string TForm1::SeriesText() const {
  const TRecomputeInputs in = CurrentInputs();
  const std::optional<TTimeWindow> shown = VisibleWindow(*RCSig);
  return SettingCsv(in.settings, shown ? TTimeWindow{shown->from, shown->to, NumPoints} : TTimeWindow{},
                    in.options.reconstruction);
}

// The figures of the current setting as the resolution read-out's tooltip,
// each line translated on its own, then the chain's settings when it is not ideal.
void TForm1::ShowQuantizationFigures(const TQuantizationFigures& figures, const std::vector<TTooltipLine>& chain) {
  glossator::TGlossator& t = Texts();
  QStringList lines;
  for (const TTooltipLine& line : QuantizationTooltipLines(figures)) lines << TranslatedLine(t, line);
  for (const TTooltipLine& line : chain) lines << TranslatedLine(t, line);
  NLabReso->setToolTip(lines.join(QLatin1Char('\n')));
}

// The chain's settings when it is not ideal and the reconstruction when it is
// not the staircase, ahead of the explanation as translated, so that they are
// what the memo shows first; the ideal chain with the staircase leaves the
// explanation untouched.
void TForm1::ShowChainInExplanation(const std::vector<TTooltipLine>& chain) {
  if (fExplanation.isEmpty()) fExplanation = MMExplain->Lines();  // as translated
  QStringList lines;
  glossator::TGlossator& t = Texts();
  for (const TTooltipLine& line : chain) lines << TranslatedLine(t, line);
  for (const TTooltipLine& line : ReconstructionLines(fReconstruction)) lines << TranslatedLine(t, line);
  lines << fExplanation;
  if (lines != MMExplain->Lines()) MMExplain->SetLines(lines);
}

void TForm1::ApplyStartValues(const TSimulationSettings& settings, const TPlotOptions& options) {
  SetChain(settings.chain);
  if (CBoxSignalForm->currentIndex() != int(settings.form)) {  // the first showing drew the sine already
    CBoxSignalForm->setCurrentIndex(int(settings.form));
    CBoxSignalFormChange();
  }
  SBarSampleFreq->setValue(settings.interval);
  SBarReso->setValue(settings.bits);
  CBoxShowSamples->setChecked(options.showPoints);
  CBoxSample->setChecked(options.showSampled);
  CBoxQNoise->setChecked(options.showError);
  SetReconstruction(options.reconstruction);
}

TStartValues TForm1::SettledValues() const {
  if (!fStartedUp) return fStart.startValues.value_or(TStartValues{});
  const TRecomputeInputs in = CurrentInputs();
  return TStartValues{in.settings, in.options};
}

void TForm1::ChangeValues(const TStartValues& values) {
  if (!fStartedUp) {
    fStart.startValues = values;
    return;
  }
  ApplyStartValues(values.settings, values.options);
  if (values.timeRange) ZoomTimeRange(*values.timeRange);
}

void TForm1::ApplyHandedOptions(const QStringList& params) {
  std::vector<std::string> words;
  for (qsizetype i = 1; i < params.size(); ++i) words.push_back(params[i].toStdString());
  const std::vector<std::string_view> args(words.begin(), words.end());
  const TCommandLine line = ParseCommandLine(args);
  if (line.action != TProgramAction::paRunWindow) return;  // not a list of settings for the window
  TStartValues values = SettledValues();
  const TGivenSettings& given = line.given;
  ApplyGivenSettings(given, values.settings, values.options);  // the options given, the rest kept
  if (line.timeRange) values.timeRange = line.timeRange;  // else the charts keep their zoom
  ChangeValues(values);
  if (!line.language.empty()) ChangeLanguage(line.language);
}

bool TForm1::ChangeLanguage(const std::string& language) {
  const QString table = LanguageTable(language);
  if (TranslateAgain(table)) return true;
  ReportMissingTable(language, table);
  return false;
}

void TForm1::ChooseLanguage(const QString& table) {
  if (TranslateAgain(table)) {
    QString reason;
    if (RememberLanguageTable(table, reason) || fSaidChoiceNotStored) return;
    fSaidChoiceNotStored = true;
    QMessageBox::warning(this, QString::fromStdString(Texts().Translate("Quantora Lab")),
                         QString::fromStdString(Texts().Translate(
                             "The language cannot be remembered for the next start: <%1%>", {reason.toStdString()})));
    return;
  }
  const std::string shownPath = QDir::toNativeSeparators(table).toStdString();
  QMessageBox::warning(this, QString::fromStdString(Texts().Translate("Quantora Lab")),
                       QString::fromStdString(Texts().Translate("No texts could be read from <%1%>", {shownPath})));
}

// From the design texts, not from the texts shown: a translation is never
// translated again, so any number of switches ends as one.
bool TForm1::TranslateAgain(const QString& table) {
  const std::string path = QFile::encodeName(table).toStdString();
  glossator::TGlossator probe;
  if (!probe.LoadFromFile(path) || probe.Keys().empty()) return false;
  fDesignTexts.Restore();
  if (Spectrum) Spectrum->RestoreDesignTexts();
  if (ChainWindow) ChainWindow->RestoreDesignTexts();
  Texts().LoadFromFile(path);
  Texts().TranslateComponent(this);  // the About dialog and the other windows too: they are the window's children
  fSampledCaption.clear();           // taken again, in the new language
  fExplanation.clear();              // likewise
  fShownTable = table;
  FollowLanguageInQtTexts();
  if (fAbout) FillAboutDialog();
  if (fStartedUp) Recompute();  // the tooltip's figures, the error's scale, the spectrum's explanation
  return true;
}

void TForm1::CBoxSignalFormChange() { Recompute(); }

void TForm1::SBarSampleFreqChange() {
  const int position = SBarSampleFreq->value();
  NLabSampleFreq->SetValue(1000.0 / double(position));
  NLabSampleTime->SetValue(position);
  Recompute();
}

void TForm1::SBarResoChange() {
  NLabReso->SetValue(SBarReso->value());
  Recompute();
}

void TForm1::CBoxShowSamplesClick() { Recompute(); }

void TForm1::BButAboutClick() {
  if (fAbout) fAbout->exec();
}

void TForm1::BButExitClick() { close(); }

}  // namespace quantora
