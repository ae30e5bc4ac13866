#include "optionsform.h"

TOptionsForm *OptionsForm = nullptr;

TOptionsForm::TOptionsForm(QWidget *parent) : QDialog(parent) { setWindowTitle(QStringLiteral("Настройки")); }
