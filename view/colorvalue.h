#pragma once

#include <QColor>

#include "colortable.h"

// A project file's colour value as the charts draw it; system colours come from
// the application's palette.
QColor ToQColor(TColor color);
// The value a chart colour is saved as: red in the low byte.
TColor ToTColor(const QColor &color);
