#pragma once

#include <QDialog>

class QPushButton;
class TColorDialog;
class TIntSpinEdit;

// The navigator options: the frame's colour and line width. The controls are
// the dialog's own memory of what the user last chose.
class TScaleOptForm : public QDialog {
  Q_OBJECT

 public:
  explicit TScaleOptForm(QWidget *parent = nullptr);

  TIntSpinEdit *BWidthSE;
  TColorDialog *BorderCL;
  QPushButton *BordClButton;

  void BordClButtonClick();
};

extern TScaleOptForm *ScaleOptForm;
