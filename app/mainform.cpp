#include "mainform.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

#include "programversion.h"
#include "aboutform.h"
#include "dialogs.h"
#include "filenames.h"
#include "helpviewer.h"
#include "layersform.h"
#include "optionsform.h"
#include "output.h"
#include "picturedialog.h"
#include "projectio.h"
#include "projectlayers.h"
#include "selfuncform.h"
#include "smalltoolbar.h"
#include "themeicon.h"
#include "toolwindow.h"
#include "windowexposure.h"

TMainForm *MainForm = nullptr;

namespace {

const QString Title = QString::fromLatin1(ProgramName);

// Pictures under a standard name where one fits the command, else our own.
QIcon Standard(const char *name) { return ThemeIcon(QString::fromLatin1(name)); }
QIcon Own(const char *name) { return OwnIcon(QString::fromLatin1(name)); }

}  // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent) {
  setWindowTitle(Title);
  resize(700, 500);
  createActions();
  createPanelToggles();
  createMenus();
  createToolBars();
  createMdiArea();
  createFileDialogs();
}

void TMainForm::createActions() {
  NewButton = CreateCommand("NewButton", "Новый", "Новый проект", Standard("document-new"), &TMainForm::NewButtonClick);
  OpenButton = CreateCommand("OpenButton", "Открыть...", "Открыть проект", Standard("document-open"),
                             &TMainForm::OpenButtonClick);
  SaveButton = CreateCommand("SaveButton", "Сохранить...", "Сохранить проект", Standard("document-save"),
                             &TMainForm::SaveButtonClick);
  SavePButton = CreateCommand("SavePButton", "Сохранить графики...", "Сохранить графики", Standard("image-x-generic"),
                              &TMainForm::SavePButtonClick);
  SaveTButton = CreateCommand("SaveTButton", "Сохранить значения...", "Сохранить значения", Standard("text-x-generic"),
                              &TMainForm::SaveTButtonClick);
  PrintPButton = CreateCommand("PrintPButton", "Печатать графики...", "Печатать графики", Standard("document-print"),
                               &TMainForm::PrintPButtonClick);
  PrintTButton = CreateCommand("PrintTButton", "Печатать значения...", "Печатать значения", Own("print-values"),
                               &TMainForm::PrintTButtonClick);
  OptButton = CreateCommand("OptButton", "Настройки...", "Настройки", Standard("preferences-system"),
                            &TMainForm::OptButtonClick);
  InfoButton =
      CreateCommand("InfoButton", "О программе...", "О программе", Standard("help-about"), &TMainForm::InfoButtonClick);
  HelpButton =
      CreateCommand("HelpButton", "Справка", "Справка", Standard("help-contents"), &TMainForm::HelpButtonClick);
  N7 = CreateCommand("N7", "Выход", QString(), Standard("application-exit"), &TMainForm::N7Click);

  NewButton->setShortcut(Qt::Key_F2);
  OpenButton->setShortcut(Qt::Key_F3);
  SaveButton->setShortcut(Qt::Key_F4);
  OptButton->setShortcut(Qt::Key_F5);
  HelpButton->setShortcut(Qt::Key_F1);
}

// All three panels start shown, so their toggles start checked.
void TMainForm::createPanelToggles() {
  N13 = CreatePanelToggle("N13", "Навигатор", Own("navigator"));
  N14 = CreatePanelToggle("N14", "Слои", Own("layers"));
  N15 = CreatePanelToggle("N15", "Калькулятор", Standard("accessories-calculator"));
}

void TMainForm::createMenus() {
  MainMenu = menuBar();
  MainMenu->setObjectName(QStringLiteral("MainMenu"));
  N1 = AddMenu("N1", "Проект");
  N1->addActions({NewButton, OpenButton, SaveButton});
  N1->addSeparator();
  N1->addAction(N7);

  N16 = AddMenu("N16", "Сервис");
  N16->addActions({SavePButton, SaveTButton});
  N16->addSeparator();
  N16->addActions({PrintPButton, PrintTButton});

  N3 = AddMenu("N3", "Параметры");
  N3->addAction(OptButton);

  N4 = AddMenu("N4", "Панели");
  N4->addActions({N13, N14, N15});

  N5 = AddMenu("N5", "Помощь");
  N5->addActions({InfoButton, HelpButton});
}

void TMainForm::createToolBars() {
  MainTB = addToolBar(QStringLiteral("Панель инструментов"));
  MainTB->setObjectName(QStringLiteral("MainTB"));
  MainTB->setMovable(false);
  MainTB->setFloatable(false);
  MainTB->addSeparator();
  MainTB->addActions({NewButton, OpenButton, SaveButton});
  MainTB->addSeparator();
  MainTB->addActions({SavePButton, SaveTButton});
  MainTB->addSeparator();
  MainTB->addActions({PrintPButton, PrintTButton});
  MainTB->addSeparator();
  MainTB->addAction(OptButton);
  MainTB->addSeparator();
  MainTB->addActions({N13, N14, N15});
  MainTB->addSeparator();
  MainTB->addActions({InfoButton, HelpButton});
  MakeSmallToolBar(*MainTB, true);

  ScaleTB = NamedToolButton(N13, "ScaleTB");
  LayersTB = NamedToolButton(N14, "LayersTB");
  CalcTB = NamedToolButton(N15, "CalcTB");
}

// Scroll bars appear when the plot window reaches past the frame's client area.
namespace {

// Qt's own dialog, in Russian with the program's translations; no question
// before replacing a file and no demand that an opened file exist.
QFileDialog *FileDialog(QWidget *parent, const QString &title, const QString &filter) {
  auto *dialog = new QFileDialog(parent, title, QString(), filter);
  dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
  dialog->setFileMode(QFileDialog::AnyFile);
  return dialog;
}

}  // namespace

// A dialog with no folder of its own opens in the current one. Qt would
// otherwise start every new file dialog where the last one was set or left,
// which after the project dialogs is "Samples".
void TMainForm::createFileDialogs() {
  const QString projects = QStringLiteral("Lumoplot Project (*.lpp)");
  ProjectSD = FileDialog(this, QStringLiteral("Сохранить проект"), projects);
  ProjectSD->setAcceptMode(QFileDialog::AcceptSave);
  ProjectOD = FileDialog(this, QStringLiteral("Открыть проект"), projects);
  PictureSD = new TPictureDialog(this, QStringLiteral("Сохранить графики"), QStringLiteral("Bitmap File (*.bmp)"));
  TableSD = FileDialog(this, QStringLiteral("Сохранить значения"), QStringLiteral("Text File (*.txt)"));
  TableSD->setAcceptMode(QFileDialog::AcceptSave);
  for (QFileDialog *dialog : {ProjectSD, ProjectOD})
    dialog->setDirectory(QDir::current().filePath(QStringLiteral("Samples")));
  for (QFileDialog *dialog : std::initializer_list<QFileDialog *>{PictureSD, TableSD})
    dialog->setDirectory(QDir::current());
}

void TMainForm::createMdiArea() {
  MdiArea = new QMdiArea(this);
  MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(MdiArea);
}

QAction *TMainForm::CreateAction(const char *name, const QString &caption, const QString &hint, const QIcon &icon) {
  auto *action = new QAction(icon, caption, this);
  action->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) {
    action->setToolTip(hint);
    action->setStatusTip(hint);
  }
  return action;
}

QAction *TMainForm::CreateCommand(const char *name, const QString &caption, const QString &hint, const QIcon &icon,
                                  void (TMainForm::*handler)()) {
  QAction *command = CreateAction(name, caption, hint, icon);
  connect(command, &QAction::triggered, this, handler);
  return command;
}

QAction *TMainForm::CreatePanelToggle(const char *name, const QString &caption, const QIcon &icon) {
  const QString hint = QStringLiteral("Показать/скрыть панель \"%1\"").arg(caption);
  QAction *toggle = CreateAction(name, caption, hint, icon);
  toggle->setCheckable(true);
  toggle->setChecked(true);
  // In the menu a check mark shows the state; a picture would hide it.
  toggle->setIconVisibleInMenu(false);
  return toggle;
}

QMenu *TMainForm::AddMenu(const char *name, const QString &title) {
  QMenu *menu = MainMenu->addMenu(title);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QToolButton *TMainForm::NamedToolButton(QAction *action, const char *name) {
  auto *button = qobject_cast<QToolButton *>(MainTB->widgetForAction(action));
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

void TMainForm::AdoptPlotWindow(QWidget *plotWindow) {
  PlotWindow = MdiArea->addSubWindow(plotWindow);
  PlotWindow->installEventFilter(this);
}

void TMainForm::AttachPanels(TToolWindow *scale, TToolWindow *layers, TToolWindow *calc) {
  panels_ = {scale, layers, calc};
  AttachPanel(N13, scale);
  AttachPanel(N14, layers);
  AttachPanel(N15, calc);
}

// The check mark is the one record of a panel's state: the tool button shows
// the same action's check mark, and a panel closed by its own close box is
// already hidden when the mark is cleared.
void TMainForm::AttachPanel(QAction *toggle, TToolWindow *panel) {
  connect(toggle, &QAction::toggled, panel, &QWidget::setVisible);
  connect(panel, &TToolWindow::ClosedByUser, toggle, [toggle] { toggle->setChecked(false); });
}

// The frame is shown once, so the panels are placed once: as soon as the frame
// is on screen with the size the window manager gave it. Starting from the
// screen's free area keeps that size where no window manager maximises.
void TMainForm::ShowMaximised() {
  setGeometry(screen()->availableGeometry());
  showMaximized();
  WaitUntilExposed(windowHandle());
  FormShow();
}

// Closing the frame ends the program at once, even while the help viewer is
// open: exit() leaves the event loop without asking the other windows first.
void TMainForm::closeEvent(QCloseEvent *event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) QCoreApplication::exit(0);
}

// The plot window is never destroyed: its close box only minimises it.
bool TMainForm::eventFilter(QObject *watched, QEvent *event) {
  if (watched == PlotWindow && event->type() == QEvent::Close) {
    event->ignore();
    PlotWindow->showMinimized();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

// The tool bar is always there: no menu to hide it.
QMenu *TMainForm::createPopupMenu() { return nullptr; }

// The panels go in one column along the right side, directly below the tool
// bar, and the plot window fills the rest; later resizing moves nothing.
void TMainForm::FormShow() {
  if (PlotWindow == nullptr || panels_[0] == nullptr) return;
  const QRect frame = frameGeometry();
  int top = MainTB->mapToGlobal(QPoint(0, 0)).y() + MainTB->height();
  for (TToolWindow *panel : panels_) {
    const QRect outer = panel->frameGeometry();
    panel->move(frame.left() + frame.width() - outer.width() - 28, top);
    top += outer.height();
  }
  PlotWindow->resize(frame.width() - panels_[0]->frameGeometry().width() - 32, frame.height() - 82);
}

// Commands whose work comes with later windows say so instead of doing nothing.
void TMainForm::OpenButtonClick() {
  if (const auto file = ChooseFile(*ProjectOD)) OpenProject(*file);
}

void TMainForm::SaveButtonClick() {
  if (const auto file = ChooseFile(*ProjectSD)) SaveProject(*file);
}

void TMainForm::SavePButtonClick() {
  const auto ticked = ChooseLayers(QStringLiteral("Сохранение графиков"), TSelFuncForm::TOutput::Picture);
  if (!ticked) return;
  // The chosen name gets ".bmp" unless it has it; batch output takes names as given.
  if (const auto file = ChooseFile(*PictureSD)) WritePictureFile(WithExtension(*file, ".bmp"), *ticked);
}

void TMainForm::SaveTButtonClick() {
  const auto ticked = ChooseLayers(QStringLiteral("Сохранение значений"), TSelFuncForm::TOutput::Values);
  if (!ticked) return;
  if (const auto file = ChooseFile(*TableSD)) WriteValuesFile(*file, *ticked);
}

void TMainForm::PrintPButtonClick() {
  if (const auto ticked = ChooseLayers(QStringLiteral("Печать графиков"), TSelFuncForm::TOutput::Picture))
    PrintPicture(*ticked);
}

void TMainForm::PrintTButtonClick() {
  if (const auto ticked = ChooseLayers(QStringLiteral("Печать значений"), TSelFuncForm::TOutput::Values))
    PrintValues(*ticked);
}

std::optional<std::string> TMainForm::ChooseFile(QFileDialog &dialog) {
  if (Dialogs().Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

std::optional<std::vector<bool>> TMainForm::ChooseLayers(const QString &caption, TSelFuncForm::TOutput output) {
  SelFuncForm->Prepare(caption, output);
  if (Dialogs().Exec(*SelFuncForm) != QDialog::Accepted) return std::nullopt;
  return SelFuncForm->Ticked();
}

// Back to no project at all; the display settings and the dialogs' values stay.
void TMainForm::NewButtonClick() {
  if (Dialogs().Message(this, QMessageBox::Question, Title,
                        QStringLiteral("Вы действительно хотите приступить к работе с новым проектом?"),
                        QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  ProjectLayers->Clear();
}

void TMainForm::OptButtonClick() { ShowDisplayOptions(); }

void TMainForm::InfoButtonClick() { Dialogs().Exec(*AboutForm); }
void TMainForm::HelpButtonClick() { ShowHelpTopic(0); }

// No question and no offer to save: the project in memory is discarded.
void TMainForm::N7Click() { close(); }
