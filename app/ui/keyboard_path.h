#pragma once
// The keyboard path through a window: the Tab order, and a way out of widgets
// that keep the Tab key for themselves.

#include <initializer_list>

class QWidget;

namespace quantora {

// Tab visits the widgets in this order (and Shift+Tab backwards).
void SetTabOrder(std::initializer_list<QWidget*> chain);

// Ctrl+Tab and Ctrl+Shift+Tab move the focus on from `widget` as Tab and
// Shift+Tab do elsewhere, the way Qt's text editors let the focus go when they
// take Tab as input. The widget sees neither key.
void LeaveWithCtrlTab(QWidget* widget);

}  // namespace quantora
