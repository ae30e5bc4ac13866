#include "selfuncform.h"

TSelFuncForm *SelFuncForm = nullptr;

TSelFuncForm::TSelFuncForm(QWidget *parent) : QDialog(parent) { setWindowTitle(QStringLiteral("Выбор")); }
