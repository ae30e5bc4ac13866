#include "selfuncform.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "cp1251.h"
#include "dialoglayout.h"
#include "output.h"
#include "project.h"
#include "rowheight.h"

TSelFuncForm *SelFuncForm = nullptr;

TSelFuncForm::TSelFuncForm(QWidget *parent) : QDialog(parent) {
  SetUpDialog(*this, QString(), QSize(250, 220));
  FuncCLB = new QListWidget(this);
  QFont font(QStringLiteral("Liberation Mono"));
  font.setPixelSize(13);
  FuncCLB->setFont(font);
  SetRowHeight(*FuncCLB, 16);
  FuncCLB->setGeometry(4, 4, 242, 178);
  // At the left of the buttons' row, clear of the two described ones.
  CopyButton = new QPushButton(QStringLiteral("Копировать"), this);
  CopyButton->setGeometry(4, 190, 80, 25);
  CancelButton = new QPushButton(QStringLiteral("Отмена"), this);
  CancelButton->setGeometry(110, 190, 65, 25);
  OkButton = new QPushButton(QStringLiteral("ОК"), this);
  OkButton->setGeometry(181, 190, 65, 25);
  OkButton->setDefault(true);
  connect(CopyButton, &QPushButton::clicked, this, &TSelFuncForm::CopyButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  FitCaptions(*this);
}

void TSelFuncForm::Prepare(const QString &caption, TOutput output) {
  setWindowTitle(caption);
  CopyButton->setVisible(output == TOutput::Values);
  FuncCLB->clear();
  for (const TGraph &graph : Project.Graphs()) {
    auto *item = new QListWidgetItem(QString::fromStdString(Cp1251ToUtf8(graph.Expression)), FuncCLB);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(graph.Visible ? Qt::Checked : Qt::Unchecked);
  }
}

std::vector<bool> TSelFuncForm::Ticked() const {
  std::vector<bool> ticked;
  for (int i = 0; i < FuncCLB->count(); ++i) ticked.push_back(FuncCLB->item(i)->checkState() == Qt::Checked);
  return ticked;
}

void TSelFuncForm::CopyButtonClick() { CopyValues(Ticked()); }
