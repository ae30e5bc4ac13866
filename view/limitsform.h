#pragma once

#include <QDialog>

class QPushButton;
class TIntSpinEdit;

// Four whole-number limits, Min/Max of X and Y, that OK puts in order: a
// reversed pair is exchanged, an empty one widened by 1 on each side. The
// bounds dialog and the exact-zoom dialog are both this form.
class TLimitsForm : public QDialog {
  Q_OBJECT

 public:
  TLimitsForm(const QString &caption, QWidget *parent);

  TIntSpinEdit *MinXSE;
  TIntSpinEdit *MaxXSE;
  TIntSpinEdit *MinYSE;
  TIntSpinEdit *MaxYSE;
  QPushButton *CancelButton;
  QPushButton *OkButton;

  void OkButtonClick();

  // OK corrects the values before the dialog closes.
  void accept() override;
};
