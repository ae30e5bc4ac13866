#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class TIntSpinEdit;

// The calculator options: decimals, significant digits and the result format.
// The controls are the dialog's own memory of what the user last left in them,
// after OK and Cancel alike; the calculator reads them after OK and the project
// file sets them on loading.
class TCalcOptForm : public QDialog {
  Q_OBJECT

 public:
  explicit TCalcOptForm(QWidget *parent = nullptr);

  QGroupBox *DigitsGB;
  TIntSpinEdit *PrecSE;
  TIntSpinEdit *DigitsSE;
  // The format radio group: button 0 "Фиксированный", button 1 "Экспоненциальный";
  // checkedId() is the item index.
  QButtonGroup *FormatRG;
  QPushButton *CancelButton;
  QPushButton *OkButton;

 private:
  void CreateDigitsGroup();
  void CreateFormatGroup();
  void CreateButtons();
};

extern TCalcOptForm *CalcOptForm;
