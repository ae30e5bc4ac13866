#pragma once

#include <QColor>
#include <QColorDialog>

#include "colortable.h"

// A project file's colour value as the charts draw it: a system colour from
// the desktop's palette, clNone as no colour at all (a pen of it draws
// nothing), clDefault as the given default of whatever it colours.
QColor ToQColor(TColor color, const QColor &defaultColor);
// The value a colour chosen on screen is kept as: red in the low byte.
TColor ToTColor(const QColor &color);

// A colour dialog that keeps the colour as a project file's value, so that a
// system colour, clNone or clDefault set from a file survives as long as
// nobody chooses another colour in it.
class TColorDialog : public QColorDialog {
  Q_OBJECT

 public:
  TColorDialog(TColor color, QWidget *parent);

  TColor Value() const { return value_; }
  void SetValue(TColor color);

 private:
  TColor value_;
};
