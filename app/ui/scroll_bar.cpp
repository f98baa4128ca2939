#include "scroll_bar.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <array>
#include <bit>

#include "desktop_palette.h"

namespace quantora {

TScrollBar::TScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
  setSingleStep(1);
  setPageStep(1);  // also sizes the thumb: the smallest one, as designed
  setFocusPolicy(Qt::StrongFocus);
}

// The keys of the design's scroll bars: Left/Up one step back, Right/Down one
// on, Page Up/Down ten, Home/End to the ends. (Qt's own handling runs a
// horizontal QScrollBar's arrow keys backwards.)
void TScrollBar::keyPressEvent(QKeyEvent* event) {
  int target = value();
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: target -= singleStep(); break;
    case Qt::Key_Right:
    case Qt::Key_Down: target += singleStep(); break;
    case Qt::Key_PageUp: target -= KeyboardPageStep; break;
    case Qt::Key_PageDown: target += KeyboardPageStep; break;
    case Qt::Key_Home: target = minimum(); break;
    case Qt::Key_End: target = maximum(); break;
    default: QScrollBar::keyPressEvent(event); return;
  }
  setValue(target);  // held within the range
  event->accept();
}

namespace {

// Everything the picture of a bar depends on while no part of it is hovered or
// pressed, packed into a cache key without formatting a single number.
QString PictureKey(const QStyleOptionSlider& o, const QStyle& style, double ratio, bool desktopPalette) {
  const std::array<qint64, 17> fields = {
      qint64(o.palette.cacheKey()), o.rect.width(), o.rect.height(), qint64(o.state), qint64(o.direction),
      qint64(o.orientation), o.minimum, o.maximum, o.sliderPosition, o.sliderValue, o.pageStep, o.singleStep,
      qint64(o.upsideDown), std::bit_cast<qint64>(ratio), qint64(desktopPalette), qint64(reinterpret_cast<quintptr>(&style)),
      qint64(o.subControls)};
  return QStringLiteral("quantora-scrollbar:") + style.name() +
         QString(reinterpret_cast<const QChar*>(fields.data()), qsizetype(sizeof fields / sizeof(QChar)));
}

bool Opaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    if (!std::all_of(row, row + image.width(), [](QRgb p) { return qAlpha(p) == 255; })) return false;
  }
  return true;
}

}  // namespace

// The style's picture with our marks on a transparent image, or a null image
// when the style lets the background through anywhere (then no picture can
// stand for it).
QImage TScrollBar::CoveringPicture(const QStyleOptionSlider& option, double ratio) const {
  QImage image((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
    PaintMarks(painter, option);
  }
  return Opaque(image) ? image : QImage();
}

// Qt's raster engine hands the long line the style draws along the bar to its
// thread pool, whose threads take longer to wake than the rest of the paint.
// The keyboard moves the thumb among positions the bar has shown before, so
// the picture of each state is remembered (in the toolkit's pixmap cache, as
// the styles keep theirs) and shown again. Only a picture that covers every
// pixel is kept: it is then what the style paints over any background, while
// a translucent one laid over the background later may round its blends
// differently. A hovered or pressed bar takes Qt's own path, which knows which
// part that is.
bool TScrollBar::PaintRemembered() {
  if (underMouse() || isSliderDown() || QGuiApplication::mouseButtons() != Qt::NoButton) return false;
  if (style() == fSeeThroughStyle) return false;
  QStyleOptionSlider option;
  initStyleOption(&option);
  option.subControls = QStyle::SC_All;  // as Qt's own paint event asks for a bar nobody points at
  option.activeSubControls = QStyle::SC_None;
  const double ratio = devicePixelRatioF();
  const QString key = PictureKey(option, *style(), ratio, DesktopPaletteInForce());
  QPixmap picture;
  if (!QPixmapCache::find(key, &picture)) {
    const QImage covering = CoveringPicture(option, ratio);
    if (covering.isNull()) {
      fSeeThroughStyle = style();  // not asked again for every paint
      return false;
    }
    picture = QPixmap::fromImage(covering);
    QPixmapCache::insert(key, picture);
  }
  QPainter(this).drawPixmap(0, 0, picture);
  return true;
}

// The toolkit's styles draw no focus on a scroll bar. Under a desktop's own
// palette the thumb also gets an outline in the button text colour: the styles
// shade its edge from the face colour, which a black face leaves invisible.
void TScrollBar::PaintMarks(QPainter& painter, const QStyleOptionSlider& option) const {
  if (DesktopPaletteInForce()) {
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawRect(style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this)
                         .adjusted(0, 0, -1, -1));
  }
  if (!hasFocus()) return;
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void TScrollBar::paintEvent(QPaintEvent* event) {
  if (PaintRemembered()) return;
  QScrollBar::paintEvent(event);
  QStyleOptionSlider option;
  initStyleOption(&option);
  QPainter painter(this);
  PaintMarks(painter, option);
}

}  // namespace quantora
