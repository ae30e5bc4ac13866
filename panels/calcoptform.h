#pragma once

#include <QDialog>

// The calculator options dialog: digits, precision and format of the result.
class TCalcOptForm : public QDialog {
  Q_OBJECT

 public:
  explicit TCalcOptForm(QWidget *parent = nullptr);
};

extern TCalcOptForm *CalcOptForm;
