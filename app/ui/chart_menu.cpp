#include "chart_menu.h"

#include <array>

#include <QActionGroup>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "app/file_replace.h"
#include "chart/rchart.h"
#include "app/picture_scale.h"
#include "page_render.h"
#include "widget_picture.h"

namespace quantora {

namespace {

bool WriteBytes(const QString& path, const QByteArray& bytes, std::string& reason) {
  return WriteFileReplacing(QFile::encodeName(path).toStdString(), std::string_view(bytes.constData(), bytes.size()),
                            reason);
}

bool IsPdfName(const QString& path) { return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive); }

}  // namespace

TChartMenu::TChartMenu(vqm::TCustomRChart* first, vqm::TCustomRChart* second, TTranslate translate,
                       TSeriesText seriesText, QObject* parent)
    : QObject(parent), fCharts{first, second}, fTranslate(std::move(translate)), fSeriesText(std::move(seriesText)) {
  for (vqm::TCustomRChart* chart : fCharts) {
    if (!chart) continue;
    RememberEverything(chart);
    chart->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chart, &QWidget::customContextMenuRequested, this,
            [this, chart](QPoint pos) { Open(chart, chart->mapToGlobal(pos)); });
    chart->installEventFilter(this);
    chart->OnZoomPan = [this, chart](QObject*) { FollowRanges(chart); };
  }
}

void TChartMenu::RememberEverything(vqm::TCustomRChart* chart) {
  const vqm::TScaleProps& x = *chart->ScaleX(1);
  const vqm::TScaleProps& y = *chart->ScaleY(1);
  fEverything[chart == fCharts[0] ? 0 : 1] = {x.RangeLow(), x.RangeHigh(), y.RangeLow(), y.RangeHigh()};
  chart->ResetRangeHistory();  // the history starts from these ranges
}

void TChartMenu::SetEverythingAmplitudes(vqm::TCustomRChart* chart, double low, double high) {
  TRanges& r = fEverything[chart == fCharts[0] ? 0 : 1];
  r.yLow = low;
  r.yHigh = high;
}

vqm::TCustomRChart* TChartMenu::Partner(vqm::TCustomRChart* chart) const {
  return chart == fCharts[0] ? fCharts[1] : fCharts[0];
}

// The Menu key: some platforms turn it into a context-menu event themselves,
// others leave it a key; the menu opens once either way, at the chart's centre.
bool TChartMenu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ContextMenu) {
    if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) fMenuKeySeen = true;
    return false;
  }
  if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Menu) return false;
  // Not a chart any more while it is being destroyed.
  auto* chart = dynamic_cast<vqm::TCustomRChart*>(watched);
  if (!chart) return false;
  if (!fMenuKeySeen) Open(chart, chart->mapToGlobal(chart->rect().center()));
  fMenuKeySeen = false;
  return true;
}

QMenu* TChartMenu::Open(vqm::TCustomRChart* chart, QPoint globalPos) {
  if (fOpen) fOpen->close();
  auto* menu = new QMenu(chart);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->setObjectName(QStringLiteral("ChartMenu"));

  // What the left button does; the design's "nothing" stays the default.
  auto* modes = new QActionGroup(menu);
  struct TMode {
    const char* key;
    vqm::TMouseActMode mode;
  };
  for (const TMode& m : {TMode{"Look only", vqm::maNone}, TMode{"Zoom with a window", vqm::maZoomWindPos},
                         TMode{"Pan", vqm::maPan}}) {
    QAction* action = menu->addAction(fTranslate(m.key));
    action->setCheckable(true);
    action->setChecked(chart->MouseAction() == m.mode);
    action->setActionGroup(modes);
    connect(action, &QAction::triggered, chart, [chart, mode = m.mode] {
      chart->SetMouseAction(mode);
      chart->SetMouseCursorFixed(mode == vqm::maNone);  // the zoom and pan cursors in the other modes
    });
  }
  menu->addSeparator();
  QAction* back = menu->addAction(fTranslate("Zoom back"), chart, [chart] { chart->ZoomBack(); });
  back->setEnabled(chart->CanZoomBack());
  QAction* forward = menu->addAction(fTranslate("Zoom forward"), chart, [chart] { chart->ZoomForward(); });
  forward->setEnabled(chart->CanZoomForward());
  menu->addAction(fTranslate("Show everything"), this, [this, chart] { ShowEverything(chart); });
  // The switches: each stores its state; `then` runs after the user changed it.
  auto addSwitch = [&](const char* key, bool& state, std::function<void(bool on)> then) {
    QAction* action = menu->addAction(fTranslate(key));
    action->setCheckable(true);
    action->setChecked(state);
    connect(action, &QAction::toggled, this, [&state, then = std::move(then)](bool on) {
      state = on;
      then(on);
    });
    return action;
  };
  if (fCharts[1]) {  // a pair of charts: the two links and the error's scale
    auto followWhenOn = [this, chart](bool on) {
      if (on) FollowRanges(chart);
    };
    addSwitch("Link time axes", fLinked, followWhenOn);
    addSwitch("Link amplitudes", fAmplitudesLinked, followWhenOn);
    addSwitch("Scale the error x2^k", fErrorScaled, [this](bool) {
      if (OnErrorScaleChange) OnErrorScaleChange();
    })->setEnabled(!ErrorShown || ErrorShown());
  }
  if (Reconstructions.choose) AddReconstructionMenu(menu);
  menu->addSeparator();
  menu->addAction(fTranslate("Copy picture"), chart,
                  [chart] { QGuiApplication::clipboard()->setImage(chart->grab().toImage()); });
  menu->addAction(fTranslate("Save picture..."), this, [this, chart] { AskSavePicture(chart); });
  menu->addAction(fTranslate("Export data..."), this, [this, chart] { AskExportData(chart); });
  menu->addAction(fTranslate("Print..."), this, [this, chart] { Print(chart); });
  if (OnEnterSetting) {
    menu->addSeparator();
    QAction* setting = menu->addAction(fTranslate("Set interval and resolution..."), this, [this] { OnEnterSetting(); });
    setting->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));  // shown; the main window owns the shortcut
  }
  if (OnOpenChain) {
    if (!OnEnterSetting) menu->addSeparator();
    QAction* chain = menu->addAction(fTranslate("Signal and converter..."), this, [this] { OnOpenChain(); });
    chain->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));  // shown; the main window owns the shortcut
  }
  if (OnListen) {
    menu->addSeparator();
    QAction* listen = menu->addAction(fTranslate("Listen to the signal"), this, [this] { OnListen(); });
    listen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));  // shown; the main window owns the shortcut
  }
  if (Languages.tables && Languages.choose) {
    menu->addSeparator();
    AddLanguageMenu(menu);
  }
  if (OnOpenSpectrum) {
    menu->addSeparator();
    QAction* spectrum = menu->addAction(fTranslate("Spectrum..."), this, [this] { OnOpenSpectrum(); });
    spectrum->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));  // shown; the main window owns the shortcut
  }

  fOpen = menu;
  connect(menu, &QObject::destroyed, this, [this, menu] {
    if (fOpen == menu) fOpen = nullptr;
  });
  menu->popup(globalPos);
  return menu;
}

void TChartMenu::AddLanguageMenu(QMenu* menu) {
  QMenu* languages = menu->addMenu(fTranslate("Language"));
  languages->setObjectName(QStringLiteral("LanguageMenu"));
  auto* group = new QActionGroup(languages);
  const QString shown = Languages.shown ? QFileInfo(Languages.shown()).absoluteFilePath() : QString();
  for (const TLanguageTable& table : Languages.tables()) {
    QAction* action = languages->addAction(table.name);
    action->setCheckable(true);
    action->setChecked(QFileInfo(table.path).absoluteFilePath() == shown);
    action->setActionGroup(group);
    connect(action, &QAction::triggered, this, [this, path = table.path] { Languages.choose(path); });
  }
  languages->setEnabled(!languages->isEmpty());  // no table found: nothing to choose
}

// The ways back from the samples, as radio items in the order of the enumeration.
void TChartMenu::AddReconstructionMenu(QMenu* menu) {
  static constexpr std::array<const char*, NumReconstructions> kKeys{
      "Hold (staircase)", "Linear interpolation", "Band-limited (sinc)", "Low-pass filter"};
  QMenu* ways = menu->addMenu(fTranslate("Reconstruction"));
  ways->setObjectName(QStringLiteral("ReconstructionMenu"));
  auto* group = new QActionGroup(ways);
  const TReconstruction shown = Reconstructions.shown ? Reconstructions.shown() : TReconstruction::rcHold;
  for (int k = 0; k < NumReconstructions; ++k) {
    const auto kind = TReconstruction(k);
    QAction* action = ways->addAction(fTranslate(kKeys[std::size_t(k)]));
    action->setCheckable(true);
    action->setChecked(kind == shown);
    action->setActionGroup(group);
    connect(action, &QAction::triggered, this, [this, kind] { Reconstructions.choose(kind); });
  }
}

void TChartMenu::ShowEverything(vqm::TCustomRChart* chart) {
  const TRanges& r = fEverything[chart == fCharts[0] ? 0 : 1];
  chart->SetLayerRange(1, r.xLow, r.yLow, r.xHigh, r.yHigh, true);
  FollowRanges(chart);
}

// The partner takes the time range, the amplitude range or both of `source`
// and keeps its own for what is not linked.
void TChartMenu::FollowRanges(vqm::TCustomRChart* source) {
  if ((!fLinked && !fAmplitudesLinked) || fFollowing || !fCharts[1]) return;
  fFollowing = true;
  vqm::TCustomRChart* partner = Partner(source);
  const vqm::TScaleProps& x = *(fLinked ? source : partner)->ScaleX(1);
  const vqm::TScaleProps& y = *(fAmplitudesLinked ? source : partner)->ScaleY(1);
  partner->SetLayerRange(1, x.RangeLow(), y.RangeLow(), x.RangeHigh(), y.RangeHigh(), true);
  fFollowing = false;
}

bool TChartMenu::SavePicture(vqm::TCustomRChart* chart, const QString& path, std::string& reason, double scale) {
  if (IsPdfName(path)) return WriteBytes(path, WidgetAsPdf(*chart, chart->Caption()), reason);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(WidgetPicture(*chart, scale))) {
    reason = writer.errorString().toStdString();
    return false;
  }
  return WriteBytes(path, bytes, reason);
}

bool TChartMenu::ExportData(const QString& path, std::string& reason) {
  const std::string text = fSeriesText();
  return WriteBytes(path, QByteArray::fromStdString(text), reason);
}

// The picture's scale is a choice among the dialog's file kinds: one PNG entry
// per scale, then the PDF.
void TChartMenu::AskSavePicture(vqm::TCustomRChart* chart) {
  QStringList pngs;
  for (double scale : kPictureScales) {
    QString kind = fTranslate(scale == 1.0 ? "PNG picture (*.png)" : "PNG picture at <%1%> times the size (*.png)");
    pngs << kind.replace(QLatin1String("<%1%>"), QString::fromStdString(PictureScaleText(scale)));
  }
  const QString pdf = fTranslate("PDF document (*.pdf)");
  QString filter = pngs.front();
  QString path = QFileDialog::getSaveFileName(chart->window(), fTranslate("Save picture"), QString(),
                                              (pngs + QStringList{pdf}).join(QStringLiteral(";;")), &filter);
  if (path.isEmpty()) return;
  if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) && !IsPdfName(path))
    path += filter == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
  const qsizetype chosen = pngs.indexOf(filter);
  std::string reason;
  if (!SavePicture(chart, path, reason, chosen >= 0 ? kPictureScales[std::size_t(chosen)] : 1.0))
    ReportFailure(chart->window(), path, reason);
}

void TChartMenu::AskExportData(vqm::TCustomRChart* chart) {
  QString path = QFileDialog::getSaveFileName(chart->window(), fTranslate("Export data"), QString(),
                                              fTranslate("CSV table (*.csv)"));
  if (path.isEmpty()) return;
  if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) path += QStringLiteral(".csv");
  std::string reason;
  if (!ExportData(path, reason)) ReportFailure(chart->window(), path, reason);
}

// On paper through the printer canvas: shapes, real text, the marks' printer
// forms and the axes' printer font rule.
void TChartMenu::Print(vqm::TCustomRChart* chart) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(chart->width() > chart->height() ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPrintDialog dialog(&printer, chart->window());
  if (dialog.exec() == QDialog::Accepted) RenderWidgetOnPage(*chart, printer);
}

void TChartMenu::ReportFailure(QWidget* parent, const QString& path, const std::string& reason) {
  QString text = fTranslate("Could not write <%1%>: <%2%>");
  text.replace(QLatin1String("<%1%>"), path).replace(QLatin1String("<%2%>"), QString::fromStdString(reason));
  QMessageBox::warning(parent, fTranslate("Quantora Lab"), text);
}

}  // namespace quantora
