#pragma once

#include "limitsform.h"

// The exact-zoom dialog: four whole-number limits for the plot window's view.
class TZoomForm : public TLimitsForm {
  Q_OBJECT

 public:
  explicit TZoomForm(QWidget *parent = nullptr);

  // Ranges and values from the project bounds, each rounded to the nearest
  // integer (ties to even).
  void PrepareForBounds(long double minX, long double maxX, long double minY, long double maxY);
};

extern TZoomForm *ZoomForm;
