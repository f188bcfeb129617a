#pragma once

#include <QIcon>

// Returns the program's icon: a 64 x 64 picture with transparency, drawn by the program itself.
QIcon AppIcon();
