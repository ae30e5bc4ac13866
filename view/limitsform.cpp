#include "limitsform.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "dialoglayout.h"
#include "intspinedit.h"

namespace {

TIntSpinEdit *Field(QWidget *parent, const QString &caption, QPoint label, QPoint field, int value) {
  (new QLabel(caption, parent))->move(label);
  return new TIntSpinEdit(parent, -1000, 1000, value, {field, QSize(53, 21)});
}

void Exchange(TIntSpinEdit &a, TIntSpinEdit &b) {
  const int first = a.Value();
  a.SetValue(b.Value());
  b.SetValue(first);
}

void Widen(TIntSpinEdit &minimum, TIntSpinEdit &maximum) {
  const int value = minimum.Value();
  minimum.SetValue(value - 1);
  maximum.SetValue(value + 1);
}

}  // namespace

TLimitsForm::TLimitsForm(const QString &caption, QWidget *parent) : QDialog(parent) {
  SetUpDialog(*this, caption, QSize(214, 95));
  MinXSE = Field(this, QStringLiteral("Мин. X"), {4, 8}, {48, 4}, -10);
  MaxXSE = Field(this, QStringLiteral("Макс. X"), {112, 8}, {158, 4}, 10);
  MinYSE = Field(this, QStringLiteral("Мин. Y"), {4, 36}, {48, 32}, -10);
  MaxYSE = Field(this, QStringLiteral("Макс. Y"), {112, 36}, {158, 32}, 10);
  auto *bevel = new QFrame(this);
  bevel->setFrameShape(QFrame::HLine);
  bevel->setGeometry(2, 60, 210, 2);
  CancelButton = new QPushButton(QStringLiteral("Отмена"), this);
  CancelButton->setGeometry(76, 68, 65, 25);
  OkButton = new QPushButton(QStringLiteral("ОК"), this);
  OkButton->setGeometry(146, 68, 65, 25);
  OkButton->setDefault(true);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  setTabOrder(MinXSE, MaxXSE);
  setTabOrder(MaxXSE, MinYSE);
  setTabOrder(MinYSE, MaxYSE);
  setTabOrder(MaxYSE, CancelButton);
  setTabOrder(CancelButton, OkButton);
  FitCaptions(*this);
}

void TLimitsForm::OkButtonClick() {
  if (MaxXSE->Value() < MinXSE->Value()) Exchange(*MinXSE, *MaxXSE);
  if (MaxYSE->Value() < MinYSE->Value()) Exchange(*MinYSE, *MaxYSE);
  if (MaxXSE->Value() == MinXSE->Value()) Widen(*MinXSE, *MaxXSE);
  if (MaxYSE->Value() == MinYSE->Value()) Widen(*MinYSE, *MaxYSE);
}

void TLimitsForm::accept() {
  OkButtonClick();
  QDialog::accept();
}
