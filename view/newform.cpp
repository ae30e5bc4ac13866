#include "newform.h"

TNewForm *NewForm = nullptr;

TNewForm::TNewForm(QWidget *parent) : TLimitsForm(QStringLiteral("Границы"), parent) {}
