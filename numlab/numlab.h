#pragma once
// TNumLab: a read-only numeric read-out, a left caption, a framed value field and
// a right caption. A thin widget: formatting (number_format.h) and painting
// (numlab_paint.h) live in plain code; the widget holds the properties, repaints
// at once when one changes, and copies its off-screen image to the screen.

#include <QString>
#include <QWidget>
#include <functional>

#include "drawbase/font.h"
#include "drawbase/image_canvas.h"
#include "numlab/number_format.h"
#include "numlab/numlab_paint.h"

namespace vqm {

class TNumLab : public QWidget {
  Q_OBJECT
  // Published for the form translator and the designer.
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
  Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
  Q_PROPERTY(QString StateText READ StateText WRITE SetStateText)
  Q_PROPERTY(QString DTFormat READ DTFormat WRITE SetDTFormat)
  Q_PROPERTY(QString OverflowIndicator READ OverflowIndicator WRITE SetOverflowIndicator)
  Q_PROPERTY(int Precision READ Precision WRITE SetPrecision)
  Q_PROPERTY(int LabelWidth READ LabelWidth WRITE SetLabelWidth)
  Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
  Q_PROPERTY(bool Comma READ Comma WRITE SetComma)
  Q_PROPERTY(bool ForcePlusSign READ ForcePlusSign WRITE SetForcePlusSign)
  Q_PROPERTY(bool Empty READ Empty WRITE SetEmpty)

 public:
  // Called with the read-out and its text just before the text is measured and
  // drawn; the handler may change the text.
  using TBeforeDisplayEvent = std::function<void(TNumLab* sender, QString& text)>;

  static constexpr int kDefaultWidth = 160;
  static constexpr int kDefaultHeight = 28;

  explicit TNumLab(QWidget* parent = nullptr);

  double Value() const { return fValue; }
  TDisplay DisplayType() const { return fFormat.DisplayType; }
  int Precision() const { return fFormat.Precision; }
  bool Comma() const { return fFormat.Comma; }
  bool ForcePlusSign() const { return fFormat.ForcePlusSign; }
  QString DTFormat() const { return QString::fromStdString(fFormat.DTFormat); }
  QString StateText() const { return QString::fromStdString(fFormat.StateText); }
  QString OverflowIndicator() const { return QString::fromStdString(fFormat.OverflowIndicator); }
  TColorScheme ColorScheme() const { return fColorScheme; }
  const TFrameColors& FrameColors() const { return fFrameColors; }
  int LeftSpace() const { return fLook.LeftSpace; }
  int LabelWidth() const { return fLook.LabelWidth; }
  bool Empty() const { return fLook.Empty; }
  QString LeftText() const { return fLook.LeftText; }
  QString RightText() const { return fLook.RightText; }
  TFrameStyle FrameStyle() const { return fLook.FrameStyle; }
  TAlignment Alignment() const { return fLook.Alignment; }
  TAlignment LeftTextAlignment() const { return fLook.LeftTextAlignment; }
  TAlignment RightTextAlignment() const { return fLook.RightTextAlignment; }
  TColor ColorLabBakG() const { return fLook.ColorLabBakG; }
  TColor ColorLabText() const { return fLook.ColorLabText; }
  TColor ColorOutBakG() const { return fLook.ColorOutBakG; }
  TColor ColorOutText() const { return fLook.ColorOutText; }
  const TFont& Font() const { return fFont; }

  // Every setter stores a different value and repaints at once; an equal value changes nothing.
  void SetValue(double v);
  void SetDisplayType(TDisplay v);
  void SetPrecision(int v);  // a negative value is ignored, more than 15 becomes 15
  void SetComma(bool v);
  void SetForcePlusSign(bool v);
  void SetDTFormat(const QString& v);
  void SetStateText(const QString& v);
  void SetOverflowIndicator(const QString& v);
  void SetColorScheme(TColorScheme v);  // also resets the medium and light frame colours
  void SetLeftSpace(int v);             // a negative value is ignored, at most the current width
  void SetLabelWidth(int v);
  void SetEmpty(bool v);
  void SetLeftText(const QString& v);
  void SetRightText(const QString& v);
  void SetFrameStyle(TFrameStyle v);
  void SetAlignment(TAlignment v);
  void SetLeftTextAlignment(TAlignment v);
  void SetRightTextAlignment(TAlignment v);
  void SetColorLabBakG(TColor v);
  void SetColorLabText(TColor v);
  void SetColorOutBakG(TColor v);
  void SetColorOutText(TColor v);
  void SetFont(const TFont& v);

  // Copies the appearance, Value, Precision, OverflowIndicator, StateText,
  // DisplayType, the frame colours and the colour scheme from another read-out,
  // then repaints. Comma, ForcePlusSign, DTFormat, the event and the widget's own
  // properties stay. Any other source throws EVQMError.
  void Assign(const QObject* source);
  // target->Assign(this) when the target is a read-out this one can be copied into;
  // otherwise throws EVQMError.
  void AssignTo(QObject* target) const;

  // The field text before the width test: formatted, then passed to OnBeforeDisplay.
  QString ValueText();
  // Paints the whole read-out onto an off-screen bitmap of the control's size.
  void PaintTo(TBitmap& bitmap);
  // Paints the whole read-out onto a canvas of the control's size (a page's).
  void PaintOn(TCanvas& canvas);

  TBeforeDisplayEvent OnBeforeDisplay;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  template <class T>
  void Store(T& field, const T& value);
  void Changed();

  double fValue = 0;                                  // the number shown
  TNumberFormat fFormat;                              // formatting settings and their defaults
  TNumLabLook fLook;                                  // appearance settings and their defaults
  TColorScheme fColorScheme = csBWG;                  // source of the medium and light frame colours
  TFrameColors fFrameColors = FrameColorsFor(csBWG);  // not published; copied by Assign
  TFont fFont;                                        // "MS Sans Serif", 13 pixels, as the main window's
  bool fPainting = false;                             // inside PaintTo: changes queue a paint
  // The screen picture, kept between paints so that its canvas keeps the texts
  // it has shaped.
  TBitmap fScreenBitmap;
};

}  // namespace vqm
