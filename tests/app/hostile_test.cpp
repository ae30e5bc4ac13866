// Input a careless or hostile user gives: odd text typed or pasted into the
// expression fields, and file names that cannot work.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <random>
#include <stdexcept>
#include <sys/stat.h>

#include "addform.h"
#include "appfixture.h"
#include "calcform.h"
#include "expressionedit.h"
#include "helpviewer.h"
#include "layersform.h"
#include "output.h"
#include "project.h"
#include "layersinstep.h"
#include "projectlayers.h"
#include "projectio.h"

namespace {

// A sum of ones: a valid constant expression of about the length asked for.
QString SumOfOnes(qsizetype length) {
  QString text = QStringLiteral("1");
  text.reserve(length + 2);
  while (text.size() + 2 <= length) text += QStringLiteral("+1");
  return text;
}

// Pastes through the clipboard into a line edit, as a user does.
void Paste(QLineEdit &edit, const QString &text) {
  QApplication::clipboard()->setText(text);
  edit.setFocus();
  edit.selectAll();
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
}

struct TypedCase {
  const char *what;
  QString text;
  QString calculatorShows;  // the start of it
};

std::vector<TypedCase> TypedCases() {
  return {
      {"empty", QString(), QStringLiteral("Ошибка: ")},
      {"embedded NUL", QStringLiteral("1+1") + QChar(0) + QStringLiteral("5"), QStringLiteral("Ошибка: 21")},
      {"control characters", QStringLiteral("\x01\x02\x7f"), QStringLiteral("Ошибка: 21")},
      {"outside Windows-1251", QStringLiteral("1+\U0001F600"), QStringLiteral("Ошибка: 21")},
      {"Cyrillic name", QStringLiteral("синус(1)"), QStringLiteral("Ошибка: ")},
      {"a megabyte", SumOfOnes(1 << 20), TooLongText()},
      {"just short enough", SumOfOnes(kMaxExpressionLength),
       QString::number(SumOfOnes(kMaxExpressionLength).count(u'1'))},
  };
}

TEST_F(AppTest, TheCalculatorAnswersAnyPastedTextWithAValueOrAnError) {
  for (const TypedCase &c : TypedCases()) {
    Paste(*CalcForm->ExpEdit, c.text);
    EXPECT_EQ(CalcForm->ExpEdit->text(), c.text) << c.what;  // nothing cut off
    CalcForm->RunButton->click();
    EXPECT_TRUE(CalcForm->ResLabel->text().startsWith(c.calculatorShows))
        << c.what << ": " << CalcForm->ResLabel->text().toStdString();
  }
}

TEST_F(AppTest, TheNewLayerDialogRefusesBadTextWithAMessageAndAddsNothing) {
  ProjectLayers->Start({-10, 10, -10, 10});
  for (const TypedCase &c : TypedCases()) {
    if (!c.calculatorShows.startsWith(QStringLiteral("Ошибка"))) continue;
    dialogs->messages.clear();
    dialogs->answers.push_back([&](QDialog &) {
      Paste(*AddForm->FuncEdit, c.text);
      return QDialog::Accepted;
    });
    LayersForm->NewButton->click();
    EXPECT_EQ(Project.GraphCount(), 0) << c.what;
    ASSERT_EQ(dialogs->messages.size(), 1u) << c.what;
    EXPECT_TRUE(dialogs->messages[0].text.startsWith(QStringLiteral("Ошибка: "))) << c.what;
    if (c.calculatorShows == TooLongText()) {
      EXPECT_EQ(dialogs->messages[0].text, TooLongText());
    }
    QString why;
    EXPECT_TRUE(LayersInStep(LayersForm->LayersLB, &why)) << c.what << ": " << why.toStdString();
  }
}

TEST_F(AppTest, ALongExpressionIsShownCutButKeptWhole) {
  ProjectLayers->Start({-10, 10, -10, 10});
  QString text = QStringLiteral("x");
  while (text.size() < 5000) text += QStringLiteral("+x");
  QString error;
  ASSERT_TRUE(LayersForm->AddLayer(text, 10, {}, error));
  EXPECT_EQ(Project.Graph(0).Expression, text.toStdString());
  const QString entry = LayersForm->LayersLB->item(0)->text();
  EXPECT_LT(entry.size(), 300);
  EXPECT_TRUE(entry.endsWith(QChar(0x2026)));
  EXPECT_TRUE(text.startsWith(entry.mid(4).chopped(1)));
}

class HostileFileTest : public AppTest {
 protected:
  QString Path(const QString &name) const { return dir_.filePath(name); }
  std::string Name(const QString &name) const { return QFile::encodeName(Path(name)).toStdString(); }
  void MakeFolder(const QString &name) const { ASSERT_TRUE(QDir(dir_.path()).mkpath(name)); }
  void MakeFile(const QString &name) const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }

 private:
  QTemporaryDir dir_;
};

struct FileCase {
  const char *what;
  std::function<void(const std::string &)> command;
  const char *name;
  const char *error;
};

TEST_F(HostileFileTest, EveryFileCommandReportsANameThatCannotWork) {
  MakeFolder("folder.lpp");
  MakeFolder("folder.bmp");
  MakeFolder("folder.txt");
  MakeFile("plain.lpp");
  const std::vector<bool> ticked;
  ASSERT_EQ(mkfifo(Name("pipe.lpp").c_str(), 0600), 0);
  const FileCase cases[] = {
      {"open a pipe", [](const std::string &name) { OpenProject(name); }, "pipe.lpp", "File access denied"},
      {"open a folder", [](const std::string &name) { OpenProject(name); }, "folder.lpp", "File access denied"},
      {"open a missing file", [](const std::string &name) { OpenProject(name); }, "missing.lpp", "File not found"},
      {"open below a file", [](const std::string &name) { OpenProject(name); }, "plain.lpp/p.lpp", "Invalid filename"},
      {"save over a folder", [](const std::string &name) { SaveProject(name); }, "folder.lpp", "File access denied"},
      {"save below a file", [](const std::string &name) { SaveProject(name); }, "plain.lpp/p.lpp", "Invalid filename"},
      {"values over a folder", [&](const std::string &name) { WriteValuesFile(name, ticked); }, "folder.txt",
       "File access denied"},
      {"picture over a folder", [&](const std::string &name) { WritePictureFile(name, ticked); }, "folder.bmp",
       "File access denied"},
  };
  for (const FileCase &c : cases) {
    try {
      c.command(Name(QString::fromUtf8(c.name)));
      ADD_FAILURE() << c.what;
    } catch (const std::exception &error) {
      EXPECT_STREQ(error.what(), c.error) << c.what;
    }
    EXPECT_TRUE(QFileInfo(Path("folder.lpp")).isDir());
  }
  // A folder no one may write to, even the administrator.
  try {
    SaveProject("/sys/lumoplot-test");
    ADD_FAILURE();
  } catch (const std::exception &error) {
    EXPECT_STREQ(error.what(), "File access denied");
  }
}

TEST_F(HostileFileTest, TheErrorReachesTheUserThroughTheOpenCommand) {
  MakeFolder("folder.lpp");
  const QString folder = Path("folder.lpp");
  dialogs->answers.push_back([&](QDialog &dialog) {
    static_cast<QFileDialog &>(dialog).selectFile(folder);
    return QDialog::Accepted;
  });
  QTest::mouseClick(MainForm->MainTB->widgetForAction(MainForm->OpenButton), Qt::LeftButton);
  ASSERT_FALSE(dialogs->messages.empty());
  EXPECT_EQ(dialogs->messages.back().text, QStringLiteral("File access denied."));
}

TEST_F(HostileFileTest, NamesInAnyAlphabetSaveAndOpen) {
  MakeFolder(QStringLiteral("Проекты ü"));
  ProjectLayers->Start({-10, 10, -10, 10});
  QString error;
  ASSERT_TRUE(LayersForm->AddLayer(QStringLiteral("sin(x)"), 100, {0x0000FF, 2}, error));
  const std::string name = Name(QStringLiteral("Проекты ü/график №1"));
  SaveProject(name);
  EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("Проекты ü/график №1.lpp"))));
  WriteValuesFile(name, {true});
  WritePictureFile(name, {true});
  ProjectLayers->Clear();
  OpenProject(name);
  ASSERT_EQ(Project.GraphCount(), 1);
  EXPECT_EQ(Project.Graph(0).Expression, "sin(x)");
  EXPECT_EQ(QDir(Path(QStringLiteral("Проекты ü"))).entryList(QDir::Files).size(), 3);
}

// Sample projects with lines replaced by garbage, cut short or with bytes
// flipped: each load either succeeds or stops with a message, and whatever it
// leaves has the panels and the charts in step with the project.
TEST_F(HostileFileTest, DamagedProjectsLeaveTheWindowsInStep) {
  QFile sample(QStringLiteral(LUMOPLOT_SOURCE_DIR "/Samples/styled.lpp"));
  ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
  const QByteArray original = sample.readAll();
  std::mt19937 random(11);
  const QByteArray garbage[] = {"", "-", "1e99999", "$FFFFFFFFF", "0x", "\xff\xfe\x00\x01", "clNone", "-0", "9999999"};
  for (int round = 0; round < 60; ++round) {
    QList<QByteArray> lines = original.split('\n');
    const auto line = [&] { return static_cast<qsizetype>(random() % lines.size()); };
    switch (round % 3) {
      case 0:
        lines[line()] = garbage[random() % std::size(garbage)];
        break;
      case 1:
        lines = lines.mid(0, line());
        break;
      default: {
        QByteArray &bytes = lines[line()];
        if (!bytes.isEmpty()) bytes[random() % bytes.size()] = static_cast<char>(random());
      }
    }
    const QString name = Path(QStringLiteral("damaged%1.lpp").arg(round));
    QFile damaged(name);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(lines.join('\n'));
    damaged.close();
    try {
      OpenProject(QFile::encodeName(name).toStdString());
    } catch (const std::exception &) {
    }
    QString why;
    ASSERT_TRUE(LayersInStep(LayersForm->LayersLB, &why)) << round << ": " << why.toStdString();
  }
}

TEST_F(AppTest, AMissingHelpFileIsSaidInTheHelpWindow) {
  SetHelpFile(QStringLiteral("/no/such/Help/Lumoplot.hlp"));
  ShowHelpContext(80);
  EXPECT_TRUE(HelpViewer().Text().startsWith(QStringLiteral("Не удаётся открыть файл справки")));
  EXPECT_TRUE(HelpViewer().isVisible());
  SetTitleAndHelpFile();
}

}  // namespace
