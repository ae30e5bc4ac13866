#include "scaleoptform.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "colorvalue.h"
#include "dialoglayout.h"
#include "dialogs.h"
#include "intspinedit.h"
#include "projectfile.h"

TScaleOptForm *ScaleOptForm = nullptr;

TScaleOptForm::TScaleOptForm(QWidget *parent)
    : QDialog(parent), BorderCL(new TColorDialog(TFrameSettings().Color, this)) {
  SetUpDialog(*this, QStringLiteral("Настройки"), QSize(188, 80));
  auto *border = new QGroupBox(QStringLiteral("Рамка"), this);
  border->setGeometry(2, 0, 185, 47);
  BordClButton = new QPushButton(QStringLiteral("Цвет..."), border);
  BordClButton->setGeometry(6, 16, 65, 25);
  (new QLabel(QStringLiteral("Толщина"), border))->move(88, 22);
  BWidthSE = new TIntSpinEdit(border, 1, 9, 2, {140, 18, 37, 21});
  auto *cancel = new QPushButton(QStringLiteral("Отмена"), this);
  cancel->setGeometry(50, 52, 65, 25);
  auto *ok = new QPushButton(QStringLiteral("ОК"), this);
  ok->setGeometry(120, 52, 65, 25);
  ok->setDefault(true);
  connect(BordClButton, &QPushButton::clicked, this, &TScaleOptForm::BordClButtonClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  FitCaptions(*this);
}

void TScaleOptForm::BordClButtonClick() { ChooseColor(*BorderCL); }
