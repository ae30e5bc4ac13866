#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QDialog;
class QString;
class QWidget;

// The dialogs are designed control by control for "MS Sans Serif" 8 point,
// 11 pixels high; Liberation Sans of that height stands in for it.
QFont DesignFont();

// A dialog of a fixed client size with a close box only, in the design font.
void SetUpDialog(QDialog &dialog, const QString &caption, QSize clientSize);

// Whether two rectangles share at least one row of pixels.
inline bool SameRow(const QRect &a, const QRect &b) { return a.top() <= b.bottom() && b.top() <= a.bottom(); }

// The one layout rule of the dialogs, run once their controls are built.
// Every caption gets the width it needs; a control after it in its row moves
// right as far as it must to keep its gap, and the controls of its column move
// with it; a dialog or group box grows by as much as its content grew, and what
// stood at its right edge moves along. Where every text fits, nothing moves.
void FitCaptions(QWidget &dialog);
