#include "layersform.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>

#include "waitcursor.h"
#include "addform.h"
#include "colorvalue.h"
#include "dialogs.h"
#include "themeicon.h"
#include "helpviewer.h"
#include "intspinedit.h"
#include "layersoptform.h"
#include "newform.h"
#include "project.h"
#include "expressionedit.h"
#include "projectlayers.h"
#include "expression.h"
#include "graphsampler.h"
#include "rowheight.h"
#include "smalltoolbar.h"

TLayersForm *LayersForm = nullptr;

namespace {

constexpr int kHelpContext = 70;
constexpr int kErrorHelpContext = 130;
const QString kShown = QStringLiteral("[+]");
const QString kHidden = QStringLiteral("[-]");

// The text of a layer's entry: "[+] " or "[-] " and the expression.
QString LayerEntryText(int index) {
  const TGraph &graph = Project.Graph(index);
  return (graph.Visible ? kShown : kHidden) + QLatin1Char(' ') + ShownExpression(graph.Expression);
}

}  // namespace

TLayersForm::TLayersForm(QWidget *frame) : TToolWindow(frame, QStringLiteral("Слои")) {
  setFixedSize(201, 166);
  QFont font(QStringLiteral("Liberation Mono"));
  font.setPixelSize(13);
  setFont(font);
  LayersLB = new QListWidget(this);
  LayersLB->setGeometry(2, 4, 196, 133);
  LayersLB->setSelectionMode(QAbstractItemView::SingleSelection);
  SetRowHeight(*LayersLB, 16);
  auto *bar = new QToolBar(this);
  bar->move(2, 142);
  NewButton = AddToolButton(bar, QStringLiteral("list-add"), QStringLiteral("Новый"));
  bar->addSeparator();
  VisButton = AddToolButton(bar, QStringLiteral("view-visible"), QStringLiteral("Видимость"));
  VisButton->setCheckable(true);
  OptButton = AddToolButton(bar, QStringLiteral("document-properties"), QStringLiteral("Настройки"));
  bar->addSeparator();
  UpButton = AddToolButton(bar, QStringLiteral("go-up"), QStringLiteral("Вверх"));
  DownButton = AddToolButton(bar, QStringLiteral("go-down"), QStringLiteral("Вниз"));
  bar->addSeparator();
  DelButton = AddToolButton(bar, QStringLiteral("list-remove"), QStringLiteral("Удалить"));
  bar->addSeparator();
  HelpButton = AddToolButton(bar, QStringLiteral("help-contents"), QStringLiteral("Помощь"));
  MakeSmallToolBar(*bar, false);
  connect(LayersLB, &QListWidget::itemSelectionChanged, this, &TLayersForm::UpdateButtons);
  connect(NewButton, &QToolButton::clicked, this, &TLayersForm::NewButtonClick);
  connect(VisButton, &QToolButton::clicked, this, &TLayersForm::VisButtonClick);
  connect(OptButton, &QToolButton::clicked, this, &TLayersForm::OptButtonClick);
  connect(UpButton, &QToolButton::clicked, this, &TLayersForm::UpButtonClick);
  connect(DownButton, &QToolButton::clicked, this, &TLayersForm::DownButtonClick);
  connect(DelButton, &QToolButton::clicked, this, &TLayersForm::DelButtonClick);
  connect(HelpButton, &QToolButton::clicked, this, &TLayersForm::HelpButtonClick);
  FollowLayers();
  Project.Clear();
  UpdateButtons();
}

// The list changes only as the layers do, so entry i always shows layer i.
void TLayersForm::FollowLayers() {
  connect(ProjectLayers, &TProjectLayers::Added, this,
          [this](int index) { LayersLB->insertItem(index, LayerEntryText(index)); });
  connect(ProjectLayers, &TProjectLayers::Removed, this, [this](int index) {
    {
      // Taking the item moves the selection to a row the project no longer has.
      const QSignalBlocker blocker(LayersLB);
      delete LayersLB->takeItem(index);
    }
    LayersLB->clearSelection();
    UpdateButtons();
  });
  connect(ProjectLayers, &TProjectLayers::Exchanged, this, &TLayersForm::ExchangeEntries);
  connect(ProjectLayers, &TProjectLayers::VisibilityChanged, this,
          [this](int index) { LayersLB->item(index)->setText(LayerEntryText(index)); });
  connect(ProjectLayers, &TProjectLayers::Cleared, this, [this] {
    LayersLB->clear();
    UpdateButtons();
  });
}

int TLayersForm::Selected() const {
  const auto items = LayersLB->selectedItems();
  return items.isEmpty() ? -1 : LayersLB->row(items.first());
}

void TLayersForm::Select(int index) {
  LayersLB->clearSelection();
  if (index >= 0) LayersLB->item(index)->setSelected(true);
  LayersLB->setCurrentRow(index, QItemSelectionModel::NoUpdate);
}

void TLayersForm::UpdateButtons() {
  const int selected = Selected();
  for (QToolButton *button : {VisButton, OptButton, UpButton, DownButton, DelButton}) button->setEnabled(selected >= 0);
  VisButton->setChecked(selected >= 0 && Project.Graph(selected).Visible);
}

bool TLayersForm::EstablishBounds() {
  if (Dialogs().Exec(*NewForm) != QDialog::Accepted) return false;
  ProjectLayers->Start(
      {static_cast<long double>(NewForm->MinXSE->Value()), static_cast<long double>(NewForm->MaxXSE->Value()),
       static_cast<long double>(NewForm->MinYSE->Value()), static_cast<long double>(NewForm->MaxYSE->Value())});
  return true;
}

void TLayersForm::NewButtonClick() {
  if (!Project.HasBounds() && !EstablishBounds()) return;
  if (Dialogs().Exec(*AddForm) != QDialog::Accepted) return;
  QString error;
  if (!AddLayer(AddForm->FuncEdit->text(), AddForm->CountSE->Value(),
                {AddForm->AddCD->Value(), AddForm->WidthSE->Value()}, error))
    Dialogs().Message(this, QMessageBox::Critical, QStringLiteral("Error"), error, QMessageBox::Ok, kErrorHelpContext);
}

bool TLayersForm::AddLayer(const QString &expression, int32_t pointCount, const TLayerStyle &style, QString &error) {
  const TExpressionCheck check = CheckTypedExpression(expression.toStdString());
  if (check.TooLong || check.Code != 0) {
    error = check.TooLong ? TooLongText() : ErrorText(check.Code);
    return false;
  }
  TWaitCursor wait;
  TGraph graph;
  graph.Expression = check.Bytes;
  graph.PointCount = pointCount;
  SampleGraph(graph, Project.Bounds());
  if (graph.ErrorCode != 0) {
    error = ErrorText(graph.ErrorCode);
    return false;
  }
  ProjectLayers->Add(std::move(graph), style);
  return true;
}

void TLayersForm::VisButtonClick() {
  const int i = Selected();
  if (i >= 0) ProjectLayers->SetVisible(i, VisButton->isChecked());
}

void TLayersForm::OptButtonClick() {
  const int i = Selected();
  if (i < 0) return;
  const TLayerStyle &style = ProjectLayers->Style(i);
  LayersOptForm->OptCD->SetValue(style.Color);
  LayersOptForm->WidthSE->SetValue(style.Width);
  if (Dialogs().Exec(*LayersOptForm) != QDialog::Accepted) return;
  ProjectLayers->Restyle(i, {LayersOptForm->OptCD->Value(), LayersOptForm->WidthSE->Value()});
}

void TLayersForm::ExchangeEntries(int first, int second) {
  QListWidgetItem *a = LayersLB->item(first), *b = LayersLB->item(second);
  const QString text = a->text();
  a->setText(b->text());
  b->setText(text);
}

void TLayersForm::UpButtonClick() {
  const int i = Selected();
  if (i <= 0) return;
  ProjectLayers->MoveTowardsFront(i);
  Select(i - 1);
}

void TLayersForm::DownButtonClick() {
  const int i = Selected();
  if (i < 0 || i >= LayersLB->count() - 1) return;
  ProjectLayers->MoveTowardsFront(i + 1);
  Select(i + 1);
}

void TLayersForm::DelButtonClick() {
  const int i = Selected();
  if (i >= 0) ProjectLayers->Remove(i);
}

void TLayersForm::HelpButtonClick() { ShowHelpTopic(kHelpContext); }
