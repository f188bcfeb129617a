#pragma once

#include <QPoint>
#include <QSize>

// The window's outer size, frame and title bar included.
inline constexpr QSize kWindowOuterSize{636, 509};

// Returns the outer top-left corner that centres the window on a screen of the given size; each
// half drops its fraction toward zero, so a screen smaller than the window gives a negative place.
QPoint CentredTopLeft(QSize screen);
