#pragma once
// The background of a chart's data area: an image file with its fill mode, or,
// without an image, a coloured area in world units of layer 1. Every write fires
// OnChange, which asks the chart to repaint.

#include <QObject>
#include <QString>
#include <functional>

#include "drawbase/colors.h"
#include "drawbase/enums.h"

namespace vqm {

// Coloured area drawn when there is no image.
enum TBGAreaMode : std::uint8_t {
  bamNone,     // no area
  bamLeft,     // from the left edge to AreaLeft
  bamRight,    // from AreaRight to the right edge
  bamTop,      // from the top edge to AreaTop
  bamBottom,   // from AreaBottom to the bottom edge
  bamVStripe,  // between AreaLeft and AreaRight, full height
  bamHStripe,  // between AreaTop and AreaBottom, full width
  bamRect,     // the rectangle AreaLeft..AreaRight by AreaTop..AreaBottom
};

class TBakGndImg : public QObject {
  Q_OBJECT
  // IncludePath comes first, so that a stored name keeps its directory when read back.
  Q_PROPERTY(bool IncludePath READ IncludePath WRITE SetIncludePath NOTIFY changed)
  Q_PROPERTY(QString Name READ Name WRITE SetName NOTIFY changed)
  Q_PROPERTY(vqm::TBkgFill FillMode READ FillMode WRITE SetFillMode NOTIFY changed)
  Q_PROPERTY(vqm::TBGAreaMode AreaMode READ AreaMode WRITE SetAreaMode NOTIFY changed)
  Q_PROPERTY(vqm::TColor AreaColor READ AreaColor WRITE SetAreaColor NOTIFY changed)
  Q_PROPERTY(double AreaLeft READ AreaLeft WRITE SetAreaLeft NOTIFY changed)
  Q_PROPERTY(double AreaRight READ AreaRight WRITE SetAreaRight NOTIFY changed)
  Q_PROPERTY(double AreaTop READ AreaTop WRITE SetAreaTop NOTIFY changed)
  Q_PROPERTY(double AreaBottom READ AreaBottom WRITE SetAreaBottom NOTIFY changed)

 public:
  explicit TBakGndImg(QObject* parent = nullptr) : QObject(parent) {}

  QString Name() const { return fName; }
  // Keeps only the file-name part unless IncludePath is on.
  void SetName(const QString& v);
  bool IncludePath() const { return fIncludePath; }
  // Switching it off strips the directory from the stored name.
  void SetIncludePath(bool v);
  TBkgFill FillMode() const { return fFillMode; }
  void SetFillMode(TBkgFill v);
  TBGAreaMode AreaMode() const { return fAreaMode; }
  void SetAreaMode(TBGAreaMode v);
  TColor AreaColor() const { return fAreaColor; }
  void SetAreaColor(TColor v);
  double AreaLeft() const { return fAreaLeft; }
  void SetAreaLeft(double v);
  double AreaRight() const { return fAreaRight; }
  void SetAreaRight(double v);
  double AreaTop() const { return fAreaTop; }
  void SetAreaTop(double v);
  double AreaBottom() const { return fAreaBottom; }
  void SetAreaBottom(double v);

  std::function<void()> OnChange;

 signals:
  void changed();

 private:
  void Changed() {
    if (OnChange) OnChange();
    emit changed();
  }
  QString fName;                   // empty: no image
  bool fIncludePath = false;       // names keep only their file part
  TBkgFill fFillMode = bfStretch;  // image stretched over the data area
  TBGAreaMode fAreaMode = bamNone;  // no coloured area
  TColor fAreaColor = 14540253;     // light grey (221, 221, 221)
  double fAreaLeft = -1, fAreaRight = 1, fAreaTop = 1, fAreaBottom = -1;  // world units of layer 1
};

}  // namespace vqm
