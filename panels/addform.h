#pragma once

#include "keepopendialog.h"

class TColorDialog;
class QLineEdit;
class QPushButton;
class TIntSpinEdit;

// The new-layer dialog: expression, number of points, line width and colour.
// Its fields keep the values of their last use.
class TAddForm : public TKeepOpenDialog {
  Q_OBJECT

 public:
  explicit TAddForm(QWidget *parent = nullptr);

  QLineEdit *FuncEdit;
  TIntSpinEdit *CountSE;
  TIntSpinEdit *WidthSE;
  QPushButton *ColorButton;
  TColorDialog *AddCD;
  QPushButton *CancelButton;
  QPushButton *OkButton;

  void ColorButtonClick();
};

extern TAddForm *AddForm;
