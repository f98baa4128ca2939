#pragma once
// A crosshair: a horizontal line, a vertical line or both through one world
// point of a layer, drawn by the chart over its finished picture. Every write
// stores the value and then reports the change (OnChange and `changed`).

#include <QObject>
#include <functional>

#include "drawbase/colors.h"
#include "drawbase/enums.h"

namespace vqm {

class TCrossHair : public QObject {
  Q_OBJECT
  Q_PROPERTY(double PosX READ PosX WRITE SetPosX NOTIFY changed)
  Q_PROPERTY(double PosY READ PosY WRITE SetPosY NOTIFY changed)
  Q_PROPERTY(vqm::TColor Color READ Color WRITE SetColor NOTIFY changed)
  Q_PROPERTY(int Layer READ Layer WRITE SetLayer NOTIFY changed)
  Q_PROPERTY(vqm::TCrossHMode Mode READ Mode WRITE SetMode NOTIFY changed)
  Q_PROPERTY(vqm::TPenStyle LineType READ LineType WRITE SetLineType NOTIFY changed)
  Q_PROPERTY(int LineWid READ LineWid WRITE SetLineWid NOTIFY changed)

 public:
  explicit TCrossHair(QObject* parent = nullptr) : QObject(parent) {}

  // World position on the crosshair's layer.
  double PosX() const { return fPosX; }
  void SetPosX(double v);
  double PosY() const { return fPosY; }
  void SetPosY(double v);
  TColor Color() const { return fColor; }
  void SetColor(TColor v);
  // The layer whose axes map the position; writes are clamped into 1..16.
  int Layer() const { return fLayer; }
  void SetLayer(int v);
  TCrossHMode Mode() const { return fMode; }
  void SetMode(TCrossHMode v);
  TPenStyle LineType() const { return fLineType; }
  void SetLineType(TPenStyle v);
  // Line width in pixels.
  int LineWid() const { return fLineWid; }
  void SetLineWid(int v);

  bool HasHorizontalLine() const { return fMode == chHoriz || fMode == chBoth; }
  bool HasVerticalLine() const { return fMode == chVert || fMode == chBoth; }

  std::function<void(TCrossHair* sender)> OnChange;

 signals:
  void changed();

 private:
  void Changed();
  // A new object has every field at zero; the chart gives its crosshairs their settings.
  double fPosX = 0, fPosY = 0;
  TColor fColor = clBlack;
  TCrossHMode fMode = chOff;
  TPenStyle fLineType = psSolid;
  int fLineWid = 0;
  int fLayer = 0;
};

}  // namespace vqm
