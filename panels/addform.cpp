#include "addform.h"

TAddForm *AddForm = nullptr;

TAddForm::TAddForm(QWidget *parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Новый"));
  setFixedSize(193, 151);
}
