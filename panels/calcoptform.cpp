#include "calcoptform.h"

TCalcOptForm *CalcOptForm = nullptr;

TCalcOptForm::TCalcOptForm(QWidget *parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Настройки"));
  setFixedSize(139, 159);
}
