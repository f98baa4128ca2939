// Rendering: the frame image with surroundings and axes, the data background,
// the items, the grid and the data frame, composed off screen and shown at once.
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "chart/axis_controls.h"
#include "chart/grid_values.h"
#include "chart/item_renderer.h"
#include "chart/rchart.h"
#include "drawbase/device_pixels.h"
#include "drawbase/painter_canvas.h"
#include "scale/tick_math.h"

namespace vqm {

namespace {

// Copies `src` into `dst` with its top-left corner at the logical pixel
// (logicalX, logicalY), clipped. Both are 32-bit images of the same device
// pixel ratio; a plain row copy keeps both canvases' painters open.
void CopyImageInto(QImage& dst, int logicalX, int logicalY, const QImage& src) {
  const TDevicePixels device(dst.devicePixelRatio());
  const int x = device.Position(logicalX), y = device.Position(logicalY);
  const int left = std::max(x, 0), top = std::max(y, 0);
  const int right = std::min(x + src.width(), dst.width()), bottom = std::min(y + src.height(), dst.height());
  if (left >= right || top >= bottom) return;
  for (int row = top; row < bottom; ++row) {
    const auto* from = reinterpret_cast<const quint32*>(src.constScanLine(row - y)) + (left - x);
    auto* to = reinterpret_cast<quint32*>(dst.scanLine(row)) + left;
    std::memcpy(to, from, std::size_t(right - left) * sizeof(quint32));
  }
}

// Fills the data area (w x h pixels) with the chart colour inside a frame.
void FillAndFrame(TCanvas& canvas, int w, int h, TColor fill, TColor frame) {
  canvas.Pen = TPen{frame, psSolid, 1, pmCopy};
  canvas.Brush = TBrush{fill, bsSolid};
  canvas.Rectangle(0, 0, w, h);
}

}  // namespace

bool TCustomRChart::CanPaint() const { return isVisible() && !fLoading && !fPaintLock; }

void TCustomRChart::Paint() {
  if (!CanPaint()) return;
  fFrameImage.SetSize(width(), height());
  ResizeDataImage();
  // The data image covers its area of the frame image, so that area need not be
  // filled first; a callback that may move the margins gets the whole fill.
  auto dataArea = [this] {
    return fDataImage.Width() == 0 ? TRect{}
                                   : TRect{fMarginLeft, fMarginTop, fMarginLeft + fDataImage.Width(),
                                           fMarginTop + fDataImage.Height()};
  };
  const TRect covered = OnScalesRendered ? TRect{} : dataArea();
  PaintFrameImage(fFrameImage.Canvas(), covered);
  ResizeDataImage();
  if (covered.Width() > 0 && !(covered == dataArea()))
    PaintFrameImage(fFrameImage.Canvas());  // the data area moved while the frame was painted
  PaintDataBackground(fDataImage.Canvas());
  RenderItems(fDataImage.Canvas());
  QImage* frame = fFrameImage.Canvas().Image();
  const QImage* data = fDataImage.Canvas().Image();
  if (frame && data && !fDataImage.IsAreaOf(fFrameImage)) CopyImageInto(*frame, fMarginLeft, fMarginTop, *data);
  DrawCrosshairsAndShow(0, 0, fFrameImage);
}

// The plain background fills the whole data image: its inside, and a frame
// whose pen reaches the image's last device column and row. A fractional
// density with a thin pen can leave the last ones out, and a picture drawn
// scaled may too.
bool TCustomRChart::BackgroundCoversDataImage() const {
  if (!fBackGroundImg.Name().isEmpty()) return false;
  const TDevicePixels device(fDataImage.PixelRatio());
  const auto [w, h] = DataAreaPixels();
  auto reached = [&device](int extent) { return device.Position(extent - 1) + device.PenWidth() >= device.Extent(extent); };
  return reached(w) && reached(h);
}

void TCustomRChart::PaintOn(TCanvas& whole, TCanvas& dataArea) {
  PaintFrameImage(whole);
  PaintDataBackground(dataArea);
  RenderItems(dataArea);
  DrawCrosshairs(whole, 0, 0);
}

void TCustomRChart::PaintFrameImage(TCanvas& c, const TRect& covered) {
  const int W = width(), H = height();
  c.Pen = TPen{fWindColor, psSolid, 1, pmCopy};
  c.Brush = TBrush{fWindColor, bsSolid};
  const int left = std::clamp(covered.Left, 0, W), right = std::clamp(covered.Right, left, W);
  const int top = std::clamp(covered.Top, 0, H), bottom = std::clamp(covered.Bottom, top, H);
  if (left == right || top == bottom) {
    c.FillRect({0, 0, W, H});
  } else {
    c.FillRect({0, 0, W, top});
    c.FillRect({0, top, left, bottom});
    c.FillRect({right, top, W, bottom});
    c.FillRect({0, bottom, W, H});
  }

  if (const int s = fShadowWidth; s > 0) {
    c.Pen.Color = fShadowBakColor;
    c.Brush.Color = fShadowBakColor;
    c.FillRect({W - s, 0, W, s});
    c.FillRect({0, H - s, s, H});
    c.Brush.Color = fShadowColor;
    const int e = fShadowStyle == ssFlying ? s - 1 : 0;
    c.Pen.Color = fShadowStyle == ssFlying ? fShadowColor : clBlack;
    const TPoint bottom[] = {{e, H - s}, {s - 1, H - 1}, {W - 1, H - 1}, {W - s, H - s}};
    c.Polygon(bottom);
    const TPoint right[] = {{W - s, H - s}, {W - 1, H - 1}, {W - 1, s - 1}, {W - s, e}};
    c.Polygon(right);
    c.Pen.Color = clBlack;
    c.MoveTo(0, 0);
    c.LineTo(W - s, 0);
    c.LineTo(W - s, H - s);
    c.LineTo(0, H - s);
    c.LineTo(0, 0);
  }

  c.Pen.Color = fChartFrameColor;
  c.Brush.Style = bsClear;
  if (!fCaption.isEmpty()) {
    // The chart's own font: the image's font would be whatever the last axis
    // drawn at the previous paint left there.
    c.Font = fFont;
    c.Font.Color = LegibleTextColor(fFont.Color, fWindColor);  // a desktop's light text on the fixed surroundings
    const int tw = c.TextWidth(fCaption);
    int x = fCaptionPosX, y = fCaptionPosY;
    switch (fCaptionAnchorHoriz) {
      case cahControlLeft: break;
      case cahChartLeft: x += fMarginLeft; break;
      case cahChartCenter: x += fMarginLeft + DataWidth() / 2; break;
      case cahChartRight: x += DataRight(); break;
      case cahControlRight: x += width(); break;
    }
    switch (fCaptionAnchorVert) {
      case cavControlTop: break;
      case cavChartTop: y += fMarginTop; break;
      case cavChartCenter: y += fMarginTop + DataHeight() / 2; break;
      case cavChartBottom: y += height() - fMarginBottom; break;
      case cavControlBottom: y += height(); break;
    }
    if (fCaptionAlignment == taRightJustify) x -= tw;
    if (fCaptionAlignment == taCenter) x -= tw / 2;
    c.TextOut(x, y, fCaption);
  }

  CalcTransforms();
  fAxes->PaintAll(c);
  if (OnScalesRendered) {
    TCanvas* canvas = &c;
    OnScalesRendered(this, canvas, 0, 0);
  }
}

void TCustomRChart::PaintDataBackground(TCanvas& c) {
  c.Pen = TPen{fChartFrameColor, psSolid, 1, pmCopy};
  c.Brush = TBrush{fChartColor, bsSolid};
  const auto [dw, dh] = DataAreaPixels();

  if (!fBackGroundImg.Name().isEmpty()) {
    if (!fBackgroundPicture.LoadFromFile(fBackGroundImg.Name())) {
      FillAndFrame(c, dw, dh, fChartColor, fChartFrameColor);
      fBackGroundImg.SetName(QString());  // no further attempts; its notification repaints
      return;
    }
    const QImage& picture = fBackgroundPicture.Image();
    const int pw = picture.width(), ph = picture.height();
    switch (fBackGroundImg.FillMode()) {
      case bfSimple:
        FillAndFrame(c, dw, dh, fChartColor, fChartFrameColor);
        c.Draw(0, 0, picture);
        break;
      case bfStretch:
        c.StretchDraw({0, 0, dw, dh}, picture);
        break;
      case bfTile:
        if (pw <= 0 || ph <= 0) break;
        for (int col = 0; col < (dw - 1) / pw + 1; ++col)
          for (int row = 0; row < (dh - 1) / ph + 1; ++row) c.Draw(col * pw, row * ph, picture);
        break;
    }
    return;
  }

  FillAndFrame(c, dw, dh, fChartColor, fChartFrameColor);
  const TBGAreaMode mode = fBackGroundImg.AreaMode();
  if (mode == bamNone) return;
  c.Pen.Color = fBackGroundImg.AreaColor();
  c.Brush.Color = fBackGroundImg.AreaColor();
  int xl, yt, xr, yb;
  WorldToPixel(1, fBackGroundImg.AreaLeft(), fBackGroundImg.AreaTop(), xl, yt);
  WorldToPixel(1, fBackGroundImg.AreaRight(), fBackGroundImg.AreaBottom(), xr, yb);
  xl = std::clamp(xl, -kPixelClamp, kPixelClamp) - fMarginLeft;
  xr = std::clamp(xr, -kPixelClamp, kPixelClamp) - fMarginLeft;
  yt = std::clamp(yt, -kPixelClamp, kPixelClamp) - fMarginTop;
  yb = std::clamp(yb, -kPixelClamp, kPixelClamp) - fMarginTop;
  switch (mode) {
    case bamLeft: c.Rectangle(0, 0, xl, dh); break;
    case bamRight: c.Rectangle(xr, 0, dw, dh); break;
    case bamTop: c.Rectangle(0, 0, dw, yt); break;
    case bamBottom: c.Rectangle(0, yb, dw, dh); break;
    case bamVStripe: c.Rectangle(xl, 0, xr, dh); break;
    case bamHStripe: c.Rectangle(0, yt, dw, yb); break;
    case bamRect: c.Rectangle(xl, yt, xr, yb); break;
    case bamNone: break;
  }
}

void TCustomRChart::RenderItems(TCanvas& c) {
  if (OnBeforeRenderData) {
    const TColor brush = c.Brush.Color, pen = c.Pen.Color;
    TCanvas* canvas = &c;
    OnBeforeRenderData(this, canvas, fMarginTop, fMarginLeft);
    c.Brush.Color = brush;
    c.Pen.Color = pen;
  }
  if (fGridStyle != gsNone) DrawGrid(c);

  TItemRenderSettings settings;
  settings.MapX = &fMapX;
  settings.MapY = &fMapY;
  settings.OriginX = fMarginLeft;
  settings.OriginY = fMarginTop;
  settings.ChartColor = fChartColor;
  settings.StartPenWidth = LineWidth();
  settings.ClassOn = &fClassOn;
  settings.LayerOn = &fLayerOn;
  settings.TextFontStyle = fTextFontStyle;
  settings.TextBkStyle = fTextBkStyle;
  settings.TextBkColor = fTextBkColor;
  settings.TextAlignment = fTextAlignment;
  TItemRenderer(c, settings).Render(fList.Items(), fList.Count());

  for (int n = kTextLabelCount; n >= 1; --n) {
    const TTextLabel& label = *fTextLabels[std::size_t(n - 1)];
    if (label.Mode() == tlOff || !label.Visible() || !LayerVisible(label.Layer())) continue;
    PaintTextLabel(c, label, TextLabelAnchor(label), {fMarginLeft, fMarginTop});
  }

  if (OnDataRendered) {
    TCanvas* canvas = &c;
    OnDataRendered(this, canvas, fMarginTop, fMarginLeft);
  }
  const int w = DataWidth(), h = DataHeight();
  c.Pen = TPen{fChartFrameColor, psSolid, 1, pmCopy};
  c.MoveTo(0, 0);
  c.LineTo(w, 0);
  c.LineTo(w, h);
  c.LineTo(0, h);
  c.LineTo(0, 0);
}

void TCustomRChart::DrawGrid(TCanvas& c) {
  const int layer = ActiveLayer();
  const TScaleProps& sx = *ScaleX(layer);
  const TScaleProps& sy = *ScaleY(layer);
  auto axis = [&](const TScaleProps& s, double step, TAxisDirection dir, std::vector<double>& ticks) {
    ticks.clear();
    if (step == 0)
      for (int i = 1; i <= fAxes->TickCount(dir, layer); ++i) ticks.push_back(fAxes->Tick(dir, layer, i));
    TGridAxis a;
    a.Low = std::min(s.RangeLow(), s.RangeHigh());
    a.High = std::max(s.RangeLow(), s.RangeHigh());
    a.Logarithmic = s.Logarithmic();
    a.Step = step;
    a.Ticks = ticks;
    a.TickStep = std::fabs(CalcScaleTicks(s.MinTicks(), a.Low, a.High).Step);
    return a;
  };
  std::vector<double> ticksX, ticksY, xs, ys;
  const TGridAxis ax = axis(sx, fGridDx, TAxisDirection::X, ticksX);
  const TGridAxis ay = axis(sy, fGridDy, TAxisDirection::Y, ticksY);
  GridValues(ax, xs);
  GridValues(ay, ys);

  const TWorldAxisMap& mx = MapX(layer);
  const TWorldAxisMap& my = MapY(layer);
  auto map = [&](double x, double y) { return MapToDataImage(mx, my, x, y, fMarginLeft, fMarginTop); };
  c.Brush = TBrush{fChartColor, bsSolid};
  c.Pen = TPen{fGridColor, psSolid, 1, pmCopy};

  if (fGridStyle == gsPoints) {
    int drawn = 0;
    for (double x : xs)
      for (double y : ys) {
        if (drawn++ >= kMaxGridLines) return;
        const TPoint p = map(x, y);
        c.SetPixel(p.x, p.y, fGridColor);
      }
    return;
  }
  const bool dotted = fGridStyle == gsDotLines || fGridStyle == gsVertDotLines || fGridStyle == gsHorizDotLines;
  const bool vertical = fGridStyle == gsVertLines || fGridStyle == gsVertDotLines || fGridStyle == gsLines ||
                        fGridStyle == gsDotLines;
  const bool horizontal = fGridStyle == gsHorizLines || fGridStyle == gsHorizDotLines ||
                          fGridStyle == gsLines || fGridStyle == gsDotLines;
  if (dotted) c.Pen.Style = psDot;
  if (vertical)
    for (double x : xs) {
      const TPoint a = map(x, ay.Low), b = map(x, ay.High);
      c.MoveTo(a.x, a.y);
      c.LineTo(b.x, b.y);
    }
  if (horizontal)
    for (double y : ys) {
      const TPoint a = map(ax.Low, y), b = map(ax.High, y);
      c.MoveTo(a.x, a.y);
      c.LineTo(b.x, b.y);
    }
  c.Pen.Style = psSolid;
}

TPoint TCustomRChart::TextLabelAnchor(const TCustomTextLabel& label) const {
  const TTxtLblAttachMode attach = label.AttachToData();
  auto round = [](double v) { return int(std::lrint(std::clamp(v, double(-kPixelClamp), double(kPixelClamp)))); };
  TPoint p{round(label.PosX()), round(label.PosY())};
  if (attach == tlamNone) return p;
  int x, y;
  WorldToPixel(label.Layer(), label.PosX(), label.PosY(), x, y);
  if (attach == tlamXOnly || attach == tlamBoth) p.x = std::clamp(x, -kPixelClamp, kPixelClamp);
  if (attach == tlamYOnly || attach == tlamBoth) p.y = std::clamp(y, -kPixelClamp, kPixelClamp);
  return p;
}

// Crosshair lines end inside the data frame; a line whose half-width would touch
// the frame is left out. The gaps of a dashed or dotted crosshair show the
// picture below: with a solid brush they would take whatever colour the canvas
// brush was last given, which depends on what was painted before.
void TCustomRChart::DrawCrosshairs(TCanvas& c, int left, int top) {
  const TPen saved = c.Pen;
  const TBrush savedBrush = c.Brush;
  c.Brush.Style = bsClear;
  const int right = DataRight();
  const int bottom = DataBottom();
  for (const TCrossHair* ch : fCrossHairs) {
    if (ch->Mode() == chOff) continue;
    int cx, cy;
    WorldToPixel(ch->Layer(), ch->PosX(), ch->PosY(), cx, cy);
    c.Pen = TPen{ch->Color(), ch->LineType(), ch->LineWid(), pmCopy};
    const int hw = ch->LineWid() / 2;
    if (ch->HasHorizontalLine() && fMarginTop + hw < cy && cy < bottom - hw) {
      c.MoveTo(fMarginLeft + hw + 1 - left, cy - top);
      c.LineTo(right - hw - left, cy - top);
    }
    if (ch->HasVerticalLine() && fMarginLeft + hw < cx && cx < right - hw) {
      c.MoveTo(cx - left, fMarginTop + hw + 1 - top);
      c.LineTo(cx - left, bottom - hw - top);
    }
  }
  c.Pen = saved;
  c.Brush = savedBrush;
}

void TCustomRChart::DrawCrosshairsAndShow(int left, int top, TBitmap& image) {
  DrawCrosshairs(image.Canvas(), left, top);
  if (&image != &fFrameImage && !image.IsAreaOf(fFrameImage)) {
    QImage* frame = fFrameImage.Canvas().Image();
    const QImage* src = image.Canvas().Image();
    if (frame && src) CopyImageInto(*frame, left, top, *src);
  }
  update(QRect(left, top, image.Width(), image.Height()));
}

void TCustomRChart::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (IsVectorPainter(painter)) {  // rendered onto a page: shapes and text, not the screen picture
    TPainterCanvas whole(painter, {width(), height()}, true);
    const TSize area = DataAreaPixels();
    TPainterCanvas dataArea(whole, {fMarginLeft, fMarginTop, fMarginLeft + area.cx, fMarginTop + area.cy});
    PaintOn(whole, dataArea);
    return;
  }
  // On a high-density screen, or rendered into a larger picture, the chart is
  // drawn again at that resolution rather than scaled up.
  const double ratio = PainterPixelRatio(painter);
  if (fFrameImage.Width() != width() || fFrameImage.Height() != height() || fFrameImage.PixelRatio() != ratio) {
    fFrameImage.SetPixelRatio(ratio);
    fDataImage.SetPixelRatio(ratio);
    Paint();
  }
  if (!fZoomWindowOpen) {
    if (ratio == 1.0)
      painter.drawImage(event->rect(), fFrameImage.Image(), event->rect());
    else
      painter.drawImage(QPoint(0, 0), fFrameImage.Image());  // the painter clips it to the event's region
    DrawFocusFrame(painter);
    return;
  }
  // The zoom window over the stored picture: its outline exclusive-or white.
  QImage shown = fFrameImage.Image().copy();
  const int x1 = std::min(fWindowStart.x(), fWindowEnd.x()), x2 = std::max(fWindowStart.x(), fWindowEnd.x());
  const int y1 = std::min(fWindowStart.y(), fWindowEnd.y()), y2 = std::max(fWindowStart.y(), fWindowEnd.y());
  const TDevicePixels device(shown.devicePixelRatio());
  auto invert = [&shown, &device](int logicalX, int logicalY) {  // every device pixel of a logical one, once
    const TRect area = device.Area({logicalX, logicalY, logicalX + 1, logicalY + 1});
    for (int y = std::max(area.Top, 0); y < std::min(area.Bottom, shown.height()); ++y)
      for (int x = std::max(area.Left, 0); x < std::min(area.Right, shown.width()); ++x)
        shown.setPixel(x, y, shown.pixel(x, y) ^ 0x00FFFFFFu);
  };
  // Like a Rectangle with a clear brush: columns x1..x2-1, rows y1..y2-1.
  for (int x = x1; x < x2; ++x) {
    invert(x, y1);
    if (y2 - 1 > y1) invert(x, y2 - 1);
  }
  for (int y = y1 + 1; y < y2 - 1; ++y) {
    invert(x1, y);
    if (x2 - 1 > x1) invert(x2 - 1, y);
  }
  painter.drawImage(QPoint(0, 0), shown);
  DrawFocusFrame(painter);
}

// The keyboard focus: a line in the highlight colour along the chart's edge,
// on the screen only (pictures of the chart and pages never show it).
void TCustomRChart::DrawFocusFrame(QPainter& painter) const {
  if (!hasFocus() || redirected(nullptr)) return;  // rendered into a picture, not on the screen
  painter.setPen(QColor::fromRgb(ToQRgb(clHighlight)));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vqm
