#pragma once
// A visible keyboard focus on controls whose style draws none, or draws one
// only after the user has pressed Tab (the list focused at start, the
// explanation): the two-pixel frame in the highlight colour that the scroll
// bars and the charts' panels show.

class QWidget;

namespace quantora {

// `control` shows the frame while it has the keyboard focus: along its edge,
// or around the label of a check box (its box keeps its own outline). A
// scroll area's viewport carries the frame's inner part too.
void ShowFocusMark(QWidget* control);

}  // namespace quantora
