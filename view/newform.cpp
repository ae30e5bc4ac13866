#include "newform.h"

TNewForm *NewForm = nullptr;

TNewForm::TNewForm(QWidget *parent) : QDialog(parent) { setWindowTitle(QStringLiteral("Границы")); }
