#include "calcform.h"

TCalcForm *CalcForm = nullptr;

TCalcForm::TCalcForm(QWidget *frame) : TToolWindow(frame, QStringLiteral("Калькулятор")) { setFixedSize(201, 52); }
