#include "calcoptform.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "dialoglayout.h"
#include "intspinedit.h"

TCalcOptForm *CalcOptForm = nullptr;

TCalcOptForm::TCalcOptForm(QWidget *parent) : QDialog(parent) {
  SetUpDialog(*this, QStringLiteral("Настройки"), QSize(139, 159));
  CreateDigitsGroup();
  CreateFormatGroup();
  CreateButtons();
  FitCaptions(*this);
}

void TCalcOptForm::CreateDigitsGroup() {
  DigitsGB = new QGroupBox(QStringLiteral("Количество цифр"), this);
  DigitsGB->setGeometry(2, 0, 135, 70);
  (new QLabel(QStringLiteral("После точки"), DigitsGB))->move(8, 22);
  PrecSE = new TIntSpinEdit(DigitsGB, 0, 14, 8, {88, 18, 41, 21});
  PrecSE->setObjectName(QStringLiteral("PrecSE"));
  (new QLabel(QStringLiteral("Всего"), DigitsGB))->move(8, 46);
  DigitsSE = new TIntSpinEdit(DigitsGB, 0, 18, 18, {88, 42, 41, 21});
  DigitsSE->setObjectName(QStringLiteral("DigitsSE"));
}

void TCalcOptForm::CreateFormatGroup() {
  auto *box = new QGroupBox(QStringLiteral("Формат вывода"), this);
  box->setGeometry(2, 72, 135, 54);
  FormatRG = new QButtonGroup(this);
  FormatRG->setObjectName(QStringLiteral("FormatRG"));
  const QString items[] = {QStringLiteral("Фиксированный"), QStringLiteral("Экспоненциальный")};
  for (int index = 0; index < 2; ++index) {
    auto *item = new QRadioButton(items[index], box);
    item->setGeometry(6, 16 + 17 * index, 127, 17);
    FormatRG->addButton(item, index);
  }
  FormatRG->button(0)->setChecked(true);
}

void TCalcOptForm::CreateButtons() {
  CancelButton = new QPushButton(QStringLiteral("Отмена"), this);
  CancelButton->setGeometry(4, 130, 65, 25);
  OkButton = new QPushButton(QStringLiteral("ОК"), this);
  OkButton->setGeometry(72, 130, 65, 25);
  OkButton->setDefault(true);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
}
