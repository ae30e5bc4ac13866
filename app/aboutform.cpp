#include "aboutform.h"

#include <QPushButton>

TAboutForm *AboutForm = nullptr;

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("О программе"));
  setFixedSize(365, 286);
  auto *okButton = new QPushButton(QStringLiteral("ОК"), this);
  okButton->setObjectName(QStringLiteral("OkButton"));
  okButton->setGeometry(296, 256, 65, 25);
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}
