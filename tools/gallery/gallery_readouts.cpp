// Numeric read-outs: the main window's three, every display type, every frame
// style in both colour schemes, and the caption and value alignments.
#include <QDir>
#include <functional>
#include <memory>
#include <vector>

#include "drawbase/image_canvas.h"
#include "gallery.h"
#include "numlab/numlab.h"

namespace gallery {

namespace {

using vqm::TNumLab;

constexpr int kGap = 4;

// A sheet of read-outs stacked in one column on a button-face background.
class ReadoutSheet {
 public:
  explicit ReadoutSheet(int width) : fWidth(width) {}

  // A read-out of the given size, prepared by `setup`, painted below the previous one.
  void Add(int width, int height, const std::function<void(TNumLab&)>& setup) {
    TNumLab lab;
    lab.resize(width, height);
    setup(lab);
    auto bitmap = std::make_unique<vqm::TBitmap>();
    lab.PaintTo(*bitmap);
    fPieces.push_back(std::move(bitmap));
  }

  bool Save(const QString& path) {
    int height = kGap;
    for (const auto& piece : fPieces) height += piece->Height() + kGap;
    vqm::TBitmap sheet(fWidth, height);
    vqm::TImageCanvas& canvas = sheet.Canvas();
    canvas.Brush = {vqm::clBtnFace, vqm::bsSolid};
    canvas.FillRect({0, 0, fWidth, height});
    int y = kGap;
    for (const auto& piece : fPieces) {
      canvas.Draw(kGap, y, piece->Image());
      y += piece->Height() + kGap;
    }
    return sheet.Image().save(path);
  }

 private:
  int fWidth;
  std::vector<std::unique_ptr<vqm::TBitmap>> fPieces;
};

// The settings the main window's three read-outs share.
void MainWindowSettings(TNumLab& lab) {
  lab.SetLeftSpace(80);
  lab.SetFrameStyle(vqm::fsLowered);
  lab.SetAlignment(vqm::taCenter);
  lab.SetLeftTextAlignment(vqm::taRightJustify);
  lab.SetRightTextAlignment(vqm::taLeftJustify);
}

bool RenderMainWindowReadouts(const QString& path) {
  ReadoutSheet sheet(180);
  sheet.Add(170, 23, [](TNumLab& lab) {
    MainWindowSettings(lab);
    lab.SetLeftText("f(sample) = ");
    lab.SetRightText("MHz");
    lab.SetPrecision(2);
    lab.SetValue(100);
    lab.SetLabelWidth(50);
  });
  sheet.Add(170, 23, [](TNumLab& lab) {
    MainWindowSettings(lab);
    lab.SetLeftText("t(sample) = ");
    lab.SetRightText("ns");
    lab.SetPrecision(1);
    lab.SetValue(10);
    lab.SetLabelWidth(50);
  });
  sheet.Add(137, 23, [](TNumLab& lab) {
    MainWindowSettings(lab);
    lab.SetLeftText("Resolution");
    lab.SetRightText("Bit");
    lab.SetPrecision(0);
    lab.SetValue(8);
    lab.SetLabelWidth(32);
  });
  // The frequency read-out at a sampling interval of 7 ns, and one whose text no longer fits.
  sheet.Add(170, 23, [](TNumLab& lab) {
    MainWindowSettings(lab);
    lab.SetLeftText("f(sample) = ");
    lab.SetRightText("MHz");
    lab.SetValue(1000.0 / 7);
    lab.SetLabelWidth(50);
  });
  sheet.Add(170, 23, [](TNumLab& lab) {
    MainWindowSettings(lab);
    lab.SetLeftText("f(sample) = ");
    lab.SetRightText("MHz");
    lab.SetValue(123456.78);
    lab.SetLabelWidth(50);
  });
  return sheet.Save(path);
}

bool RenderDisplayTypes(const QString& path) {
  struct Example {
    vqm::TDisplay type;
    const char* name;
    double value;
    int precision;
  };
  const Example examples[] = {
      {vqm::dtFloat, "dtFloat", 1000.0 / 7, 5},  {vqm::dtFixP, "dtFixP", 1000.0 / 7, 2},
      {vqm::dtExp, "dtExp", 1000.0 / 7, 4},      {vqm::dtHex, "dtHex", 255, 4},
      {vqm::dtZeroInt, "dtZeroInt", 42, 5},      {vqm::dtInt, "dtInt", 2.5, 0},
      {vqm::dtDateTime, "dtDateTime", 45000.75, 0}, {vqm::dtState, "dtState", 0, 0},
      {vqm::dtBin, "dtBin", 5, 8},               {vqm::dtOct, "dtOct", 8, 4},
      {vqm::dtDeg, "dtDeg", 12.5, 2},            {vqm::dtDegMin, "dtDegMin", 12.5, 1},
      {vqm::dtDegMinSec, "dtDegMinSec", 12.5125, 1},
  };
  ReadoutSheet sheet(250);
  for (const Example& e : examples) {
    sheet.Add(240, 23, [&](TNumLab& lab) {
      lab.SetLeftSpace(90);
      lab.SetLabelWidth(110);
      lab.SetLeftText(e.name);
      lab.SetRightText(QString::number(e.precision));
      lab.SetDisplayType(e.type);
      lab.SetPrecision(e.precision);
      lab.SetValue(e.value);
    });
  }
  // Comma and plus sign, and a value an integer type cannot show.
  sheet.Add(240, 23, [](TNumLab& lab) {
    lab.SetLeftSpace(90);
    lab.SetLabelWidth(110);
    lab.SetLeftText("comma, plus");
    lab.SetComma(true);
    lab.SetForcePlusSign(true);
    lab.SetValue(1000.0 / 7);
  });
  sheet.Add(240, 23, [](TNumLab& lab) {
    lab.SetLeftSpace(90);
    lab.SetLabelWidth(110);
    lab.SetLeftText("hex 5e9");
    lab.SetDisplayType(vqm::dtHex);
    lab.SetValue(5e9);
  });
  return sheet.Save(path);
}

bool RenderFramesAndAlignments(const QString& path) {
  const vqm::TFrameStyle styles[] = {vqm::fsNone,     vqm::fsSimple,   vqm::fsLowered,
                                     vqm::fsRaised,   vqm::fsEmbossed, vqm::fsEngraved};
  const char* styleNames[] = {"fsNone", "fsSimple", "fsLowered", "fsRaised", "fsEmbossed", "fsEngraved"};
  ReadoutSheet sheet(220);
  for (vqm::TColorScheme scheme : {vqm::csBWG, vqm::csSystem}) {
    for (int i = 0; i < 6; ++i) {
      sheet.Add(210, 23, [&](TNumLab& lab) {
        lab.SetLeftSpace(80);
        lab.SetLabelWidth(60);
        lab.SetLeftText(styleNames[i]);
        lab.SetRightText(scheme == vqm::csBWG ? "BWG" : "System");
        lab.SetColorScheme(scheme);
        lab.SetFrameStyle(styles[i]);
        lab.SetColorLabBakG(scheme == vqm::csBWG ? vqm::clBtnFace : vqm::clCream);
        lab.SetValue(3.14159);
      });
    }
  }
  const vqm::TAlignment alignments[] = {vqm::taLeftJustify, vqm::taCenter, vqm::taRightJustify};
  for (vqm::TAlignment a : alignments) {
    sheet.Add(210, 28, [&](TNumLab& lab) {
      lab.SetLeftSpace(80);
      lab.SetLabelWidth(60);
      lab.SetLeftText("left");
      lab.SetRightText("right");
      lab.SetLeftTextAlignment(a);
      lab.SetRightTextAlignment(a);
      lab.SetAlignment(a);
      lab.SetColorLabBakG(vqm::clWhite);
      lab.SetColorLabText(vqm::clBlue);
      lab.SetValue(7);
    });
  }
  // An empty field, and a state text clipped to the field.
  sheet.Add(210, 23, [](TNumLab& lab) {
    lab.SetLeftSpace(80);
    lab.SetLabelWidth(60);
    lab.SetLeftText("Empty");
    lab.SetEmpty(true);
  });
  sheet.Add(210, 23, [](TNumLab& lab) {
    lab.SetLeftSpace(80);
    lab.SetLabelWidth(60);
    lab.SetLeftText("dtState");
    lab.SetDisplayType(vqm::dtState);
    lab.SetStateText("a state text too long");
    lab.SetAlignment(vqm::taLeftJustify);
  });
  return sheet.Save(path);
}

}  // namespace

int RenderReadouts(const QString& folder) {
  const QDir dir(folder);
  int written = 0;
  written += RenderMainWindowReadouts(dir.filePath("readouts_main_window.png")) ? 1 : 0;
  written += RenderDisplayTypes(dir.filePath("readouts_display_types.png")) ? 1 : 0;
  written += RenderFramesAndAlignments(dir.filePath("readouts_frames_alignments.png")) ? 1 : 0;
  return written;
}

}  // namespace gallery
