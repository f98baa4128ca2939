#pragma once
// The chart control: a display list of drawing items in world coordinates,
// sixteen layers each with an X and a Y axis, and a renderer that replays the
// list into two off-screen images (the whole control and its data area) and
// shows them in one step.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <array>
#include <bitset>
#include <functional>
#include <memory>
#include <span>

#include "chart/background_image.h"
#include "chart/chart_enums.h"
#include "chart/crosshair.h"
#include "chart/design_limits.h"
#include "chart/display_list.h"
#include "chart/joint_layers.h"
#include "chart/range_history.h"
#include "chart/scale_props.h"
#include "chart/text_label.h"
#include "chart/world_mapping.h"
#include "drawbase/image_canvas.h"

namespace vqm {

class TScale;
class TAxisControls;

// Client drawing at fixed points of the pipeline; the canvas may be replaced.
using TRenderEvent = std::function<void(QObject* sender, TCanvas*& canvas, int top, int left)>;
// A tick an axis control has drawn, passed on with the chart as sender.
using TChartTickDrawnEvent = std::function<void(QObject* sender, TCanvas*& canvas, TScaleType scaleType,
                                                double currentTickPos, int chartX, int chartY)>;

class TCustomRChart : public QWidget {
  Q_OBJECT

 public:
  explicit TCustomRChart(QWidget* parent = nullptr);
  ~TCustomRChart() override;

  // ---- display list ----
  void MoveTo(double x, double y);
  void DrawTo(double x, double y);
  // The next points of the polyline, (x[i], y[i]) up to the shorter span, in one call.
  void DrawTo(std::span<const double> x, std::span<const double> y);
  void Line(double x1, double y1, double x2, double y2);
  // Empties the list and repaints the background into the data image; the
  // screen keeps the old picture until the next ShowItems or paint.
  void ClearItems();
  // Brings the list to the screen (the data area only, when AutoRedraw is on).
  void ShowItems();

  int ItemCount() const { return fList.Count(); }
  int ItemCapacity() const { return fList.Capacity(); }
  const TChartItem& Item(int index) const { return fList.Item(index); }
  const TDisplayList::TKindCounters& KindCounters() const { return fList.KindCounters(); }
  const TDisplayList& DisplayList() const { return fList; }

  int AllocSize() const { return fList.AllocSize(); }
  void SetAllocSize(int v) { fList.SetAllocSize(v); }
  TColor DataColor() const { return fList.State().DataColor; }
  void SetDataColor(TColor c) { fList.SetDataColor(c); }
  TPenStyle PenStyle() const { return fList.State().PenStyle; }
  void SetPenStyle(TPenStyle s) { fList.SetPenStyle(s); }
  std::uint8_t LineWidth() const { return fList.State().LineWidth; }
  void SetLineWidth(std::uint8_t w) { fList.SetLineWidth(w); }
  TColor FillColor() const { return fList.State().FillColor; }
  void SetFillColor(TColor c) { fList.SetFillColor(c); }
  std::uint8_t ClassDefault() const { return fList.State().ClassDefault; }
  void SetClassDefault(std::uint8_t c) { fList.SetClassDefault(c); }
  // The layer new items go to (1 at creation); its axes also carry the grid
  // and the pointer's world position. Numbers outside 1..16 are ignored.
  int ActiveLayer() const { return fList.State().ActiveLayer; }
  void SetActiveLayer(int layer) { fList.SetActiveLayer(layer); }
  // On (at creation): ShowItems redraws the data area at once and setters repaint.
  bool AutoRedraw() const { return fAutoRedraw; }
  void SetAutoRedraw(bool v) { fAutoRedraw = v; }
  // The chart whose list this one shows (nullptr: its own).
  TCustomRChart* UseDataOf() const;
  void SetUseDataOf(TCustomRChart* owner);
  // All classes and layers are drawn at creation; nothing here switches them off.
  bool ClassVisible(int cls) const { return fClassOn[std::size_t(cls & 255)]; }
  bool LayerVisible(int layer) const { return fLayerOn[std::size_t(ClampLayer(layer) - 1)]; }

  // ---- layers, ranges, mapping ----
  TScalePropsHoriz* Scale1X() const { return fScaleX[0]; }
  TScalePropsVert* Scale1Y() const { return fScaleY[0]; }
  TScalePropsHoriz* Scale2X() const { return fScaleX[1]; }
  TScalePropsVert* Scale2Y() const { return fScaleY[1]; }
  TScalePropsHoriz* Scale3X() const { return fScaleX[2]; }
  TScalePropsVert* Scale3Y() const { return fScaleY[2]; }
  TScalePropsHoriz* Scale4X() const { return fScaleX[3]; }
  TScalePropsVert* Scale4Y() const { return fScaleY[3]; }
  // The axis objects of a layer; layer 1's for a number outside 1..16.
  TScalePropsHoriz* ScaleX(int layer) const { return fScaleX[std::size_t(LayerOrFirst(layer) - 1)]; }
  TScalePropsVert* ScaleY(int layer) const { return fScaleY[std::size_t(LayerOrFirst(layer) - 1)]; }
  // The embedded axis control of a layer (1..16).
  TScale* AxisControlX(int layer) const;
  TScale* AxisControlY(int layer) const;

  TJointLayers& JointLayers() { return fJointLayers; }
  TJointLayers* JointLayersObject() { return &fJointLayers; }

  int MarginLeft() const { return fMarginLeft; }
  int MarginRight() const { return fMarginRight; }
  int MarginTop() const { return fMarginTop; }
  int MarginBottom() const { return fMarginBottom; }
  void SetMarginLeft(int v);
  void SetMarginRight(int v);
  void SetMarginTop(int v);
  void SetMarginBottom(int v);
  // Second names of the margins: the same values and setters.
  int LRim() const { return fMarginLeft; }
  int RRim() const { return fMarginRight; }
  int TRim() const { return fMarginTop; }
  int BRim() const { return fMarginBottom; }
  void SetLRim(int v) { SetMarginLeft(v); }
  void SetRRim(int v) { SetMarginRight(v); }
  void SetTRim(int v) { SetMarginTop(v); }
  void SetBRim(int v) { SetMarginBottom(v); }
  // Clamped to 0..32; narrows the data area on the right and at the bottom.
  int ShadowWidth() const { return fShadowWidth; }
  void SetShadowWidth(int v);
  bool Isometric() const { return fIsometric; }
  void SetIsometric(bool v);

  // The data frame's right column and bottom row, in control pixels.
  int DataRight() const { return width() - fMarginRight - fShadowWidth; }
  int DataBottom() const { return height() - fMarginBottom - fShadowWidth; }
  // Data-area size used for mapping (may be <= 0 on a tiny control).
  int DataWidth() const { return DataRight() - fMarginLeft; }
  int DataHeight() const { return DataBottom() - fMarginTop; }
  // The data area's picture in pixels: one more than the mapping size each way
  // (the frame's far edge), never negative.
  TSize DataAreaPixels() const { return {std::max(DataWidth() + 1, 0), std::max(DataHeight() + 1, 0)}; }

  void WorldToPixel(int layer, double x, double y, int& xpix, int& ypix) const;
  void PixelToWorld(int layer, int xpix, int ypix, double& x, double& y) const;
  const TWorldAxisMap& MapX(int layer) const { return fMapX[std::size_t(ClampLayer(layer) - 1)]; }
  const TWorldAxisMap& MapY(int layer) const { return fMapY[std::size_t(ClampLayer(layer) - 1)]; }
  // Sets one layer's ranges and pulls the layers joined to it along; the last
  // argument has no effect.
  void SetLayerRange(int layer, double xlow, double ylow, double xhigh, double yhigh, bool saveSnapshot,
                     bool unused = false);
  // The same without the joined layers.
  void ApplyLayerRange(int layer, double xlow, double ylow, double xhigh, double yhigh, bool saveSnapshot,
                       bool unused = false);
  virtual void CalcTransforms();
  // Handler of every axis object's change notification.
  void ScalePropsChanged();
  void SaveRangeSnapshot();
  void ResetRangeHistory();
  const TRangeHistory& RangeHistory() const { return fRangeHistory; }

  // While set, Paint does nothing. Set at creation, cleared when the window is
  // first shown. Releasing it repaints.
  bool PaintLock() const { return fPaintLock; }
  void SetPaintLock(bool v);

  // The steps a chart goes through when it is loaded from a stored form: between
  // BeginLoad and EndLoad nothing is computed or painted and axis objects accept
  // any Logarithmic value; EndLoad pushes the axes, clears their loading flags,
  // computes the mapping and paints.
  void BeginLoad();
  void EndLoad();
  bool Loading() const { return fLoading; }

  // The bounds setter: raises the size to the minimum the margins need.
  void SetBounds(int left, int top, int width, int height);
  // Position as the parent sees it (a window's position includes its frame).
  // Sizes, positions and margins keep to the ranges of design_limits.h.
  void SetLeft(int v) { move(ClampPixelOffset(v), y()); }
  void SetTop(int v) { move(x(), ClampPixelOffset(v)); }
  void SetWidth(int v) { SetBounds(x(), y(), v, height()); }
  void SetHeight(int v) { SetBounds(x(), y(), width(), v); }
  int MinimumWidth() const { return fMarginLeft + fMarginRight + fShadowWidth + 80; }
  int MinimumHeight() const { return fMarginTop + fMarginBottom + fShadowWidth + 20; }

  // Applies one of the standard layouts; reading always gives rcl_X1Bottom_Y1Left.
  TrcLayout StandardLayout() const { return rcl_X1Bottom_Y1Left; }
  void SetStandardLayout(TrcLayout layout);

  // ---- appearance ----
  TColor WindColor() const { return fWindColor; }
  void SetWindColor(TColor v);
  TColor ChartColor() const { return fChartColor; }
  void SetChartColor(TColor v);
  TColor ChartFrameColor() const { return fChartFrameColor; }
  void SetChartFrameColor(TColor v);
  GridStyleType GridStyle() const { return fGridStyle; }
  void SetGridStyle(GridStyleType v);
  TColor GridColor() const { return fGridColor; }
  void SetGridColor(TColor v);
  // Grid steps: > 0 fixed step, 0 the axis ticks, -1..-3 logarithmic rules;
  // values below -3 are ignored.
  double GridDx() const { return fGridDx; }
  void SetGridDx(double v);
  double GridDy() const { return fGridDy; }
  void SetGridDy(double v);
  TShadowStyle ShadowStyle() const { return fShadowStyle; }
  void SetShadowStyle(TShadowStyle v);
  TColor ShadowColor() const { return fShadowColor; }
  void SetShadowColor(TColor v);
  TColor ShadowBakColor() const { return fShadowBakColor; }
  void SetShadowBakColor(TColor v);
  QString Caption() const { return fCaption; }
  void SetCaption(const QString& v);
  int CaptionPosX() const { return fCaptionPosX; }
  void SetCaptionPosX(int v);
  int CaptionPosY() const { return fCaptionPosY; }
  void SetCaptionPosY(int v);
  TAlignment CaptionAlignment() const { return fCaptionAlignment; }
  void SetCaptionAlignment(TAlignment v);
  TCaptionAnchorHoriz CaptionAnchorHoriz() const { return fCaptionAnchorHoriz; }
  void SetCaptionAnchorHoriz(TCaptionAnchorHoriz v);
  TCaptionAnchorVert CaptionAnchorVert() const { return fCaptionAnchorVert; }
  void SetCaptionAnchorVert(TCaptionAnchorVert v);
  TFontStyles TextFontStyle() const { return fTextFontStyle; }
  void SetTextFontStyle(TFontStyles v);
  TTextBkg TextBkStyle() const { return fTextBkStyle; }
  void SetTextBkStyle(TTextBkg v);
  TColor TextBkColor() const { return fTextBkColor; }
  void SetTextBkColor(TColor v);
  TAlignment TextAlignment() const { return fTextAlignment; }
  void SetTextAlignment(TAlignment v);
  TBakGndImg& BackGroundImg() { return fBackGroundImg; }
  TBakGndImg* BackGroundImgObject() { return &fBackGroundImg; }
  // The chart's font; new text labels start with a copy of it.
  const TFont& Font() const { return fFont; }
  void SetFont(const TFont& v);
  // The font as one line of text (see font_text.h); a malformed text is ignored.
  QString FontText() const;
  void SetFontText(const QString& v);

  // ---- mouse and keyboard ----
  // What dragging with the left button does (maNone at creation).
  TMouseActMode MouseAction() const { return fMouseAction; }
  void SetMouseAction(TMouseActMode v) { fMouseAction = v; }
  // On (at creation): the default cursor everywhere, whatever the mode.
  bool MouseCursorFixed() const { return fMouseCursorFixed; }
  void SetMouseCursorFixed(bool v) { fMouseCursorFixed = v; }
  // Only layers whose mouse switch is on are panned and zoomed: layer 1 at
  // creation, and nothing in the chart changes that.
  bool MouseLayerOn(int layer) const { return fMouseLayerOn[std::size_t(ClampLayer(layer) - 1)]; }
  void SetMouseLayerOn(int layer, bool on) {
    if (layer >= 1 && layer <= kLayerCount) fMouseLayerOn[std::size_t(layer - 1)] = on;
  }
  // Whether a control pixel lies in the data area (its frame included).
  bool InDataArea(QPoint p) const;
  // The zoom window being drawn (maZoomWind, maZoomWindPos), in control pixels.
  bool ZoomWindowOpen() const { return fZoomWindowOpen; }
  QPoint ZoomWindowStart() const { return fWindowStart; }
  QPoint ZoomWindowEnd() const { return fWindowEnd; }
  // The zoom history: every layer's ranges as they were one snapshot earlier or
  // later (see TRangeHistory), restored through SetLayerRange and reported by
  // OnZoomPan. Backspace and Shift+Backspace on a focused chart do the same.
  // Each returns false, changing nothing, when there is no such step. A
  // focused chart also zooms with keys, one history step per press: + (or =)
  // halves and - doubles both spans about the centre, and the arrow keys move
  // the view by a tenth of its span (chart_keys.cpp).
  bool CanZoomBack() const { return fRangeHistory.CanGoBack(); }
  bool CanZoomForward() const { return fRangeHistory.CanGoForward(); }
  bool ZoomBack();
  bool ZoomForward();

  // The toolkit's mouse events, raised before the chart's own handling.
  std::function<void(QObject* sender, QMouseEvent* event)> OnMouseDown;
  std::function<void(QObject* sender, QMouseEvent* event)> OnMouseMove;
  std::function<void(QObject* sender, QMouseEvent* event)> OnMouseUp;
  // After every move over the control: whether the pointer is in the data
  // area, the keyboard modifiers, and its world position on the active layer.
  std::function<void(QObject* sender, bool inChart, Qt::KeyboardModifiers shift, double x, double y)>
      OnMouseMoveInChart;
  std::function<void(QObject* sender)> OnMouseEnter;
  std::function<void(QObject* sender)> OnMouseLeave;
  // After each pan step, zoom-drag step, zoom by window and history step.
  std::function<void(QObject* sender)> OnZoomPan;
  // Whenever SetLayerRange has changed a range, however it was asked (mouse,
  // history, client), before the chart repaints: items rebuilt for the new
  // ranges here are what the one repaint shows.
  std::function<void(QObject* sender)> OnRangeChange;
  std::function<void(QObject* sender, TCrossHair* which)> OnCrossHairMove;
  std::function<void(QObject* sender, TTextLabel* which)> OnTextLabelMove;

  // Key events of the focused chart, raised before the chart's own handling.
  // The chart keeps the arrow keys. Tab moves the focus on, except while the
  // left button drags a crosshair or a label (maDragCrossH, maDragLabel): there
  // it reaches the chart, for a client that picks the next object with it.
  bool KeepsTab() const;
  std::function<void(QObject* sender, QKeyEvent* event)> OnKeyDown;
  std::function<void(QObject* sender, QKeyEvent* event)> OnKeyUp;
  std::function<void(QObject* sender, const QString& text)> OnKeyPress;

  // ---- crosshairs and text labels ----
  static constexpr int kCrossHairCount = 4;
  static constexpr int kTextLabelCount = 30;
  TCrossHair* CrossHair1() const { return fCrossHairs[0]; }
  TCrossHair* CrossHair2() const { return fCrossHairs[1]; }
  TCrossHair* CrossHair3() const { return fCrossHairs[2]; }
  TCrossHair* CrossHair4() const { return fCrossHairs[3]; }
  // Crosshair 1..4 and label 1..30; nullptr for any other number.
  TCrossHair* CrossHair(int n) const {
    return n >= 1 && n <= kCrossHairCount ? fCrossHairs[std::size_t(n - 1)] : nullptr;
  }
  TTextLabel* TextLabel(int n) const {
    return n >= 1 && n <= kTextLabelCount ? fTextLabels[std::size_t(n - 1)] : nullptr;
  }
  // The parent of the 30 labels, in their order (a collection for stored designs).
  QObject* TextLabels() const { return fTextLabelHolder; }
  // Control pixel of a label's anchor: its pixel coordinates rounded, its world
  // coordinates mapped on its layer, as AttachToData says.
  TPoint TextLabelAnchor(const TCustomTextLabel& label) const;

  // ---- rendering ----
  // The full picture: surroundings, axes and data area, shown in one step.
  void Paint();
  // The same picture onto other canvases, a page's or a printer's: `whole` at
  // the control's size, `dataArea` with its origin at the data area's top-left
  // corner showing DataWidth() + 1 by DataHeight() + 1 pixels and nothing
  // outside. Crosshairs go over the whole. A painter on a page (PDF, printer)
  // gets this when the chart is rendered onto it.
  void PaintOn(TCanvas& whole, TCanvas& dataArea);
  TBitmap& FrameImage() { return fFrameImage; }
  TBitmap& DataImage() { return fDataImage; }
  TBitmap& BackgroundPicture() { return fBackgroundPicture; }

  TRenderEvent OnBeforeRenderData;
  TRenderEvent OnDataRendered;
  TRenderEvent OnScalesRendered;
  TChartTickDrawnEvent OnScaleTickDrawn;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void DrawFocusFrame(QPainter& painter) const;
  static int ClampLayer(int layer) { return layer < 1 ? 1 : (layer > kLayerCount ? kLayerCount : layer); }
  static int LayerOrFirst(int layer) { return (layer < 1 || layer > kLayerCount) ? 1 : layer; }
  bool CanPaint() const;
  void RepaintIfAuto();
  void RepaintRequested();
  void ResizeDataImage();
  bool BackgroundCoversDataImage() const;
  void AfterMarginChange();
  void AfterResize();
  void ApplyIsometricRule(int layer);
  void JoinLayer(TAxisDirection dir, int follower, int leader);
  TRangeHistory::TSnapshot CurrentRanges() const;

  // `covered`: the part the data image is copied over afterwards, left unfilled.
  void PaintFrameImage(TCanvas& canvas, const TRect& covered = {});
  void PaintDataBackground(TCanvas& canvas);
  void RenderItems(TCanvas& canvas);
  void DrawGrid(TCanvas& canvas);
  void DrawCrosshairsAndShow(int left, int top, TBitmap& image);
  void DrawCrosshairs(TCanvas& canvas, int left, int top);
  void CreateCrossHairsAndLabels();
  void ArmDrag(QPoint p);
  int PickCrossHair(QPoint p) const;
  int PickTextLabel(QPoint p) const;
  void ApplyMouseRanges(const std::function<bool(int layer, TLayerRect& r)>& compute);
  void PanStep(QPoint p);
  void ZoomDragStep(QPoint p);
  void KeyZoomPan(long double spanFactor, long double shiftX, long double shiftY);
  void DragCrossHairStep(QPoint p);
  void DragLabelStep(QPoint p);
  void MoveZoomWindow(QPoint p);
  void FinishZoomWindow();
  void UpdateCursor(QPoint p);
  void RestoreRanges(const TRangeHistory::TSnapshot& s);

  TDisplayList fList;
  bool fAutoRedraw = true;
  std::bitset<256> fClassOn;
  std::array<bool, kLayerCount> fLayerOn{};

  std::array<TScalePropsHoriz*, kLayerCount> fScaleX{};
  std::array<TScalePropsVert*, kLayerCount> fScaleY{};
  std::array<TWorldAxisMap, kLayerCount> fMapX{}, fMapY{};
  std::unique_ptr<TAxisControls> fAxes;
  TJointLayers fJointLayers;
  TRangeHistory fRangeHistory;

  int fMarginLeft = 50, fMarginRight = 10, fMarginTop = 16, fMarginBottom = 32;  // declared defaults
  int fShadowWidth = 0;  // no shadow
  bool fIsometric = false;
  int fAspectX = 1, fAspectY = 1;  // the screen's pixel aspect (square pixels)
  bool fPaintLock = true;
  bool fLoading = false;
  QSize fLaidOutSize;  // size the last resize handling was done for

  TColor fWindColor = clBtnFace;        // around the data area
  TColor fChartColor = clWhite;         // data-area fill
  TColor fChartFrameColor = clBlack;    // frame of the data area
  GridStyleType fGridStyle = gsNone;    // no grid
  TColor fGridColor = clBlack;
  double fGridDx = 0, fGridDy = 0;      // grid on the axis ticks
  TShadowStyle fShadowStyle = ssFlying;
  TColor fShadowColor = clGrayText;
  TColor fShadowBakColor = clBtnFace;
  QString fCaption;                     // empty
  int fCaptionPosX = 0, fCaptionPosY = -15;  // the layout then sets -16
  TAlignment fCaptionAlignment = taRightJustify;
  TCaptionAnchorHoriz fCaptionAnchorHoriz = cahChartRight;
  TCaptionAnchorVert fCaptionAnchorVert = cavChartTop;
  TFontStyles fTextFontStyle = 0;       // plain
  TTextBkg fTextBkStyle = tbClear;
  TColor fTextBkColor = clWhite;
  TAlignment fTextAlignment = taCenter;
  TBakGndImg fBackGroundImg;
  TFont fFont;  // a new font
  TMouseActMode fMouseAction = maNone;
  bool fMouseCursorFixed = true;
  std::array<bool, kLayerCount> fMouseLayerOn{true};  // layer 1 only
  bool fZoomWindowOpen = false;
  QPoint fWindowStart, fWindowEnd;  // first and current corner
  bool fArmed = false;              // the drag's start is recorded
  bool fGestureChanged = false;     // a pan or zoom drag moved a range
  bool fHoldSnapshots = false;      // no history entries in the middle of a gesture
  struct TDragStart {
    QPoint Pointer;
    double XL, XH, YL, YH;
  };
  std::array<TDragStart, kLayerCount> fDragStart{};
  int fDragCrossHair = 1, fDragLabel = 1;
  std::array<TCrossHair*, kCrossHairCount> fCrossHairs{};
  std::array<TTextLabel*, kTextLabelCount> fTextLabels{};
  QObject* fTextLabelHolder = nullptr;

  TBitmap fFrameImage;
  TBitmap fDataImage;
  TBitmap fBackgroundPicture{10, 10};
};

// The published chart. Every published property is a Qt property, in the order
// a stored design lists them. "Default.<name>" class infos give the declared
// default: the value a stored design leaves out (see chart_design.h). LRim ..
// BRim are second names of the margins and StandardLayout only applies a
// layout, so none of them is stored; UseDataOf names another chart and is not
// stored either.
class TRChart : public TCustomRChart {
  Q_OBJECT
  Q_CLASSINFO("Default.MarginLeft", "50")
  Q_CLASSINFO("Default.MarginRight", "10")
  Q_CLASSINFO("Default.MarginTop", "16")
  Q_CLASSINFO("Default.MarginBottom", "32")
  Q_CLASSINFO("Default.DataColor", "0")
  Q_CLASSINFO("Default.PenStyle", "0")
  Q_CLASSINFO("Default.ChartFrameColor", "0")
  Q_CLASSINFO("Default.FillColor", "12632256")
  Q_CLASSINFO("Default.ChartColor", "16777215")
  Q_CLASSINFO("Default.WindColor", "2147483663")
  Q_CLASSINFO("Default.GridColor", "0")
  Q_CLASSINFO("Default.LineWidth", "1")
  Q_CLASSINFO("Default.ShadowWidth", "0")
  Q_CLASSINFO("SecondName.LRim", "MarginLeft")
  Q_CLASSINFO("SecondName.RRim", "MarginRight")
  Q_CLASSINFO("SecondName.TRim", "MarginTop")
  Q_CLASSINFO("SecondName.BRim", "MarginBottom")
  Q_PROPERTY(int Left READ x WRITE SetLeft)
  Q_PROPERTY(int Top READ y WRITE SetTop)
  Q_PROPERTY(int Width READ width WRITE SetWidth)
  Q_PROPERTY(int Height READ height WRITE SetHeight)
  Q_PROPERTY(int AllocSize READ AllocSize WRITE SetAllocSize)
  Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE SetAutoRedraw)
  Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
  Q_PROPERTY(int MarginRight READ MarginRight WRITE SetMarginRight)
  Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
  Q_PROPERTY(int MarginBottom READ MarginBottom WRITE SetMarginBottom)
  Q_PROPERTY(int LRim READ LRim WRITE SetLRim STORED false)
  Q_PROPERTY(int RRim READ RRim WRITE SetRRim STORED false)
  Q_PROPERTY(int TRim READ TRim WRITE SetTRim STORED false)
  Q_PROPERTY(int BRim READ BRim WRITE SetBRim STORED false)
  Q_PROPERTY(vqm::TBakGndImg* BackGroundImg READ BackGroundImgObject)
  Q_PROPERTY(std::uint8_t ClassDefault READ ClassDefault WRITE SetClassDefault)
  Q_PROPERTY(vqm::GridStyleType GridStyle READ GridStyle WRITE SetGridStyle)
  Q_PROPERTY(double GridDx READ GridDx WRITE SetGridDx)
  Q_PROPERTY(double GridDy READ GridDy WRITE SetGridDy)
  Q_PROPERTY(bool Isometric READ Isometric WRITE SetIsometric)
  Q_PROPERTY(vqm::TColor DataColor READ DataColor WRITE SetDataColor)
  Q_PROPERTY(vqm::TPenStyle PenStyle READ PenStyle WRITE SetPenStyle)
  Q_PROPERTY(vqm::TColor ChartFrameColor READ ChartFrameColor WRITE SetChartFrameColor)
  Q_PROPERTY(vqm::TColor FillColor READ FillColor WRITE SetFillColor)
  Q_PROPERTY(vqm::TColor ChartColor READ ChartColor WRITE SetChartColor)
  Q_PROPERTY(vqm::TColor WindColor READ WindColor WRITE SetWindColor)
  Q_PROPERTY(vqm::TColor GridColor READ GridColor WRITE SetGridColor)
  Q_PROPERTY(vqm::TJointLayers* JointLayers READ JointLayersObject)
  Q_PROPERTY(std::uint8_t LineWidth READ LineWidth WRITE SetLineWidth)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(int CaptionPosX READ CaptionPosX WRITE SetCaptionPosX)
  Q_PROPERTY(int CaptionPosY READ CaptionPosY WRITE SetCaptionPosY)
  Q_PROPERTY(vqm::TAlignment CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment)
  Q_PROPERTY(vqm::TCaptionAnchorHoriz CaptionAnchorHoriz READ CaptionAnchorHoriz WRITE SetCaptionAnchorHoriz)
  Q_PROPERTY(vqm::TCaptionAnchorVert CaptionAnchorVert READ CaptionAnchorVert WRITE SetCaptionAnchorVert)
  Q_PROPERTY(vqm::TCrossHair* CrossHair1 READ CrossHair1)
  Q_PROPERTY(vqm::TCrossHair* CrossHair2 READ CrossHair2)
  Q_PROPERTY(vqm::TCrossHair* CrossHair3 READ CrossHair3)
  Q_PROPERTY(vqm::TCrossHair* CrossHair4 READ CrossHair4)
  Q_PROPERTY(vqm::TMouseActMode MouseAction READ MouseAction WRITE SetMouseAction)
  Q_PROPERTY(bool MouseCursorFixed READ MouseCursorFixed WRITE SetMouseCursorFixed)
  Q_PROPERTY(vqm::TScalePropsHoriz* Scale1X READ Scale1X)
  Q_PROPERTY(vqm::TScalePropsVert* Scale1Y READ Scale1Y)
  Q_PROPERTY(vqm::TScalePropsHoriz* Scale2X READ Scale2X)
  Q_PROPERTY(vqm::TScalePropsVert* Scale2Y READ Scale2Y)
  Q_PROPERTY(vqm::TScalePropsHoriz* Scale3X READ Scale3X)
  Q_PROPERTY(vqm::TScalePropsVert* Scale3Y READ Scale3Y)
  Q_PROPERTY(vqm::TScalePropsHoriz* Scale4X READ Scale4X)
  Q_PROPERTY(vqm::TScalePropsVert* Scale4Y READ Scale4Y)
  Q_PROPERTY(vqm::TrcLayout StandardLayout READ StandardLayout WRITE SetStandardLayout STORED false)
  Q_PROPERTY(int ShadowWidth READ ShadowWidth WRITE SetShadowWidth)
  Q_PROPERTY(vqm::TShadowStyle ShadowStyle READ ShadowStyle WRITE SetShadowStyle)
  Q_PROPERTY(vqm::TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
  Q_PROPERTY(vqm::TColor ShadowBakColor READ ShadowBakColor WRITE SetShadowBakColor)
  Q_PROPERTY(vqm::TCustomRChart* UseDataOf READ UseDataOf WRITE SetUseDataOf STORED false)
  Q_PROPERTY(vqm::TFontStyles TextFontStyle READ TextFontStyle WRITE SetTextFontStyle)
  Q_PROPERTY(vqm::TTextBkg TextBkStyle READ TextBkStyle WRITE SetTextBkStyle)
  Q_PROPERTY(vqm::TColor TextBkColor READ TextBkColor WRITE SetTextBkColor)
  Q_PROPERTY(vqm::TAlignment TextAlignment READ TextAlignment WRITE SetTextAlignment)
  Q_PROPERTY(QString Font READ FontText WRITE SetFontText)
  // The 30 text labels, as the children of this object in their order.
  Q_PROPERTY(QObject* TextLabels READ TextLabels)

 public:
  explicit TRChart(QWidget* parent = nullptr) : TCustomRChart(parent) {}
};

}  // namespace vqm
