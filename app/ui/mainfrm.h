#pragma once
// The main window: waveform, sampling interval and resolution in, two charts,
// three read-outs and an explanation out. Every input change recomputes and
// redraws everything at once.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/quantization_figures.h"
#include "app/amplitude_range.h"
#include "app/plotting.h"
#include "app/quantization_text.h"  // TTooltipLine
#include "app/simulation_settings.h"
#include "design_texts.h"
#include "language_tables.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace vqm {
class TRChart;
class TNumLab;
}  // namespace vqm
namespace tessera {
class TkdbDemonClient;
}
namespace glossator {
class TGlossator;
}

namespace quantora {

class TChainWindow;
class TChartMenu;
class TComboBox;
class TFrmAbout;
class TListening;
class TMemo;
class TPanel;
class TSettingDialog;
class TSpectrumWindow;

// Starting values of the controls, applied after the start-up sequence.
struct TStartValues {
  TSimulationSettings settings;
  TPlotOptions options;
  std::optional<TTimeRange> timeRange = std::nullopt;  // both charts zoomed to it; none: the whole axis
};

// How a main window starts.
struct TFormStart {
  TFormStart() = default;
  explicit TFormStart(QString table) : translationFile(std::move(table)) {}

  // The table to load at the end of loading; empty: the one beside the executable.
  QString translationFile;
  // Settle the single instance at the end of loading, as the design's host link
  // does (a second start hands over its command line and ends). Off for a
  // window that is only rendered, such as an export.
  bool singleInstance = true;
  // Carry the host-link component. Off for a window that is only rendered (an
  // export): it needs no link directory, and the window loads its table itself.
  bool hostLink = true;
  // Show the About dialog modally once at the first showing, before the first
  // curves, as the design does. Off for tests, the gallery, benchmarks, exports
  // and --no-about.
  bool showAbout = true;
  // Take the icon file at the first showing (a broken one is an error). Off for
  // exports, whose pictures do not show it.
  bool loadIcon = true;
  // Put the controls to these values at the end of the first showing.
  std::optional<TStartValues> startValues;
};

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  // The design's window size (outer, frame and caption included) and its minimum,
  // and the frame and caption the design's window manager adds around the client area.
  static constexpr QSize kDesignSize{801, 638};
  static constexpr QSize kMinimumSize{745, 550};
  static constexpr QSize kFrameExtent{8, 28};

  // `translationFile` names the table to load at the end of loading; empty: the
  // one beside the executable.
  explicit TForm1(const QString& translationFile = {}, QWidget* parent = nullptr);
  explicit TForm1(const TFormStart& start, QWidget* parent = nullptr);
  ~TForm1() override;

  // The About dialog the About button shows (created by the program entry).
  void SetAboutDialog(TFrmAbout* about);
  TFrmAbout* AboutDialog() const { return fAbout; }

  // Puts the controls to the given starting values through their own handlers
  // (after the first showing, which selects the sine).
  void ApplyStartValues(const TSimulationSettings& settings, const TPlotOptions& options);
  // The values the controls have, or will have once the start-up sequence has run.
  TStartValues SettledValues() const;
  // Changes the controls as the user would (and zooms both charts to a time
  // range that is given), or, before the start-up sequence has run, the
  // values it ends with.
  void ChangeValues(const TStartValues& values);
  // The setting options of a command line that another start handed over (its
  // first entry is that program), applied as if the user had set them: the
  // three inputs, the check boxes, the reconstruction, the time range and the language. Anything
  // else is ignored.
  void ApplyHandedOptions(const QStringList& params);
  // Translates the window (and its About dialog) again from the design texts
  // with the table of `language`; false, said on standard error, when that
  // table gives no texts (the window keeps its language then).
  bool ChangeLanguage(const std::string& language);
  // The table of a language ("en", "de"); replaceable for tests.
  std::function<QString(const std::string& language)> LanguageTable;
  // The user's choice in the charts' "Language" menus: every window translated
  // again with `table`, and the choice remembered for the next start. A table
  // that gives no texts changes nothing and is said in a message box; so is,
  // once, a choice that cannot be remembered.
  void ChooseLanguage(const QString& table);
  // The table the windows' texts come from now.
  const QString& ShownTable() const { return fShownTable; }
  // Where the "Language" menus look for tables; replaceable for tests.
  QStringList LanguageFolders;
  // The tables those menus offer, each read once until it changes.
  TLanguageTableCatalog LanguageCatalog;
  // The translation engine: the host link's, or without one the window's own.
  glossator::TGlossator& Texts();

  // Handlers, as the design binds them.
  // The start-up sequence at the first showing (from the event loop, once the
  // window is on the screen): icon, About dialog filled, translated and shown
  // once, sine selected, first Recompute, then the start values. An error while
  // saving or loading the icon leaves the rest of it undone.
  void FormShow();
  // Another start of the program handed over its command line: to the front.
  void cliDemonParamsChange();
  void CBoxSignalFormChange();
  void SBarSampleFreqChange();
  void SBarResoChange();
  void CBoxShowSamplesClick();
  void BButAboutClick();
  void BButExitClick();
  void Panel6Resize();
  // The plotting of the current control values into both charts, each over
  // the time range it shows. A chart whose range changes (zoom, pan, history)
  // is plotted again at once over its new range.
  void Recompute();
  // Both charts zoomed to the time range, each keeping its amplitudes.
  void ZoomTimeRange(const TTimeRange& range);
  // The control values as Recompute reads them.
  TRecomputeInputs CurrentInputs() const;
  // The series of the current setting as CSV text (the command line's --export-csv).
  std::string SeriesText() const;
  // Opens (or brings to the front) the spectrum window, which then follows
  // every recomputation: the charts' menu "Spectrum..." and Ctrl+F.
  void OpenSpectrum();
  // Opens the dialog for typing an exact interval and resolution (not
  // blocking): the charts' menu "Set interval and resolution..." and Ctrl+I.
  TSettingDialog* EnterSetting();
  // Opens (or brings to the front) the "Signal and converter" window, whose
  // every change recomputes: the charts' menu "Signal and converter..." and Ctrl+K.
  TChainWindow* OpenChainWindow();
  // Plays the setting's sound, the analog signal and then the converter's
  // output, slowed down to the ear; while it plays, stops it: the charts' menu
  // "Listen to the signal" and Ctrl+L.
  void Listen();
  // The signal chain recomputed from now on, shown in that window when it is open.
  void SetChain(const TChainSettings& chain);
  // The sampled chart's reconstruction (the charts' menu "Reconstruction"):
  // replots that chart and names it in the explanation.
  void SetReconstruction(TReconstruction kind);
  TReconstruction Reconstruction() const { return fReconstruction; }
  // The analog chart's amplitude range in full, as the generator's signal needs it.
  TAmplitudeRange AnalogAmplitudes() const { return fAnalogAmplitudes; }

  TPanel* Panel1;
  QLabel* Label1;
  TComboBox* CBoxSignalForm;
  QPushButton* BButAbout;
  QPushButton* BButExit;
  TPanel* Panel6;
  TPanel* Panel2;
  vqm::TRChart* RCSig;
  TPanel* Panel3;
  vqm::TRChart* RCSample;
  TPanel* Panel7;
  QScrollBar* SBarSampleFreq;
  vqm::TNumLab* NLabSampleFreq;
  vqm::TNumLab* NLabSampleTime;
  QCheckBox* CBoxShowSamples;
  QScrollBar* SBarReso;
  vqm::TNumLab* NLabReso;
  QCheckBox* CBoxSample;
  QCheckBox* CBoxQNoise;
  TMemo* MMExplain;
  TChartMenu* ChartMenu;  // the charts' context menu
  TListening* Listening;  // the sound of the setting and its player
  QPointer<TSpectrumWindow> Spectrum;  // made when first opened
  QPointer<TChainWindow> ChainWindow;  // made when first opened
  // The host link; it may end itself on the host's quit, so the window keeps no dangling pointer.
  QPointer<tessera::TkdbDemonClient> cliDemon;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SaveIconFromHost(const QString& iconName, const QString& workArea);
  void LoadIcon(const QString& file);
  void FillAboutDialog();
  void BuildTopPanel();
  void BuildCharts();
  void BuildInputPanel();
  void LayOut();
  void SetUpKeyboardPath();
  // The chain's lines: ChainSettingLines of the setting shown.
  void ShowQuantizationFigures(const TQuantizationFigures& figures, const std::vector<TTooltipLine>& chain);
  void ShowChainInExplanation(const std::vector<TTooltipLine>& chain);
  std::vector<TTooltipLine> fChainLines;  // of the last Recompute: the chain's settings in sentences
  void ReplotSampled(const TRecomputeInputs& inputs);
  void ShowErrorScale(std::optional<int> exponent);
  // Every window translated again from its design texts with `table`; false
  // (nothing changed) when the table gives no texts.
  bool TranslateAgain(const QString& table);
  // Qt's own texts in the language of the texts shown.
  void FollowLanguageInQtTexts();

  TFormStart fStart;
  TChainSettings fChain;  // the generator and converter the charts show; the controls hold the rest
  TReconstruction fReconstruction = TReconstruction::rcHold;  // the sampled chart's, chosen in the charts' menu
  TAmplitudeRange fAnalogAmplitudes;  // the analog chart's in full, for the generator's signal
  void TakeChain(const TChainSettings& chain);
  void FitAnalogAmplitudes();
  TFrmAbout* fAbout = nullptr;
  bool fShown = false;
  bool fStartedUp = false;  // the start-up sequence has run
  std::unique_ptr<glossator::TGlossator> fOwnTexts;  // without a host link
  TDesignTexts fDesignTexts;
  double fTimeAxisEnd = 1000;  // the analog chart's time axis as designed
  QString fSampledCaption;     // the sampled chart's caption without the error's scale
  QStringList fExplanation;    // the explanation as translated, before the chain's lines
  TWindowRuns fWindowRuns;     // the last run over a zoomed window, for the other chart
  QString fShownTable;
  bool fSaidChoiceNotStored = false;  // the message that a choice cannot be remembered came once
};

}  // namespace quantora
