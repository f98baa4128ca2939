#pragma once
// A text label: a caption, possibly over several lines, anchored at a point given
// in control pixels or in world coordinates of a layer, drawn plain, boxed,
// underlined or with a drop shadow on top of the chart's data area. Every write
// stores the value and then reports the change (OnChange and `changed`).

#include <QObject>
#include <QImage>
#include <QString>
#include <functional>

#include "drawbase/canvas.h"
#include "drawbase/colors.h"
#include "drawbase/enums.h"
#include "drawbase/font.h"

namespace vqm {

class TCustomTextLabel : public QObject {
  Q_OBJECT

 public:
  explicit TCustomTextLabel(QObject* parent = nullptr) : QObject(parent) {}

  // Anchor: control pixels, or world units of Layer (see AttachToData).
  double PosX() const { return fPosX; }
  void SetPosX(double v);
  double PosY() const { return fPosY; }
  void SetPosY(double v);
  // Layer for world coordinates and whose visibility switch hides the label;
  // only 1..16 is accepted, anything else is ignored without a notice.
  int Layer() const { return fLayer; }
  void SetLayer(int v);
  TTxtLblAttachMode AttachToData() const { return fAttachToData; }
  void SetAttachToData(TTxtLblAttachMode v);
  TColor ColorBkg() const { return fColorBkg; }
  void SetColorBkg(TColor v);
  TColor ColorBorder() const { return fColorBorder; }
  void SetColorBorder(TColor v);
  TColor ColorShadow() const { return fColorShadow; }
  void SetColorShadow(TColor v);
  // Shadow offset in pixels, to the right and downwards, within +-kMaxPixelOffset.
  int ShadowDx() const { return fShadowDx; }
  void SetShadowDx(int v);
  int ShadowDy() const { return fShadowDy; }
  void SetShadowDy(int v);
  // No background fill (no effect in tlShadow).
  bool Transparent() const { return fTransparent; }
  void SetTransparent(bool v);
  TAlignment Alignment() const { return fAlignment; }
  void SetAlignment(TAlignment v);
  TVerticalAlignment VerticalAlignment() const { return fVerticalAlignment; }
  void SetVerticalAlignment(TVerticalAlignment v);
  // The label's own font; writing copies the given settings.
  const TFont& Font() const { return fFont; }
  void SetFont(const TFont& v);
  TTxtLblMode Mode() const { return fMode; }
  void SetMode(TTxtLblMode v);
  // A line feed starts a new line.
  QString Caption() const { return fCaption; }
  void SetCaption(const QString& v);
  bool Visible() const { return fVisible; }
  void SetVisible(bool v);

  std::function<void(TCustomTextLabel* sender)> OnChange;

 signals:
  void changed();

 private:
  friend void PaintTextLabel(TCanvas&, const TCustomTextLabel&, TPoint, TPoint);
  // The drawn box and text of a label with a filled box, kept until a change.
  struct TPicture {
    QImage Image;
    TRect Box;  // relative to the anchor
    bool Valid = false;
  };
  mutable TPicture fPicture;
  // Notifies; `looks`: the drawn box and text must be made again.
  void Changed(bool looks = true);
  // Class defaults; the chart gives its own labels other settings.
  double fPosX = 100.0, fPosY = 10.0;
  int fLayer = 1;
  int fShadowDx = 0, fShadowDy = 0;
  TColor fColorShadow = clGray;
  TAlignment fAlignment = taCenter;
  TVerticalAlignment fVerticalAlignment = vaBottom;  // the anchor at the block's bottom
  TTxtLblAttachMode fAttachToData = tlamNone;        // pixels
  TColor fColorBkg = clSilver;
  TColor fColorBorder = clBlack;
  bool fTransparent = false;
  TFont fFont;
  QString fCaption;
  TTxtLblMode fMode = tlsimple;
  bool fVisible = true;
};

// The published label.
// Its declared defaults (left out of a stored design) are the class defaults.
class TTextLabel : public TCustomTextLabel {
  Q_OBJECT
  Q_CLASSINFO("Default.PosX", "100")
  Q_CLASSINFO("Default.PosY", "10")
  Q_CLASSINFO("Default.Layer", "1")
  Q_CLASSINFO("Default.AttachToData", "0")
  Q_CLASSINFO("Default.ColorBkg", "12632256")
  Q_CLASSINFO("Default.ColorBorder", "0")
  Q_CLASSINFO("Default.ColorShadow", "8421504")
  Q_CLASSINFO("Default.ShadowDx", "0")
  Q_CLASSINFO("Default.ShadowDy", "0")
  Q_CLASSINFO("Default.Transparent", "false")
  Q_CLASSINFO("Default.Alignment", "2")
  Q_CLASSINFO("Default.VerticalAlignment", "2")
  Q_CLASSINFO("Default.Mode", "1")
  Q_CLASSINFO("Default.Caption", "")
  Q_CLASSINFO("Default.Visible", "true")
  Q_PROPERTY(double PosX READ PosX WRITE SetPosX NOTIFY changed)
  Q_PROPERTY(double PosY READ PosY WRITE SetPosY NOTIFY changed)
  Q_PROPERTY(int Layer READ Layer WRITE SetLayer NOTIFY changed)
  Q_PROPERTY(vqm::TTxtLblAttachMode AttachToData READ AttachToData WRITE SetAttachToData NOTIFY changed)
  Q_PROPERTY(vqm::TColor ColorBkg READ ColorBkg WRITE SetColorBkg NOTIFY changed)
  Q_PROPERTY(vqm::TColor ColorBorder READ ColorBorder WRITE SetColorBorder NOTIFY changed)
  Q_PROPERTY(vqm::TColor ColorShadow READ ColorShadow WRITE SetColorShadow NOTIFY changed)
  Q_PROPERTY(int ShadowDx READ ShadowDx WRITE SetShadowDx NOTIFY changed)
  Q_PROPERTY(int ShadowDy READ ShadowDy WRITE SetShadowDy NOTIFY changed)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent NOTIFY changed)
  Q_PROPERTY(vqm::TAlignment Alignment READ Alignment WRITE SetAlignment NOTIFY changed)
  Q_PROPERTY(vqm::TVerticalAlignment VerticalAlignment READ VerticalAlignment WRITE SetVerticalAlignment
                 NOTIFY changed)
  Q_PROPERTY(QString Font READ FontText WRITE SetFontText NOTIFY changed)
  Q_PROPERTY(vqm::TTxtLblMode Mode READ Mode WRITE SetMode NOTIFY changed)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY changed)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible NOTIFY changed)

 public:
  using TCustomTextLabel::TCustomTextLabel;
  // The font as text (see FontToText); a malformed text is ignored.
  QString FontText() const;
  void SetFontText(const QString& v);
};

// Draws one label on a canvas whose pixel (0, 0) is control pixel `origin`; the
// anchor is in control pixels, already mapped for the label's AttachToData.
void PaintTextLabel(TCanvas& canvas, const TCustomTextLabel& label, TPoint anchor, TPoint origin);

}  // namespace vqm
