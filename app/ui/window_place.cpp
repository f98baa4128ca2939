#include "window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "translate/settings_file.h"
#include "user_settings.h"

namespace quantora {

namespace {

qint64 Area(const QRect& r) { return r.isValid() ? qint64(r.width()) * r.height() : 0; }

// `r` moved (not resized) into `area` as far as it fits, its top-left kept in.
QRect MovedInto(QRect r, const QRect& area) {
  r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() + 1 - r.width())));
  r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height())));
  return r;
}

QString PlaceKey(const QString& key) { return QStringLiteral("windows/") + key; }

}  // namespace

QPoint PlaceBeside(const QRect& owner, QSize size, const QList<QRect>& screens) {
  if (screens.isEmpty()) return owner.topRight() + QPoint(1, 0);
  const QRect candidates[] = {
      {owner.right() + 1, owner.top(), size.width(), size.height()},
      {owner.left() - size.width(), owner.top(), size.width(), size.height()},
      {owner.left(), owner.bottom() + 1, size.width(), size.height()},
      {owner.left(), owner.top() - size.height(), size.width(), size.height()},
  };
  for (const QRect& c : candidates)
    for (const QRect& s : screens)
      if (s.contains(c)) return c.topLeft();
  // No room beside it: within the owner's screen (the one holding most of it).
  QRect screen = screens.front();
  for (const QRect& s : screens)
    if (Area(s & owner) > Area(screen & owner)) screen = s;
  QRect best;
  qint64 bestCover = -1;
  for (const QRect& c : candidates) {
    const QRect placed = MovedInto(c, screen);
    const qint64 cover = Area(placed & owner);
    if (bestCover < 0 || cover < bestCover) {
      best = placed;
      bestCover = cover;
    }
  }
  return best.topLeft();
}

void PlaceWindow(QWidget& window, const QWidget& owner, const QString& key) {
  const QByteArray stored = glossator::ReadSettingsValue(UserSettingsFile(), PlaceKey(key)).toByteArray();
  if (!stored.isEmpty() && window.restoreGeometry(stored)) return;  // put back on a screen when it left them
  QList<QRect> screens;
  for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
  // The window's frame is not known before it is shown: the owner's stands in.
  const QRect ownerFrame = owner.frameGeometry();
  const QSize margins = ownerFrame.size() - owner.geometry().size();
  const QPoint frameAt = PlaceBeside(ownerFrame, window.size() + margins, screens);
  window.move(frameAt);  // a top-level window's position is its frame's
}

void RememberWindowPlace(const QWidget& window, const QString& key) {
  // A place that cannot be kept is no loss worth a message: the window opens beside the main one.
  QString unused;
  glossator::WriteSettingsValue(UserSettingsFile(), PlaceKey(key), window.saveGeometry(), unused);
}

}  // namespace quantora
