#include "optionsform.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>

#include "chart.h"
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
      AxisCD(new QColorDialog(Qt::black, this)),
      GridCD(new QColorDialog(QColor(0x80, 0x80, 0x80), this)),
      LabelsCD(new QColorDialog(Qt::black, this)),
      Back1CD(new QColorDialog(Qt::white, this)),
      BacK2CD(new QColorDialog(Qt::white, this)) {
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

void ShowDisplayOptions() {
  if (Dialogs().Exec(*OptionsForm) == QDialog::Accepted) ApplyDisplayOptions();
}

void ApplyDisplayOptions() {
  Chart &fc = *FieldForm->FC;
  FieldForm->DrawSecondAxes = OptionsForm->AxisCB->isChecked();
  // Flipping the grid first makes the plot redraw even when only the second
  // axes changed.
  fc.setGridShown(ChartAxis::Left, !fc.isGridShown(ChartAxis::Left));
  for (ChartAxis axis : {ChartAxis::Left, ChartAxis::Bottom}) {
    fc.setGridShown(axis, OptionsForm->GridCB->isChecked());
    const QColor axisColour = OptionsForm->AxisCD->currentColor();
    fc.setAxisLineColor(axis, axisColour);
    fc.setTickColor(axis, axisColour);
    fc.setMinorTickColor(axis, axisColour);
    fc.setGridColor(axis, OptionsForm->GridCD->currentColor());
    fc.setLabelColor(axis, OptionsForm->LabelsCD->currentColor());
  }
  for (Chart *chart : {FieldForm->FC, ScaleForm->SC})
    chart->setBackgroundColors(OptionsForm->BacK2CD->currentColor(), OptionsForm->Back1CD->currentColor());
}
