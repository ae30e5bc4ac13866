#include "layersform.h"

#include <QApplication>
#include <QColorDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QToolBar>
#include <QToolButton>

#include "addform.h"
#include "chart.h"
#include "cp1251.h"
#include "dialogs.h"
#include "themeicon.h"
#include "fieldform.h"
#include "helpviewer.h"
#include "intspinedit.h"
#include "layersoptform.h"
#include "newform.h"
#include "project.h"
#include "expressionedit.h"
#include "projectcharts.h"
#include "rowheight.h"
#include "smalltoolbar.h"
#include "zeval.h"

TLayersForm *LayersForm = nullptr;

namespace {

constexpr int kHelpContext = 70;
constexpr int kErrorHelpContext = 130;
constexpr unsigned char kBadCharacter = 21;
const QString kShown = QStringLiteral("[+]");
const QString kHidden = QStringLiteral("[-]");

// The wait cursor for as long as a layer is being sampled.
class TWaitCursor {
 public:
  TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
  TWaitCursor(const TWaitCursor &) = delete;
  TWaitCursor &operator=(const TWaitCursor &) = delete;
};

// The library reads a NUL-terminated text: an embedded NUL would hide the rest
// of what the user typed, so it counts as a character it cannot take.
unsigned char CheckedBytes(const QString &expression, std::string &bytes) {
  const auto converted = Utf8ToCp1251(expression.toStdString());
  if (!converted || converted->find('\0') != std::string::npos) return kBadCharacter;
  bytes = *converted;
  unsigned char code = 0;
  CheckExpression(bytes.c_str(), &code);
  return code;
}

}  // namespace

QString LayerEntryText(int index) {
  const TGraph &graph = Project.Graph(index);
  return (graph.Visible ? kShown : kHidden) + QLatin1Char(' ') + ShownExpression(index);
}

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
  Project.Clear();
  UpdateButtons();
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

void TLayersForm::ShowExpressionError(unsigned char code) {
  Dialogs().Message(this, QMessageBox::Critical, QStringLiteral("Error"), QStringLiteral("Ошибка: %1").arg(code),
                    QMessageBox::Ok, kErrorHelpContext);
}

bool TLayersForm::EstablishBounds() {
  if (Dialogs().Exec(*NewForm) != QDialog::Accepted) return false;
  Project.SetBounds(
      {static_cast<long double>(NewForm->MinXSE->Value()), static_cast<long double>(NewForm->MaxXSE->Value()),
       static_cast<long double>(NewForm->MinYSE->Value()), static_cast<long double>(NewForm->MaxYSE->Value())});
  StartProjectCharts();
  return true;
}

void TLayersForm::NewButtonClick() {
  if (!Project.HasBounds() && !EstablishBounds()) return;
  if (Dialogs().Exec(*AddForm) != QDialog::Accepted) return;
  if (IsTooLong(AddForm->FuncEdit->text())) {
    Dialogs().Message(this, QMessageBox::Critical, QStringLiteral("Error"), TooLongText(), QMessageBox::Ok,
                      kErrorHelpContext);
    return;
  }
  unsigned char code = 0;
  if (!AddLayer(AddForm->FuncEdit->text(), AddForm->CountSE->Value(), AddForm->AddCD->currentColor(),
                AddForm->WidthSE->Value(), code))
    ShowExpressionError(code);
}

bool TLayersForm::AddLayer(const QString &expression, int32_t pointCount, const QColor &colour, int width,
                           unsigned char &code) {
  std::string bytes;
  if ((code = CheckedBytes(expression, bytes)) != 0) return false;
  TWaitCursor wait;
  const int index = Project.AddGraph(bytes, pointCount);
  Project.ComputeGraph(index);
  if ((code = Project.Graph(index).ErrorCode) != 0) {
    Project.RemoveGraph(index);
    return false;
  }
  AppendEntry(index);
  AddLayerSeries(index, colour, width);
  return true;
}

void TLayersForm::AppendEntry(int index) { LayersLB->addItem(LayerEntryText(index)); }

void TLayersForm::VisButtonClick() {
  const int i = Selected();
  if (i < 0) return;
  const bool shown = VisButton->isChecked();
  Project.SetVisible(i, shown);
  QListWidgetItem *item = LayersLB->item(i);
  item->setText((shown ? kShown : kHidden) + item->text().mid(3));
  ShowLayerSeries(i, shown);
}

void TLayersForm::OptButtonClick() {
  const int i = Selected();
  if (i < 0) return;
  const Series &series = *FieldForm->FC->series(i);
  LayersOptForm->OptCD->setCurrentColor(series.color());
  LayersOptForm->WidthSE->SetValue(series.width());
  if (Dialogs().Exec(*LayersOptForm) != QDialog::Accepted) return;
  StyleLayerSeries(i, LayersOptForm->OptCD->currentColor(), LayersOptForm->WidthSE->Value());
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
  ExchangeEntries(i, i - 1);
  Project.SwapGraphs(i, i - 1);
  MoveLayerSeriesTowardsFront(i);
  Select(i - 1);
}

void TLayersForm::DownButtonClick() {
  const int i = Selected();
  if (i < 0 || i >= LayersLB->count() - 1) return;
  ExchangeEntries(i, i + 1);
  Project.SwapGraphs(i, i + 1);
  MoveLayerSeriesTowardsFront(i + 1);
  Select(i + 1);
}

void TLayersForm::DelButtonClick() {
  const int i = Selected();
  if (i < 0) return;
  LayersLB->clearSelection();
  delete LayersLB->takeItem(i);
  Project.RemoveGraph(i);
  RemoveLayerSeries(i);
  LayersLB->clearSelection();
  UpdateButtons();
}

void TLayersForm::HelpButtonClick() { ShowHelpTopic(kHelpContext); }

void TLayersForm::ClearList() {
  LayersLB->clear();
  UpdateButtons();
}

bool TLayersForm::MatchesProject(QString *why) const {
  if (LayersLB->count() != Project.GraphCount()) {
    if (why) *why = QStringLiteral("list count");
    return false;
  }
  for (int i = 0; i < LayersLB->count(); ++i)
    if (LayersLB->item(i)->text() != LayerEntryText(i)) {
      if (why) *why = QStringLiteral("entry %1").arg(i);
      return false;
    }
  return ChartsMatchProject(why);
}

void ClearProject() {
  Project.Clear();
  LayersForm->ClearList();
  ClearProjectCharts();
}
