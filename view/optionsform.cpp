#include "optionsform.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>

#include "chart.h"
#include "colorvalue.h"
#include "dialoglayout.h"
#include "dialogs.h"
#include "fieldform.h"
#include "scaleform.h"

TOptionsForm *OptionsForm = nullptr;

namespace {

QPushButton *Button(QWidget *parent, const QString &caption, QRect geometry) {
  auto *button = new QPushButton(caption, parent);
  button->setGeometry(geometry);
  return button;
}

QCheckBox *CheckBox(QWidget *parent, const QString &caption, QRect geometry) {
  auto *box = new QCheckBox(caption, parent);
  box->setGeometry(geometry);
  box->setChecked(true);
  return box;
}

}  // namespace

TOptionsForm::TOptionsForm(QWidget *parent)
    : QDialog(parent),
      AxisCD(new TColorDialog(TDisplaySettings().AxisColor, this)),
      GridCD(new TColorDialog(TDisplaySettings().GridColor, this)),
      LabelsCD(new TColorDialog(TDisplaySettings().LabelColor, this)),
      Back1CD(new TColorDialog(TDisplaySettings().BackTopColor, this)),
      BacK2CD(new TColorDialog(TDisplaySettings().BackBottomColor, this)) {
  SetUpDialog(*this, QStringLiteral("Настройки"), QSize(150, 182));
  auto *colours = new QGroupBox(QStringLiteral("Цвет"), this);
  colours->setGeometry(2, 2, 147, 106);
  AxisColorButton = Button(colours, QStringLiteral("Оси..."), {6, 16, 65, 25});
  GridColorButton = Button(colours, QStringLiteral("Сетка..."), {76, 16, 65, 25});
  LabelColorButton = Button(colours, QStringLiteral("Надписи..."), {6, 46, 65, 25});
  Back2ColorButton = Button(colours, QStringLiteral("Фон (верх)..."), {7, 76, 65, 25});
  Back1ColorButton = Button(colours, QStringLiteral("Фон (низ)..."), {76, 76, 65, 25});
  GridCB = CheckBox(this, QStringLiteral("Рисовать сетку"), {4, 110, 101, 17});
  AxisCB = CheckBox(this, QStringLiteral("Рисовать вторые оси"), {4, 128, 133, 17});
  auto *bevel = new QFrame(this);
  bevel->setFrameShape(QFrame::HLine);
  bevel->setGeometry(2, 148, 146, 2);
  auto *cancel = Button(this, QStringLiteral("Отмена"), {13, 155, 65, 25});
  auto *ok = Button(this, QStringLiteral("ОК"), {83, 155, 65, 25});
  ok->setDefault(true);
  const std::pair<QPushButton *, QColorDialog *> runs[] = {{AxisColorButton, AxisCD},
                                                           {GridColorButton, GridCD},
                                                           {LabelColorButton, LabelsCD},
                                                           {Back2ColorButton, Back1CD},
                                                           {Back1ColorButton, BacK2CD}};
  for (auto [button, dialog] : runs)
    connect(button, &QPushButton::clicked, this, [dialog = dialog] { ChooseColor(*dialog); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  setTabOrder(Back1ColorButton, GridCB);
  setTabOrder(GridCB, cancel);
  setTabOrder(cancel, ok);
  setTabOrder(ok, AxisCB);
  FitCaptions(*this);
}

TDisplaySettings TOptionsForm::Settings() const {
  return {AxisCB->isChecked(), GridCB->isChecked(), AxisCD->Value(), GridCD->Value(),
          LabelsCD->Value(),   BacK2CD->Value(),    Back1CD->Value()};
}

void TOptionsForm::SetSettings(const TDisplaySettings &settings) {
  AxisCB->setChecked(settings.DrawSecondAxes);
  GridCB->setChecked(settings.GridShown);
  AxisCD->SetValue(settings.AxisColor);
  GridCD->SetValue(settings.GridColor);
  LabelsCD->SetValue(settings.LabelColor);
  BacK2CD->SetValue(settings.BackBottomColor);
  Back1CD->SetValue(settings.BackTopColor);
}

void ShowDisplayOptions() {
  if (Dialogs().Exec(*OptionsForm) == QDialog::Accepted) ApplyDisplaySettings(OptionsForm->Settings());
}

void ApplyDisplaySettings(const TDisplaySettings &settings) {
  FieldForm->SetDisplaySettings(settings);
  ScaleForm->SC->SetBackgroundColors(ToQColor(settings.BackBottomColor, Qt::white),
                                     ToQColor(settings.BackTopColor, Qt::white));
  OptionsForm->SetSettings(settings);
}
