#include "window/window_place.h"

QPoint CentredTopLeft(QSize screen) {
  return {(screen.width() - kWindowOuterSize.width()) / 2,
          (screen.height() - kWindowOuterSize.height()) / 2};
}
