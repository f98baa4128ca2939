#include "font.h"

#include <QFont>
#include <cmath>

namespace vqm {

int TFont::SizeAt(int pixelsPerInch) const {
  return int(std::lround(double(Height) * 72.0 / double(pixelsPerInch)));
}

void TFont::SetSizeAt(int points, int pixelsPerInch) {
  Height = int(std::lround(double(points) * double(pixelsPerInch) / 72.0));
}

std::string SubstituteFamily(const std::string& designName) {
  // Liberation fonts have the metrics of the Windows core fonts, so texts fit
  // the controls they were designed for. Debian's fonts-liberation installs them.
  // "MS Sans Serif" is a narrow bitmap face: at the same height Liberation Sans
  // is wider by about a sixth, and "1000.00" no longer fits a read-out made for
  // it. Liberation Sans Narrow keeps the height and is as wide as the design's face.
  if (designName == "MS Sans Serif") return "Liberation Sans Narrow";
  if (designName == "Arial" || designName == "Tahoma" || designName == "Microsoft Sans Serif" ||
      designName.empty())
    return "Liberation Sans";
  if (designName == "Courier New" || designName == "Courier") return "Liberation Mono";
  if (designName == "Times New Roman") return "Liberation Serif";
  return designName;
}

QFont ToQFont(const TFont& font) {
  QFont f(QString::fromStdString(SubstituteFamily(font.Name)));
  f.setPixelSize(std::max(1, font.Height));
  f.setBold(font.Style & fsBold);
  f.setItalic(font.Style & fsItalic);
  f.setUnderline(font.Style & fsUnderline);
  f.setStrikeOut(font.Style & fsStrikeOut);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

}  // namespace vqm
