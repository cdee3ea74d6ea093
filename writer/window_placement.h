// Where the writer's window first appears.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace mj::writer {

// The top left corner that centres a window of outer size `window` on
// `screen` (halves rounded down).
QPoint centred_top_left(QSize window, QRect screen);

}  // namespace mj::writer
