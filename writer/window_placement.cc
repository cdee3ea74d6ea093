#include "writer/window_placement.h"

namespace mj::writer {

QPoint centred_top_left(QSize window, QRect screen) {
  return {screen.left() + (screen.width() - window.width()) / 2,
          screen.top() + (screen.height() - window.height()) / 2};
}

}  // namespace mj::writer
