#include "layersoptform.h"

#include <QLabel>
#include <QPushButton>

#include "colorvalue.h"
#include "dialoglayout.h"
#include "dialogs.h"
#include "intspinedit.h"
#include "projectfile.h"

TLayersOptForm *LayersOptForm = nullptr;

TLayersOptForm::TLayersOptForm(QWidget *parent)
    : TKeepOpenDialog(QStringLiteral("Настройки"), QSize(139, 94), parent),
      OptCD(new TColorDialog(TLayerStyle().Color, this)) {
  (new QLabel(QStringLiteral("Толщина"), this))->setGeometry(4, 8, 60, 17);
  WidthSE = new TIntSpinEdit(this, 1, 4, 1, {70, 4, 65, 21});
  ColorButton = new QPushButton(QStringLiteral("Цвет..."), this);
  ColorButton->setGeometry(4, 32, 65, 25);
  OkButton = new QPushButton(QStringLiteral("ОК"), this);
  OkButton->setGeometry(4, 66, 65, 25);
  CancelButton = new QPushButton(QStringLiteral("Отмена"), this);
  CancelButton->setGeometry(70, 66, 65, 25);
  for (QPushButton *button : {ColorButton, OkButton, CancelButton}) button->setAutoDefault(false);
  connect(ColorButton, &QPushButton::clicked, this, &TLayersOptForm::ColorButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  FitCaptions(*this);
}

void TLayersOptForm::ColorButtonClick() { ChooseColor(*OptCD); }
