#pragma once
// The axis-property objects of a chart: one horizontal and one vertical per
// layer. They hold a world range, linear or logarithmic mapping and the look of
// the axis; the chart copies them into its embedded axis controls. Every write
// of a published property ends by firing OnChange, also when the value was
// refused or did not change.

#include <QObject>
#include <QString>
#include <functional>

#include "drawbase/dtlabel.h"
#include "drawbase/enums.h"
#include "drawbase/font.h"
#include "scale/scale_paint.h"

namespace vqm {

// Where an axis lies relative to the data area.
enum TAxisLocationCode : int {
  alcAbove = 0,  // horizontal axis above the data area
  alcBelow = 1,  // horizontal axis below it
  alcRight = 2,  // vertical axis right of it
  alcLeft = 3,   // vertical axis left of it
};

enum TScaleLocationHoriz : std::uint8_t {
  slTop,     // above the data area
  slBottom,  // below the data area
};

enum TScaleLocationVert : std::uint8_t {
  slLeft,   // left of the data area
  slRight,  // right of the data area
};

// Values below this count as "not positive" on a logarithmic axis.
constexpr double kLogFloor = 1e-100;

class TScaleProps : public QObject {
  Q_OBJECT
  Q_CLASSINFO("Translate", "nested")
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY changed)
  Q_PROPERTY(int CaptionPosX READ CaptionPosX WRITE SetCaptionPosX NOTIFY changed)
  Q_PROPERTY(int CaptionPosY READ CaptionPosY WRITE SetCaptionPosY NOTIFY changed)
  Q_PROPERTY(vqm::TAlignment CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment NOTIFY changed)
  Q_PROPERTY(vqm::TScaleUnitAnchor CaptionAnchor READ CaptionAnchor WRITE SetCaptionAnchor NOTIFY changed)
  Q_PROPERTY(vqm::TColor ColorScale READ ColorScale WRITE SetColorScale NOTIFY changed)
  Q_PROPERTY(QString DateFormat READ DateFormatText WRITE SetDateFormatText NOTIFY changed)
  Q_PROPERTY(int DecPlaces READ DecPlaces WRITE SetDecPlaces NOTIFY changed)
  Q_PROPERTY(QString Font READ FontText WRITE SetFontText NOTIFY changed)
  Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic NOTIFY changed)
  Q_PROPERTY(vqm::TFigType LabelType READ LabelType WRITE SetLabelType NOTIFY changed)
  Q_PROPERTY(int MinTicks READ MinTicks WRITE SetMinTicks NOTIFY changed)
  Q_PROPERTY(double MinRange READ MinRange WRITE SetMinRange NOTIFY changed)
  Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow NOTIFY changed)
  Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh NOTIFY changed)
  Q_PROPERTY(bool ShortTicks READ ShortTicks WRITE SetShortTicks NOTIFY changed)
  Q_PROPERTY(QString ScaleInscript READ ScaleInscript WRITE SetScaleInscript NOTIFY changed)
  Q_PROPERTY(int ScalePos READ ScalePos WRITE SetScalePos NOTIFY changed)
  Q_PROPERTY(QString UserTickText READ UserTickText WRITE SetUserTickText NOTIFY changed)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible NOTIFY changed)

 public:
  using TNotifyEvent = std::function<void(TScaleProps* sender)>;

  explicit TScaleProps(QObject* parent = nullptr);

  QString Caption() const { return fCaption; }
  void SetCaption(const QString& v);
  int CaptionPosX() const { return fCaptionPosX; }
  void SetCaptionPosX(int v);
  int CaptionPosY() const { return fCaptionPosY; }
  void SetCaptionPosY(int v);
  TAlignment CaptionAlignment() const { return fCaptionAlignment; }
  void SetCaptionAlignment(TAlignment v);
  TScaleUnitAnchor CaptionAnchor() const { return fCaptionAnchor; }
  void SetCaptionAnchor(TScaleUnitAnchor v);
  TColor ColorScale() const { return fColorScale; }
  void SetColorScale(TColor v);
  // The object itself: a change of one of its fields counts as a change of the axis.
  TDTLabel& DateFormat() { return fDateFormat; }
  const TDTLabel& DateFormat() const { return fDateFormat; }
  // Clamped to -3..12.
  int DecPlaces() const { return fDecPlaces; }
  void SetDecPlaces(int v);
  const TFont& Font() const { return fFont; }
  void SetFont(const TFont& v);
  // Font and date format as one line of text (see font_text.h); a malformed text
  // is ignored.
  QString FontText() const;
  void SetFontText(const QString& v);
  QString DateFormatText() const;
  void SetDateFormatText(const QString& v);
  bool Logarithmic() const { return fLogarithmic; }
  void SetLogarithmic(bool v);
  TFigType LabelType() const { return fLabelType; }
  void SetLabelType(TFigType v);
  int MinTicks() const { return fMinTicks; }
  void SetMinTicks(int v);
  // Axis values are held within +-kMaxWorldValue (design_limits.h); MinRange
  // above 1e-100 and up to that limit; positions in pixels within
  // +-kMaxPixelOffset.
  double MinRange() const { return fMinRange; }
  void SetMinRange(double v);
  double RangeLow() const { return fRangeLow; }
  void SetRangeLow(double v);
  double RangeHigh() const { return fRangeHigh; }
  void SetRangeHigh(double v);
  bool ShortTicks() const { return fShortTicks; }
  void SetShortTicks(bool v);
  QString ScaleInscript() const { return fScaleInscript; }
  void SetScaleInscript(const QString& v);
  // Pixels between the axis and the data area's edge, outward.
  int ScalePos() const { return fScalePos; }
  void SetScalePos(int v);
  QString UserTickText() const { return fUserTickText; }
  void SetUserTickText(const QString& v);
  bool Visible() const { return fVisible; }
  void SetVisible(bool v);

  TAxisLocationCode LocationCode() const { return fLocationCode; }
  void SetLocationCode(TAxisLocationCode code) { fLocationCode = code; }
  bool Loading() const { return fLoading; }
  void SetLoading(bool v) { fLoading = v; }
  // Both ends at once, without the range rules and without OnChange (layer ranges).
  void SetRangeDirect(double low, double high) {
    fRangeLow = low;
    fRangeHigh = high;
    emit changed();
  }

  TNotifyEvent OnChange;

 signals:
  // Any change, including ranges set by the chart's layers (zoom, pan, joins).
  void changed();

 protected:
  void Changed();

 private:
  enum class TRangeEnd : std::uint8_t { Low, High };
  void SpanMinRange(TRangeEnd end, double value);

  QString fCaption;                                 // empty
  int fCaptionPosX = 0, fCaptionPosY = 0;           // offset from the anchor
  TAlignment fCaptionAlignment = taCenter;          // centred on the anchor
  TScaleUnitAnchor fCaptionAnchor = uaSclTopLft;    // start of the axis
  TColor fColorScale = clBlack;                     // the chart sets layer colours
  TDTLabel fDateFormat;                             // clock hh:mm:ss, dates dd-mm-yyyy
  int fDecPlaces = -2;                              // automatic, see the tick engine
  TFont fFont;                                      // a new font
  bool fLogarithmic = false;                        // linear
  TFigType fLabelType = ftNum;                      // numbers
  int fMinTicks = 3;                                // at least three labelled ticks
  double fMinRange = 1e-10;                         // smallest span of the range
  double fRangeLow = 0, fRangeHigh = 1;             // world range
  bool fShortTicks = true;                          // intermediate ticks drawn
  QString fScaleInscript;                           // empty
  int fScalePos = 0;                                // right at the data area
  QString fUserTickText;                            // empty
  bool fVisible = false;                            // hidden until a layout shows it
  TAxisLocationCode fLocationCode = alcBelow;       // below the data area
  bool fLoading = true;                             // cleared when the chart has loaded
};

class TScalePropsHoriz : public TScaleProps {
  Q_OBJECT
  Q_PROPERTY(vqm::TScaleLocationHoriz ScaleLocation READ ScaleLocation WRITE SetScaleLocation NOTIFY changed)
 public:
  explicit TScalePropsHoriz(QObject* parent = nullptr);
  // slTop puts the axis above the data area, slBottom (at creation) below it.
  TScaleLocationHoriz ScaleLocation() const { return LocationCode() == alcAbove ? slTop : slBottom; }
  void SetScaleLocation(TScaleLocationHoriz v);
};

class TScalePropsVert : public TScaleProps {
  Q_OBJECT
  Q_PROPERTY(vqm::TScaleLocationVert ScaleLocation READ ScaleLocation WRITE SetScaleLocation NOTIFY changed)
 public:
  explicit TScalePropsVert(QObject* parent = nullptr);
  // slLeft (at creation) puts the axis left of the data area, slRight right of it.
  TScaleLocationVert ScaleLocation() const { return LocationCode() == alcRight ? slRight : slLeft; }
  void SetScaleLocation(TScaleLocationVert v);
};

}  // namespace vqm
