#pragma once

#include "toolwindow.h"

// The calculator panel: evaluates constant expressions.
class TCalcForm : public TToolWindow {
  Q_OBJECT

 public:
  explicit TCalcForm(QWidget *frame);
};

extern TCalcForm *CalcForm;
