#pragma once
// TScale: an axis with ticks, tick labels and a caption, optionally on its own
// background inside a 3-D frame. It is windowless: it paints onto the canvas set
// by SetTarget (the chart's off-screen image) or, when shown on a form through a
// TScaleWidget, onto that widget. All state and painting live here.

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "drawbase/canvas.h"
#include "drawbase/dtlabel.h"
#include "drawbase/enums.h"
#include "drawbase/font.h"
#include "drawbase/image_canvas.h"
#include "scale/axis_mapping.h"
#include "scale/scale_paint.h"
#include "scale/tick_pass.h"

class QWidget;

namespace vqm {

class TScale;

// Raised after each tick. The canvas is passed by reference: a handler that
// replaces it receives the rest of the pass on the new canvas. ChartX, ChartY is
// the tick's base point on the base line.
using TScaleTickDrawnEvent = std::function<void(TScale* sender, TCanvas*& canvas, TScaleType scaleType,
                                                double currentTickPos, int chartX, int chartY)>;
// Raised before and after a scale renders, with the canvas it draws on.
using TScaleRenderedEvent = std::function<void(TScale* sender, TCanvas* canvas)>;

class TScale : public QObject {
  Q_OBJECT
  // The texts a form translator replaces.
  Q_PROPERTY(QString Caption READ CaptionText WRITE SetCaptionText)
  Q_PROPERTY(QString UserTickText READ UserTickTextQ WRITE SetUserTickTextQ)
  Q_PROPERTY(QString ScaleInscript READ ScaleInscriptQ WRITE SetScaleInscriptQ)

 public:
  explicit TScale(QObject* owner = nullptr);
  ~TScale() override;
  TScale(const TScale&) = delete;
  TScale& operator=(const TScale&) = delete;

  // --- Position and size -------------------------------------------------
  // Stores position and size (a shown scale moves its widget), recomputes the
  // mapping and repaints. Negative sizes count as 0.
  void SetBounds(int left, int top, int width, int height);
  void SetSize(int width, int height) { SetBounds(fLeft, fTop, width, height); }
  int Left() const { return fLeft; }
  int Top() const { return fTop; }
  int Width() const { return fExtent.Width; }
  int Height() const { return fExtent.Height; }

  // The scale's own flag (default true); an invisible scale draws nothing. A
  // scale shown through a widget shows or hides the widget too.
  bool Visible() const { return fVisible; }
  void SetVisible(bool v);

  // Labels and caption are written in this font with its own colour. Initially
  // the library's default font (the parent's, as a form would give it).
  const TFont& Font() const { return fFont; }
  void SetFont(const TFont& font);

  // --- Range and mapping ---------------------------------------------------
  // Initially 0 and 100. Setting one bound equal to the other moves the other
  // one by 1 away (RangeHigh := 50 with RangeLow 50 gives 49..50).
  double RangeLow() const { return fRange.Low; }
  double RangeHigh() const { return fRange.High; }
  void SetRangeLow(double v);
  void SetRangeHigh(double v);
  // Initially false. True is accepted only with both bounds >= 1e-100 and no
  // date/time labels, except while loading (see BeginLoading), when it is stored.
  bool Logarithmic() const { return fRange.Logarithmic; }
  void SetLogarithmic(bool v);

  // Initially sctXB.
  TScaleType ScaleType() const { return fExtent.Type; }
  void SetScaleType(TScaleType t);
  // Initially 20 each; negative values are stored as 0.
  int MarginLeft() const { return fExtent.MarginLeft; }
  int MarginRight() const { return fExtent.MarginRight; }
  int MarginTop() const { return fExtent.MarginTop; }
  int MarginBottom() const { return fExtent.MarginBottom; }
  void SetMarginLeft(int v);
  void SetMarginRight(int v);
  void SetMarginTop(int v);
  void SetMarginBottom(int v);

  // Recomputes the mapping from range, type, size and margins (not while loading).
  void CalcMapping();
  const TAxisMapping& Mapping() const { return fMapping; }
  // Pixel along the axis in the scale's own coordinates.
  int ValueToPixel(double v) const;

  // --- Ticks and labels ----------------------------------------------------
  // Initially ftNum. ftDateTime also turns Logarithmic off; ftTime sets DecPlaces 4.
  TFigType LabelType() const { return fLabelType; }
  void SetLabelType(TFigType t);
  // Initially -2 (automatic); clamped to -3..12.
  int DecPlaces() const { return fDecPlaces; }
  void SetDecPlaces(int v);
  // Initially 3; clamped to 2..10.
  int MinTicks() const { return fMinTicks; }
  void SetMinTicks(int v);
  // Initially true.
  bool ShortTicks() const { return fShortTicks; }
  void SetShortTicks(bool v);
  // Initially empty; items separated by '|' (UTF-8).
  const std::string& UserTickText() const { return fUserTickText; }
  void SetUserTickText(std::string_view v);
  // Initially empty; '&' marks where the number goes (UTF-8).
  const std::string& ScaleInscript() const { return fScaleInscript; }
  void SetScaleInscript(std::string_view v);
  // Format of date/time labels; initially tfHHMMSS, "-", ":", ylYYYY, month
  // names, doDDMMYY, dtOnePerDay. Changing its fields repaints the scale.
  TDTLabel& DateFormat() { return fDateFormat; }
  const TDTLabel& DateFormat() const { return fDateFormat; }
  void SetDateFormat(const TDTLabel& f);

  // Values recorded by the last tick pass (at most 50); TickPos is 1-based and
  // gives 0.0 outside 1..NumTicks.
  int NumTicks() const { return fPass.Values.Count(); }
  double TickPos(int i) const { return fPass.Values.At(i); }
  // The whole last tick pass, in drawing order.
  const TTickPass& LastPass() const { return fPass; }

  // --- Caption ---------------------------------------------------------------
  // Initially empty (UTF-8).
  const std::string& Caption() const { return fCaptionText; }
  void SetCaption(std::string_view v);
  // Offset of the caption from its anchor; initially 4, 4.
  int CaptionPosX() const { return fCaption.PosX; }
  int CaptionPosY() const { return fCaption.PosY; }
  void SetCaptionPosX(int v);
  void SetCaptionPosY(int v);
  // Initially taCenter.
  TAlignment CaptionAlignment() const { return fCaption.Alignment; }
  void SetCaptionAlignment(TAlignment v);
  // Initially uaSclTopLft.
  TScaleUnitAnchor CaptionAnchor() const { return fCaption.Anchor; }
  void SetCaptionAnchor(TScaleUnitAnchor v);

  // --- Appearance --------------------------------------------------------------
  // Pen of base line and ticks; initially black.
  TColor ColorScale() const { return fColorScale; }
  void SetColorScale(TColor c);
  // Background of an opaque scale; initially the theme's button face.
  TColor ColorBackGnd() const { return fColorBackGnd; }
  void SetColorBackGnd(TColor c);
  // Frame shadow and highlight: csBWG grey and white (initial), csSystem the theme's.
  TColorScheme ColorScheme() const { return fColorScheme; }
  void SetColorScheme(TColorScheme s);
  TColor ColorShadow() const { return fColorShadow; }
  TColor ColorHighlight() const { return fColorHighlight; }
  TColor ColorDark() const { return fColorDark; }
  // Initially fsLowered.
  TFrameStyle FrameStyle() const { return fFrameStyle; }
  void SetFrameStyle(TFrameStyle s);
  // Initially true.
  bool ShowBaseLine() const { return fShowBaseLine; }
  void SetShowBaseLine(bool v);
  // Initially false. A transparent scale draws only ticks, labels, caption and
  // base line straight onto its target.
  bool Transparent() const { return fTransparent; }
  void SetTransparent(bool v);

  // --- Painting --------------------------------------------------------------
  // Paint onto this canvas at this offset from now on (no repaint); nullptr
  // returns to the scale's own surface.
  void SetTarget(TCanvas* canvas, int dx, int dy);
  TCanvas* Target() const { return fTarget; }
  // A transparent stand-alone scale asks its widget to repaint (its parent
  // draws the background first); every other scale paints at once.
  void RefreshScale();
  // Paints now (nothing when invisible, loading or suspended).
  void Paint();
  // While true, paint requests are ignored; clearing it repaints.
  bool PaintSuspended() const { return fPaintSuspended; }
  void SetPaintSuspended(bool v);
  // One RefreshScale even while suspended.
  void ForcePaint();
  // The scale belongs to a chart, which paints it.
  bool ChartEmbedded() const { return fChartEmbedded; }
  void SetChartEmbedded(bool v);

  // Copies colours, frame, tick event, range and mapping, tick options, margins,
  // caption, texts, tick values, target, type and suspension; then repaints.
  void Assign(const TScale& other);

  // Loading from a design description: BeginLoading defers mapping and painting
  // (and lets Logarithmic be stored unchecked); EndLoading ends it, recomputes
  // the mapping and repaints. A scale created in code never loads, and keeps
  // accepting Logarithmic unchecked.
  void BeginLoading();
  void EndLoading();
  bool Loading() const { return fStreaming; }

  // --- Events ----------------------------------------------------------------
  TScaleTickDrawnEvent OnScaleTickDrawn;
  TScaleRenderedEvent OnBeforeScaleRendered;
  TScaleRenderedEvent OnAfterScaleRendered;

  // The widget that shows a stand-alone scale, nullptr for a windowless one.
  QWidget* Widget() const { return fWidget; }

  // Qt-string access to the text properties.
  QString CaptionText() const { return QString::fromStdString(fCaptionText); }
  void SetCaptionText(const QString& v) { SetCaption(v.toStdString()); }
  QString UserTickTextQ() const { return QString::fromStdString(fUserTickText); }
  void SetUserTickTextQ(const QString& v) { SetUserTickText(v.toStdString()); }
  QString ScaleInscriptQ() const { return QString::fromStdString(fScaleInscript); }
  void SetScaleInscriptQ(const QString& v) { SetScaleInscript(v.toStdString()); }

 private:
  friend class TScaleWidget;
  bool PaintAllowed() const;
  // Paints the whole scale onto `target` at (dx, dy).
  void PaintOnto(TCanvas& target, int dx, int dy);
  // Tick pass, caption and base line on the canvas variable.
  void DrawAxis(TCanvas*& canvas, int baseLine);
  void ApplyColorScheme();
  void SetMargin(int& margin, int v);

  // Geometry and range.
  int fLeft = 0, fTop = 0;
  TAxisExtent fExtent;  // 400 x 400, sctXB, margins 20
  TAxisRange fRange;    // 0..100, linear
  TAxisMapping fMapping;
  bool fVisible = true;
  TFont fFont;

  // Tick options.
  TFigType fLabelType = ftNum;
  int fDecPlaces = -2;
  int fMinTicks = 3;
  bool fShortTicks = true;
  std::string fUserTickText;
  std::string fScaleInscript;
  TDTLabel fDateFormat;

  // Caption.
  std::string fCaptionText;
  TCaptionPlacement fCaption;  // 4, 4, centred, at the start of the axis

  // Appearance.
  TColor fColorScale = clBlack;
  TColor fColorBackGnd = clBtnFace;
  TColorScheme fColorScheme = csBWG;
  TColor fColorShadow = clGray;
  TColor fColorHighlight = clWhite;
  TColor fColorDark = clBlack;
  TFrameStyle fFrameStyle = fsLowered;
  bool fShowBaseLine = true;
  bool fTransparent = false;

  // Painting.
  TCanvas* fTarget = nullptr;
  int fTargetDx = 0, fTargetDy = 0;
  bool fPaintSuspended = false;
  bool fChartEmbedded = false;
  bool fLoadingFlag = true;  // from construction until a load ends: Logarithmic unchecked
  bool fStreaming = false;   // between BeginLoading and EndLoading
  QWidget* fWidget = nullptr;
  TTickPass fPass;      // the last tick pass, refilled in place
  TBitmap fOffscreen;   // an opaque scale's composition image, kept between paints
};

}  // namespace vqm
