#pragma once

#include "keepopendialog.h"

class TColorDialog;
class QPushButton;
class TIntSpinEdit;

// A layer's colour and line width.
class TLayersOptForm : public TKeepOpenDialog {
  Q_OBJECT

 public:
  explicit TLayersOptForm(QWidget *parent = nullptr);

  TIntSpinEdit *WidthSE;
  QPushButton *ColorButton;
  TColorDialog *OptCD;
  QPushButton *OkButton;
  QPushButton *CancelButton;

  void ColorButtonClick();
};

extern TLayersOptForm *LayersOptForm;
