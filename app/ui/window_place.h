#pragma once
// Where a second window of the program opens: where the user left it last
// time, else beside the main window so that it covers none of its inputs.

#include <QList>
#include <QRect>
#include <QString>

class QWidget;

namespace quantora {

// The top-left corner for a window frame of `size` beside `owner` (a frame
// too), whole on one of the screens' available areas: to its right, else its
// left, below, above; where none fits, the place in the owner's screen that
// covers least of the owner.
QPoint PlaceBeside(const QRect& owner, QSize size, const QList<QRect>& screens);

// `window` (not yet shown) to where it was when `key` was last remembered,
// when that is still on a screen; else beside `owner`. Stored with the user's
// settings, like the language chosen.
void PlaceWindow(QWidget& window, const QWidget& owner, const QString& key);
void RememberWindowPlace(const QWidget& window, const QString& key);

}  // namespace quantora
