#pragma once
// The context menu of the simulation charts (right click, or the Menu key on a
// focused chart): what the left button does (nothing, as designed, zoom with a
// window, or pan), the zoom history, the whole range again, whether the two
// charts keep the same time or amplitude range, the error magnified on an axis
// of its own, the sampled chart's reconstruction, and the chart as a picture, as data or on
// paper, and the language of every window. Every text goes through the
// translation table.

#include <QObject>
#include <QPoint>
#include <functional>
#include <string>
#include <vector>

#include "language_tables.h"
#include "reconstruction/reconstruction_kind.h"

class QAction;
class QMenu;
class QWidget;

namespace vqm {
class TCustomRChart;
}

namespace quantora {

class TChartMenu : public QObject {
  Q_OBJECT
 public:
  // The texts of the menu and its dialogs, by their English key.
  using TTranslate = std::function<QString(const char* key)>;
  // The simulated series of the current setting as CSV text.
  using TSeriesText = std::function<std::string()>;

  // Serves both charts (or one: `second` nullptr, no linking); each chart's
  // ranges at this moment are its "everything".
  TChartMenu(vqm::TCustomRChart* first, vqm::TCustomRChart* second, TTranslate translate, TSeriesText seriesText,
             QObject* parent = nullptr);

  // When set, the menu offers "Spectrum..." (Ctrl+F), which calls it.
  std::function<void()> OnOpenSpectrum;
  // When set, the menu offers "Set interval and resolution..." (Ctrl+I), which calls it.
  std::function<void()> OnEnterSetting;
  // When set, the menu offers "Signal and converter..." (Ctrl+K), which calls it.
  std::function<void()> OnOpenChain;
  // When set, the menu offers "Listen to the signal" (Ctrl+L), which calls it.
  std::function<void()> OnListen;
  // The translation tables offered under "Language", the one shown (its check
  // mark) and what choosing one does; no such submenu while `choose` is unset.
  struct TLanguages {
    std::function<std::vector<TLanguageTable>()> tables;
    std::function<QString()> shown;
    std::function<void(const QString& table)> choose;
  };
  TLanguages Languages;
  // The sampled chart's reconstruction: the one shown (its check mark) and
  // what choosing one does; no such submenu while `choose` is unset.
  struct TReconstructions {
    std::function<TReconstruction()> shown;
    std::function<void(TReconstruction)> choose;
  };
  TReconstructions Reconstructions;
  // The chart's ranges now become its "everything", and its history starts again.
  void RememberEverything(vqm::TCustomRChart* chart);
  // Only the amplitudes of the chart's "everything" change (the generator's signal grew or shrank).
  void SetEverythingAmplitudes(vqm::TCustomRChart* chart, double low, double high);

  // Opens the menu of `chart` at `globalPos` (not blocking); the open menu.
  QMenu* Open(vqm::TCustomRChart* chart, QPoint globalPos);
  QMenu* OpenMenu() const { return fOpen; }

  // The two charts keep the same time range (on at start).
  bool TimeAxesLinked() const { return fLinked; }
  void SetTimeAxesLinked(bool on) { fLinked = on; }
  // The two charts keep the same amplitude range (off at start).
  bool AmplitudesLinked() const { return fAmplitudesLinked; }
  void SetAmplitudesLinked(bool on) { fAmplitudesLinked = on; }
  // The error drawn on an axis of its own, magnified 2^k times (off at start);
  // offered while ErrorShown says the error is drawn. OnErrorScaleChange
  // redraws after the user switched it.
  bool ErrorScaled() const { return fErrorScaled; }
  void SetErrorScaled(bool on) { fErrorScaled = on; }
  std::function<bool()> ErrorShown;
  std::function<void()> OnErrorScaleChange;
  // The range the chart had when the menu was attached, with a history entry.
  void ShowEverything(vqm::TCustomRChart* chart);

  // The file behind each export, written whole or not at all; false with the
  // reason. A picture's kind follows the name: ".pdf" a vector PDF, else PNG
  // at `scale` times the chart's size (one of kPictureScales).
  bool SavePicture(vqm::TCustomRChart* chart, const QString& path, std::string& reason, double scale = 1.0);
  bool ExportData(const QString& path, std::string& reason);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  vqm::TCustomRChart* Partner(vqm::TCustomRChart* chart) const;
  // The partner takes the linked ranges of `source`.
  void FollowRanges(vqm::TCustomRChart* source);
  void AskSavePicture(vqm::TCustomRChart* chart);
  void AskExportData(vqm::TCustomRChart* chart);
  void Print(vqm::TCustomRChart* chart);
  void AddLanguageMenu(QMenu* menu);
  void AddReconstructionMenu(QMenu* menu);
  void ReportFailure(QWidget* parent, const QString& path, const std::string& reason);

  struct TRanges {
    double xLow, xHigh, yLow, yHigh;
  };
  vqm::TCustomRChart* fCharts[2];
  TRanges fEverything[2];
  TTranslate fTranslate;
  TSeriesText fSeriesText;
  bool fLinked = true;
  bool fAmplitudesLinked = false;
  bool fErrorScaled = false;
  bool fFollowing = false;    // a range being copied to the partner
  bool fMenuKeySeen = false;  // the platform made the Menu key a context-menu event already
  QMenu* fOpen = nullptr;
};

}  // namespace quantora
