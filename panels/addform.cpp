#include "addform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "colorvalue.h"
#include "dialoglayout.h"
#include "dialogs.h"
#include "expressionedit.h"
#include "intspinedit.h"
#include "projectfile.h"

TAddForm *AddForm = nullptr;

namespace {

QPushButton *Button(QWidget *parent, const QString &caption, QRect geometry) {
  auto *button = new QPushButton(caption, parent);
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TAddForm::TAddForm(QWidget *parent)
    : TKeepOpenDialog(QStringLiteral("Новый"), QSize(193, 151), parent),
      AddCD(new TColorDialog(TLayerStyle().Color, this)) {
  (new QLabel(QStringLiteral("f(x) ="), this))->setGeometry(4, 8, 40, 17);
  FuncEdit = NewExpressionEdit(this);
  FuncEdit->setGeometry(46, 4, 143, 21);
  (new QLabel(QStringLiteral("Количество точек"), this))->setGeometry(4, 36, 110, 17);
  CountSE = new TIntSpinEdit(this, 10, 100000, 1000, {118, 32, 71, 21});
  (new QLabel(QStringLiteral("Толщина"), this))->setGeometry(4, 64, 110, 17);
  WidthSE = new TIntSpinEdit(this, 1, 4, 1, {118, 60, 71, 21});
  ColorButton = Button(this, QStringLiteral("Цвет..."), {4, 88, 65, 25});
  CancelButton = Button(this, QStringLiteral("Отмена"), {54, 122, 65, 25});
  OkButton = Button(this, QStringLiteral("ОК"), {124, 122, 65, 25});
  connect(ColorButton, &QPushButton::clicked, this, &TAddForm::ColorButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  FitCaptions(*this);
}

void TAddForm::ColorButtonClick() { ChooseColor(*AddCD); }
