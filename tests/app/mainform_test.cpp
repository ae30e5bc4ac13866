#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QToolBar>
#include <QToolButton>

#include "aboutform.h"
#include "addform.h"
#include "appfixture.h"
#include "calcform.h"
#include "fieldform.h"
#include "layersform.h"
#include "newform.h"
#include "scaleform.h"
#include "vncviewer.h"
#include "zoomform.h"

namespace {

// How an item begins in the menu: "*" for a picture, "[x] " or "[ ] " for a
// check mark.
QString ItemMark(const QAction *item) {
  if (item->isCheckable()) return item->isChecked() ? QStringLiteral("[x] ") : QStringLiteral("[ ] ");
  return !item->icon().isNull() && item->isIconVisibleInMenu() ? QStringLiteral("*") : QString();
}

// The menu as the user reads it: "caption shortcut" items, "-" for a line.
QString MenuText(const QMenu *menu) {
  QStringList items;
  for (const QAction *item : menu->actions()) {
    if (item->isSeparator())
      items << QStringLiteral("-");
    else
      items << (ItemMark(item) + item->text() + QLatin1Char(' ') + item->shortcut().toString()).trimmed();
  }
  return menu->title() + QStringLiteral(": ") + items.join(QStringLiteral(" | "));
}

QImage Picture(const QIcon &icon) { return icon.pixmap(16, 16).toImage(); }

// The tool bar as the user reads it: the tool tips, "|" for a separator and
// "[x]" for a button that is down.
QString ToolBarText(const QToolBar *bar) {
  QStringList items;
  for (QAction *action : bar->actions()) {
    if (action->isSeparator()) {
      items << QStringLiteral("|");
      continue;
    }
    const auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
    items << button->toolTip() + (button->isChecked() ? QStringLiteral(" [x]") : QString());
  }
  return items.join(QStringLiteral(", "));
}

TEST_F(AppTest, MenuAndToolBarReadAsDesigned) {
  const QString menus[] = {
      "Проект: *Новый F2 | *Открыть... F3 | *Сохранить... F4 | - | *Выход",
      "Сервис: *Сохранить графики... | *Сохранить значения... | - | *Печатать графики... | *Печатать значения...",
      "Параметры: *Настройки... F5",
      "Панели: [x] Навигатор | [x] Слои | [x] Калькулятор",
      "Помощь: *О программе... | *Справка F1",
  };
  const QList<QAction *> topLevel = MainForm->menuBar()->actions();
  ASSERT_EQ(topLevel.size(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(MenuText(topLevel[i]->menu()), menus[i]);

  EXPECT_EQ(ToolBarText(MainForm->MainTB),
            "|, Новый проект, Открыть проект, Сохранить проект, |, Сохранить графики, Сохранить значения, |, "
            "Печатать графики, Печатать значения, |, Настройки, |, "
            "Показать/скрыть панель \"Навигатор\" [x], Показать/скрыть панель \"Слои\" [x], "
            "Показать/скрыть панель \"Калькулятор\" [x], |, О программе, Справка");
}

// An icon theme as installing the program leaves it: the program's icon under
// its name, and a picture named "help" whose name begins two commands' names.
class InstalledThemeTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(theme_.isValid());
    QDir(theme_.path()).mkpath(QStringLiteral("hicolor/scalable/apps"));
    QFile index(theme_.filePath(QStringLiteral("hicolor/index.theme")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write(
        "[Icon Theme]\nName=Hicolor\nDirectories=scalable/apps\n\n"
        "[scalable/apps]\nSize=16\nMinSize=8\nMaxSize=512\nType=Scalable\n");
    index.close();
    const QString apps = theme_.filePath(QStringLiteral("hicolor/scalable/apps/"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(":/pictures/lumoplot.svg"), apps + QStringLiteral("lumoplot.svg")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(":/pictures/lumoplot.svg"), apps + QStringLiteral("help.svg")));
    searchPaths_ = QIcon::themeSearchPaths();
    themeName_ = QIcon::themeName();
    QIcon::setThemeSearchPaths({theme_.path()});
    QIcon::setThemeName(QStringLiteral("hicolor"));
  }

  void TearDown() override {
    QIcon::setThemeSearchPaths(searchPaths_);
    QIcon::setThemeName(themeName_);
  }

 private:
  QTemporaryDir theme_;
  QStringList searchPaths_;
  QString themeName_;
};

// Fourteen commands, fourteen pictures, none of them the program's own.
TEST_F(InstalledThemeTest, EveryCommandHasAPictureOfItsOwn) {
  TMainForm frame;
  std::vector<QImage> pictures = {Picture(QApplication::windowIcon())};
  for (QAction *command : {frame.NewButton, frame.OpenButton, frame.SaveButton, frame.SavePButton, frame.SaveTButton,
                           frame.PrintPButton, frame.PrintTButton, frame.OptButton, frame.N13, frame.N14, frame.N15,
                           frame.InfoButton, frame.HelpButton, frame.N7}) {
    const QImage picture = Picture(command->icon());
    EXPECT_FALSE(picture.isNull()) << command->text().toStdString();
    EXPECT_EQ(std::count(pictures.begin(), pictures.end(), picture), 0) << command->text().toStdString();
    pictures.push_back(picture);
  }
}

TEST_F(AppTest, StartUpShowsThePlotWindowAndThePanelsAndKeepsTheDialogsHidden) {
  struct Window {
    QWidget *window;
    const char *caption;
    bool shown;
  };
  const Window windows[] = {
      {MainForm, "Lumoplot 2003", true}, {FieldForm, "График", true},
      {ScaleForm, "Навигатор", true},    {LayersForm, "Слои", true},
      {CalcForm, "Калькулятор", true},   {NewForm, "Границы", false},
      {AddForm, "Новый", false},         {ZoomForm, "Точное увеличение", false},
      {AboutForm, "О программе", false},
  };
  const QImage programPicture = Picture(QApplication::windowIcon());
  ASSERT_FALSE(programPicture.isNull());
  EXPECT_EQ(Picture(MainForm->PlotWindow->windowIcon()), programPicture);
  for (const Window &w : windows) {
    EXPECT_EQ(w.window->windowTitle(), QString::fromUtf8(w.caption));
    EXPECT_EQ(Picture(w.window->windowIcon()), programPicture) << w.caption;
    EXPECT_EQ(w.window->isVisible(), w.shown) << w.caption;
    if (w.window != MainForm && w.window != FieldForm) {
      EXPECT_EQ(w.window->parentWidget(), MainForm) << w.caption;
    }
  }
  EXPECT_TRUE(MainForm->isMaximized());
  ASSERT_EQ(MainForm->MdiArea->subWindowList().size(), 1);
  EXPECT_EQ(MainForm->MdiArea->subWindowList()[0]->widget(), FieldForm);
}

// One under the other from just below the tool bar, 28 pixels in from the
// frame's right side, and clear of the plot window, which takes the rest.
TEST_F(AppTest, PanelsStandInAColumnAtTheRightBelowTheToolBar) {
  const QRect frame = MainForm->frameGeometry();
  int top = MainForm->MainTB->mapToGlobal(QPoint(0, MainForm->MainTB->height())).y();
  for (QWidget *panel : std::initializer_list<QWidget *>{ScaleForm, LayersForm, CalcForm}) {
    const QRect outer = panel->frameGeometry();
    EXPECT_EQ(outer.top(), top) << panel->windowTitle().toStdString();
    EXPECT_EQ(frame.right() - outer.right(), 28) << panel->windowTitle().toStdString();
    top = outer.bottom() + 1;
  }
  const QRect plot(MainForm->PlotWindow->mapToGlobal(QPoint(0, 0)), MainForm->PlotWindow->size());
  EXPECT_LT(plot.right(), ScaleForm->frameGeometry().left());
  EXPECT_GT(plot.width(), frame.width() / 2);
  EXPECT_GT(plot.top(), MainForm->MainTB->mapToGlobal(QPoint(0, 0)).y());
  EXPECT_LT(plot.bottom(), frame.bottom());
}

// Small tool buttons, 22 pixels square, in bars sized to them: the main tool
// bar is 24 pixels high with separators 8 wide, and the panels' bars stand
// where they are designed with every button inside the panel.
TEST_F(AppTest, ToolBarsHoldSmallButtonsInsideTheirWindows) {
  EXPECT_EQ(MainForm->MainTB->height(), 24);
  const std::pair<QWidget *, QPoint> panels[] = {{ScaleForm, {129, 201}}, {LayersForm, {2, 142}}};
  for (const auto &[panel, at] : panels) EXPECT_EQ(panel->findChild<QToolBar *>()->pos(), at);
  for (QToolBar *bar : {MainForm->MainTB, ScaleForm->findChild<QToolBar *>(), LayersForm->findChild<QToolBar *>()}) {
    QWidget *window = bar->window();
    for (QAction *action : bar->actions()) {
      const QWidget *item = bar->widgetForAction(action);
      const QString what = window->windowTitle() + QLatin1Char(' ') + action->toolTip();
      if (action->isSeparator())
        EXPECT_EQ(item->width(), 8) << what.toStdString();
      else
        EXPECT_EQ(item->size(), QSize(22, 22)) << what.toStdString();
      EXPECT_TRUE(window->rect().contains(QRect(item->mapTo(window, QPoint()), item->size()))) << what.toStdString();
    }
  }
}

enum class Way { Menu, Button, CloseBox };

struct Step {
  Way way;
  bool shown;
};

struct Panel {
  const char *name;
  QAction *TMainForm::*toggle;
  QToolButton *TMainForm::*button;
  QWidget *(*window)();
};

void PrintTo(const Panel &panel, std::ostream *out) { *out << panel.name; }

void Take(const Step &step, QAction *toggle, QToolButton *button, QWidget *panel) {
  switch (step.way) {
    case Way::Menu:
      ChooseFromMenu(MainForm->N4, toggle);
      break;
    case Way::Button:
      QTest::mouseClick(button, Qt::LeftButton);
      break;
    case Way::CloseBox:
      // A panel never refuses: a request to close every window must go through.
      EXPECT_TRUE(panel->close());
      break;
  }
}

class PanelToggleTest : public AppTest, public testing::WithParamInterface<Panel> {};

TEST_P(PanelToggleTest, CheckMarkButtonAndVisibilityStayEqual) {
  const Step steps[] = {
      {Way::Menu, false},     {Way::Menu, true}, {Way::Button, false},   {Way::Button, true},
      {Way::CloseBox, false}, {Way::Menu, true}, {Way::CloseBox, false}, {Way::Button, true},
  };
  QAction *toggle = MainForm->*GetParam().toggle;
  QToolButton *button = MainForm->*GetParam().button;
  QWidget *panel = GetParam().window();
  int index = 0;
  for (const Step &step : steps) {
    Take(step, toggle, button, panel);
    EXPECT_EQ(toggle->isChecked(), step.shown) << "step " << index;
    EXPECT_EQ(button->isChecked(), step.shown) << "step " << index;
    EXPECT_EQ(panel->isVisible(), step.shown) << "step " << index;
    ++index;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Panels, PanelToggleTest,
    testing::Values(Panel{"Navigator", &TMainForm::N13, &TMainForm::ScaleTB, []() -> QWidget * { return ScaleForm; }},
                    Panel{"Layers", &TMainForm::N14, &TMainForm::LayersTB, []() -> QWidget * { return LayersForm; }},
                    Panel{"Calculator", &TMainForm::N15, &TMainForm::CalcTB, []() -> QWidget * { return CalcForm; }}),
    [](const testing::TestParamInfo<Panel> &info) { return std::string(info.param.name); });

// The command a key or button ran, as the user sees it: the help viewer, a
// modal dialog's caption or a message box's text.
QString Effect(const TRecordingDialogs &dialogs) {
  if (HelpViewer().isVisible()) return QStringLiteral("help at ") + HelpFile();
  if (!dialogs.dialogsShown.empty()) return QStringLiteral("dialog ") + dialogs.dialogsShown.back();
  if (!dialogs.messages.empty()) return dialogs.messages.back().text;
  return QStringLiteral("nothing");
}

void Forget(TRecordingDialogs &dialogs) {
  HelpViewer().hide();
  dialogs.dialogsShown.clear();
  dialogs.messages.clear();
}

// Each command from its tool button, and from its key both in the frame and in
// a panel, where the frame's keys still work.
TEST_F(AppTest, CommandsRunFromTheirToolButtonsAndKeys) {
  struct CommandCase {
    QAction *TMainForm::*command;
    Qt::Key key;
    QString effect;
  };
  const QString help = QStringLiteral("help at ") + HelpFileNextToProgram();
  const CommandCase cases[] = {
      {&TMainForm::NewButton, Qt::Key_F2,
       QStringLiteral("Вы действительно хотите приступить к работе с новым проектом?")},
      {&TMainForm::OpenButton, Qt::Key_F3, QStringLiteral("dialog Открыть проект")},
      {&TMainForm::SaveButton, Qt::Key_F4, QStringLiteral("dialog Сохранить проект")},
      {&TMainForm::SavePButton, Qt::Key_unknown, QStringLiteral("dialog Сохранение графиков")},
      {&TMainForm::SaveTButton, Qt::Key_unknown, QStringLiteral("dialog Сохранение значений")},
      {&TMainForm::PrintPButton, Qt::Key_unknown, QStringLiteral("dialog Печать графиков")},
      {&TMainForm::PrintTButton, Qt::Key_unknown, QStringLiteral("dialog Печать значений")},
      {&TMainForm::OptButton, Qt::Key_F5, QStringLiteral("dialog Настройки")},
      {&TMainForm::InfoButton, Qt::Key_unknown, QStringLiteral("dialog О программе")},
      {&TMainForm::HelpButton, Qt::Key_F1, help},
      {nullptr, Qt::Key_F6, QStringLiteral("nothing")},
  };
  for (const CommandCase &c : cases) {
    if (c.command != nullptr) {
      Forget(*dialogs);
      QTest::mouseClick(MainForm->MainTB->widgetForAction(MainForm->*c.command), Qt::LeftButton);
      EXPECT_EQ(Effect(*dialogs), c.effect) << "button of " << c.effect.toStdString();
    }
    if (c.key == Qt::Key_unknown) continue;
    for (QWidget *window : std::initializer_list<QWidget *>{MainForm, LayersForm}) {
      window->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(window));
      Forget(*dialogs);
      QTest::keyClick(window, c.key);
      EXPECT_EQ(Effect(*dialogs), c.effect) << "key " << c.key << " in " << window->windowTitle().toStdString();
    }
  }
}

TEST_F(AppTest, ClosingThePlotWindowOnlyMinimisesIt) {
  QPointer<TFieldForm> plot = FieldForm;
  EXPECT_FALSE(MainForm->PlotWindow->close());
  EXPECT_TRUE(MainForm->PlotWindow->isMinimized());
  EXPECT_FALSE(plot.isNull());
  EXPECT_EQ(MainForm->MdiArea->subWindowList().size(), 1);
}

TEST_F(AppTest, ExitClosesTheFrameWithoutAQuestion) {
  ChooseFromMenu(MainForm->N1, MainForm->N7);
  EXPECT_FALSE(MainForm->isVisible());
  EXPECT_TRUE(dialogs->messages.empty());
}

quint16 FreePort() {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost, 0);
  return server.serverPort();
}

// What the program wrote to its error output, less the remote screen's own
// note of its port.
QString ErrorOutput(QProcess &program) {
  QStringList lines = QString::fromLocal8Bit(program.readAllStandardError()).split(QLatin1Char('\n'));
  lines.removeIf([](const QString &line) { return line.isEmpty() || line.startsWith(QStringLiteral("QVncServer")); });
  return lines.join(QLatin1Char('\n'));
}

// The real program with a sample project, on a remote screen of its own: the
// start prints nothing, and "Выход", the last item of the "Проект" menu, ends
// the process although the panels are still shown.
TEST(ProgramTest, StartsQuietlyAndEndsOnExit) {
  constexpr std::uint32_t kUp = 0xff52, kReturn = 0xff0d;
  const QPoint projectMenu(20, 8);
  const quint16 port = FreePort();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("vnc:size=1600x1000:port=%1").arg(port));
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lumoplot"),
                {QStringLiteral(LUMOPLOT_SOURCE_DIR "/Samples/trigonometry.lpp")});
  ASSERT_TRUE(program.waitForStarted());
  TVncViewer viewer;
  ASSERT_TRUE(viewer.Connect(port, 20000));
  // Clicks before the frame is up find no menu; the user simply tries again,
  // and like a user waits for the menu to open before using the keys.
  const QDeadlineTimer deadline(30000);
  while (program.state() != QProcess::NotRunning && !deadline.hasExpired()) {
    viewer.Click(projectMenu);
    QThread::msleep(300);
    viewer.Key(kUp);
    viewer.Key(kReturn);
    program.waitForFinished(1000);
  }
  if (program.state() != QProcess::NotRunning) {
    program.kill();
    program.waitForFinished();
    FAIL() << "the program still runs after Exit";
  }
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
  EXPECT_EQ(ErrorOutput(program), QString());
}

}  // namespace
