#include "chart/background_image.h"

#include <QFileInfo>

namespace vqm {

namespace {
QString FilePart(const QString& name) { return name.isEmpty() ? name : QFileInfo(name).fileName(); }
}  // namespace

void TBakGndImg::SetName(const QString& v) {
  fName = fIncludePath ? v : FilePart(v);
  Changed();
}
void TBakGndImg::SetIncludePath(bool v) {
  fIncludePath = v;
  if (!v) fName = FilePart(fName);
  Changed();
}
void TBakGndImg::SetFillMode(TBkgFill v) {
  fFillMode = v;
  Changed();
}
void TBakGndImg::SetAreaMode(TBGAreaMode v) {
  fAreaMode = v;
  Changed();
}
void TBakGndImg::SetAreaColor(TColor v) {
  fAreaColor = v;
  Changed();
}
void TBakGndImg::SetAreaLeft(double v) {
  fAreaLeft = v;
  Changed();
}
void TBakGndImg::SetAreaRight(double v) {
  fAreaRight = v;
  Changed();
}
void TBakGndImg::SetAreaTop(double v) {
  fAreaTop = v;
  Changed();
}
void TBakGndImg::SetAreaBottom(double v) {
  fAreaBottom = v;
  Changed();
}

}  // namespace vqm
