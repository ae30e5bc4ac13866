#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <stdexcept>

#include "appfixture.h"
#include "errorbox.h"

namespace {

struct StopCase {
  const char *text;
  const char *shown;
};

TEST(ErrorBoxText, FinalFullStopFollowsCharacterCodeOrder) {
  const StopCase cases[] = {
      {"Файл не найден", "Файл не найден."},
      {"Ошибка ввода-вывода 103", "Ошибка ввода-вывода 103."},
      {"Disk full", "Disk full."},
      {"Готово.", "Готово."},
      {"Нет доступа (код 13)", "Нет доступа (код 13)"},
      {"Что?", "Что?."},
      {"C:/Temp/", "C:/Temp/."},
      {"Стоп!", "Стоп!"},
      {"пробел в конце ", "пробел в конце "},
      {"дефис -", "дефис -"},
      {"", ""},
  };
  for (const StopCase &c : cases) {
    EXPECT_EQ(WithFinalStop(QString::fromUtf8(c.text)), QString::fromUtf8(c.shown)) << c.text;
  }
}

struct ThrowCase {
  const char *name;
  std::function<void()> fail;
  const char *shown;
};

// A command of the frame that fails, started by its tool button.
QToolButton *AddFailingCommand(const std::function<void()> &fail) {
  QAction *command = MainForm->MainTB->addAction(QStringLiteral("Сбой"));
  QObject::connect(command, &QAction::triggered, MainForm, fail);
  return qobject_cast<QToolButton *>(MainForm->MainTB->widgetForAction(command));
}

TEST_F(AppTest, ErrorEscapingACommandIsShownAndTheProgramGoesOn) {
  const ThrowCase cases[] = {
      {"runtime error", [] { throw std::runtime_error("Не удаётся открыть файл"); }, "Не удаётся открыть файл."},
      {"text ending in a bracket", [] { throw std::invalid_argument("Неверный формат (строка 3)"); },
       "Неверный формат (строка 3)"},
      {"not a std::exception", [] { throw 42; }, "Неизвестная ошибка."},
  };
  for (const ThrowCase &c : cases) {
    dialogs->messages.clear();
    dialogs->offered.clear();
    QTest::mouseClick(AddFailingCommand(c.fail), Qt::LeftButton);
    ASSERT_EQ(dialogs->messages.size(), 1u) << c.name;
    EXPECT_EQ(dialogs->messages[0].icon, QMessageBox::Critical) << c.name;
    EXPECT_EQ(dialogs->messages[0].caption, QStringLiteral("Lumoplot 2003")) << c.name;
    EXPECT_EQ(dialogs->messages[0].text, QString::fromUtf8(c.shown)) << c.name;
    EXPECT_EQ(dialogs->offered[0], QMessageBox::Ok) << c.name;

    QTest::keyClick(MainForm, Qt::Key_F2);
    EXPECT_EQ(dialogs->messages.size(), 2u) << c.name << ": the next command still runs";
    EXPECT_TRUE(MainForm->isVisible()) << c.name;
  }
}

}  // namespace
