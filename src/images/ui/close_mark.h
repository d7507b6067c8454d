#pragma once

#include <QRect>

class QPainter;

namespace lumidex {

// The close symbol of the views that show one picture large (the picture
// view, the preview card over the list): a dark cross in a small white box
// with a grey edge, filling `at`.
void DrawCloseMark(QPainter& painter, const QRect& at);

}  // namespace lumidex
