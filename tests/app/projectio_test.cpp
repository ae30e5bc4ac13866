#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>

#include "appfixture.h"
#include "calcform.h"
#include "calcoptform.h"
#include "chart.h"
#include "fieldform.h"
#include "intspinedit.h"
#include "layersform.h"
#include "optionsform.h"
#include "project.h"
#include "projectcharts.h"
#include "projectio.h"
#include "rectangleseries.h"
#include "scaleform.h"

namespace {

class ProjectFileTest : public AppTest {
 protected:
  QString Path(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }

  void Write(const char *name, const QByteArray &bytes) const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QByteArray Read(const char *name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Two layers, the second hidden, in a started project.
  void MakeProject() {
    Project.SetBounds({-10, 10, -5, 5});
    StartProjectCharts();
    unsigned char code = 0;
    ASSERT_TRUE(LayersForm->AddLayer("sin(x)", 100, Qt::red, 2, code));
    ASSERT_TRUE(LayersForm->AddLayer("x^2", 50, QColor(255, 128, 0), 3, code));
    LayersForm->LayersLB->item(1)->setSelected(true);
    LayersForm->VisButton->click();
  }

  void ExpectInStep() {
    QString why;
    EXPECT_TRUE(LayersForm->MatchesProject(&why)) << why.toStdString();
  }

 private:
  QTemporaryDir dir_;
};

QList<QByteArray> Lines(const QByteArray &bytes) {
  QList<QByteArray> lines = bytes.split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QByteArray &line : lines) {
    EXPECT_TRUE(line.endsWith('\r'));
    line.chop(1);
  }
  return lines;
}

TEST_F(ProjectFileTest, SavesSeventeenLinesAndFivePerLayer) {
  MakeProject();
  SaveProject(Path("test"));
  const QList<QByteArray> lines = Lines(Read("test.lpp"));
  ASSERT_EQ(lines.size(), 27);
  EXPECT_EQ(lines[0], "1");
  EXPECT_EQ(lines[7], "2");
  EXPECT_EQ(lines[8], "clBlue");
  EXPECT_EQ(lines.mid(9, 3), (QList<QByteArray>{"8", "18", "2"}));
  EXPECT_EQ(lines.mid(12, 4), (QList<QByteArray>{"-1.00000000000000E+0001", "-5.00000000000000E+0000",
                                                 " 1.00000000000000E+0001", " 5.00000000000000E+0000"}));
  EXPECT_EQ(lines[16], "2");
  EXPECT_EQ(lines.mid(17, 5), (QList<QByteArray>{"sin(x)", "100", "1", "clRed", "2"}));
  EXPECT_EQ(lines.mid(22, 5), (QList<QByteArray>{"x^2", "50", "0", "$000080FF", "3"}));
}

TEST_F(ProjectFileTest, OpeningRestoresWhatWasSaved) {
  MakeProject();
  OptionsForm->GridCD->setCurrentColor(Qt::green);
  OptionsForm->GridCB->setChecked(false);
  ApplyDisplayOptions();
  ScaleForm->Frame()->setWidth(5);
  CalcForm->CalcDigits = 3;
  SaveProject(Path("round.lpp"));
  ClearProject();
  OptionsForm->GridCB->setChecked(true);
  OpenProject(Path("round"));
  ASSERT_EQ(Project.GraphCount(), 2);
  EXPECT_EQ(Project.Bounds(), (TBounds{-10, 10, -5, 5}));
  EXPECT_FALSE(Project.Graph(1).Visible);
  EXPECT_EQ(LayersForm->LayersLB->item(1)->text(), "[-] x^2");
  EXPECT_EQ(FieldForm->FC->series(1)->width(), 3);
  EXPECT_EQ(FieldForm->FC->gridColor(ChartAxis::Bottom), QColor(Qt::green));
  EXPECT_FALSE(FieldForm->FC->isGridShown(ChartAxis::Left));
  EXPECT_FALSE(OptionsForm->GridCB->isChecked());
  EXPECT_EQ(ScaleForm->Frame()->width(), 5);
  EXPECT_EQ(CalcOptForm->PrecSE->Value(), 3);
  EXPECT_TRUE(FieldForm->FC->isZoomEnabled());
  EXPECT_TRUE(ScaleForm->ZoomButton->isEnabled());
  ExpectInStep();
  SaveProject(Path("again.lpp"));
  EXPECT_EQ(Read("again.lpp"), Read("round.lpp"));
}

TEST_F(ProjectFileTest, AFileThatCannotBeReadChangesNothing) {
  MakeProject();
  for (const char *name : {"missing.lpp", "."}) {
    try {
      OpenProject(Path(name));
      ADD_FAILURE() << name;
    } catch (const std::exception &error) {
      EXPECT_STRNE(error.what(), "") << name;
    }
    EXPECT_EQ(Project.GraphCount(), 2);
    ExpectInStep();
  }
  try {
    OpenProject(Path("missing.lpp"));
  } catch (const std::exception &error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
}

struct BrokenCase {
  const char *name;
  QByteArray bytes;
  const char *error;
  int layersLoaded;
};

TEST_F(ProjectFileTest, ABrokenValueEndsTheLoadKeepingWhatCameBefore) {
  const QByteArray head =
      "1\r\n1\r\nclBlack\r\nclGray\r\nclBlack\r\nclWhite\r\nclWhite\r\n2\r\nclBlue\r\n8\r\n18\r\n2\r\n"
      "-10\r\n-10\r\n10\r\n10\r\n3\r\n";
  const BrokenCase cases[] = {
      {"number.lpp", head + "x\r\n100\r\n1\r\nclRed\r\n1\r\nx^2\r\nabc\r\n", "Invalid numeric input", 1},
      {"colour.lpp", head + "x\r\n100\r\n1\r\nbogus\r\n1\r\n", "'bogus' is not a valid integer value", 0},
      {"short.lpp", head + "x\r\n100\r\n1\r\nclRed\r\n1\r\n", "'' is not a valid integer value", 1},
      {"huge.lpp", head + "x\r\n2000000000\r\n1\r\nclRed\r\n1\r\n", "Invalid numeric input", 0},
  };
  for (const BrokenCase &c : cases) {
    Write(c.name, c.bytes);
    try {
      OpenProject(Path(c.name));
      ADD_FAILURE() << c.name;
    } catch (const std::exception &error) {
      EXPECT_STREQ(error.what(), c.error) << c.name;
    }
    EXPECT_EQ(Project.GraphCount(), c.layersLoaded) << c.name;
    EXPECT_EQ(Project.Bounds(), (TBounds{-10, 10, -10, 10}));
    ExpectInStep();
  }
}

TEST_F(ProjectFileTest, OddValuesLoadAsDescribed) {
  // Format 3 leaves the radio group alone; a rejected expression loads as an
  // empty layer; a count of 1 gives an empty layer too; bounds all 0 make a
  // project that asks for bounds again.
  CalcOptForm->FormatRG->button(1)->setChecked(true);
  Write("odd.lpp",
        "0\n1\nCLRED\n255\n$FF\nclWhite\nclWhite\n9\nclRed\n8\n18\n3\n0\n0\n0\n0\n2\n"
        "a)+b\n100\n1\nclRed\n1\nx\n1\n1\nclRed\n1\n");
  OpenProject(Path("odd"));
  EXPECT_EQ(CalcOptForm->FormatRG->checkedId(), 1);
  EXPECT_EQ(CalcForm->CalcFormat, 3);
  EXPECT_EQ(Project.GraphCount(), 2);
  EXPECT_EQ(Project.Graph(0).ErrorCode, 11);
  EXPECT_FALSE(Project.HasBounds());
  EXPECT_EQ(FieldForm->FC->axisLineColor(ChartAxis::Left), QColor(Qt::red));
  ExpectInStep();
  dialogs->answers.clear();
  QTest::mouseClick(LayersForm->NewButton, Qt::LeftButton);
  EXPECT_EQ(dialogs->dialogsShown.back(), "Границы");
}

// Values no dialog would let through, each in an otherwise sound file.
TEST_F(ProjectFileTest, ValuesOutOfEveryRangeLoadIntoAUsableProject) {
  const auto file = [](const char *frameWidth, const char *digits, const char *precision, const char *bounds,
                       const char *pointCount, const char *layerWidth) {
    return QByteArray("1\n1\nclBlack\nclGray\nclBlack\nclWhite\nclWhite\n") + frameWidth + "\nclBlue\n" + digits +
           "\n" + precision + "\n2\n" + bounds + "1\nsin(x)\n" + pointCount + "\n1\nclRed\n" + layerWidth + "\n";
  };
  const char *sound = "-10\n-10\n10\n10\n";
  // Widths, counts and calculator settings out of range load and are pulled
  // into range where they are used; reversed bounds are put in order; a region
  // no chart can show ends the load there.
  const struct {
    QByteArray bytes;
    bool loads;
  } files[] = {
      {file("2147483647", "8", "18", sound, "100", "2147483647"), true},
      {file("-2147483648", "-2147483648", "-2147483648", sound, "-5", "-2147483648"), true},
      {file("0", "2147483647", "2147483647", sound, "0", "0"), true},
      {file("2", "8", "18", "10\n10\n-10\n-10\n", "100", "2"), true},
      {file("2", "8", "18", "-1e200\n-1e-200\n1e200\n1e-200\n", "1000", "2"), true},
      {file("2", "8", "18", "-1e4932\n-1e4932\n1e4932\n1e4932\n", "100", "2"), false},
      {file("2", "8", "18", "-1e-4940\n-1e-4940\n1e-4940\n1e-4940\n", "100", "2"), false},
      {file("2", "8", "18", "5\n5\n5\n5\n", "100", "2"), false},
      {file("2", "8", "18", "-1e300\n-10\n1e300\n10\n", "1000", "2"), false},
  };
  for (const auto &[bytes, loads] : files) {
    SCOPED_TRACE(bytes.toStdString());
    Write("hostile.lpp", bytes);
    try {
      OpenProject(Path("hostile"));
      EXPECT_TRUE(loads);
    } catch (const std::exception &error) {
      EXPECT_FALSE(loads);
      EXPECT_STREQ(error.what(), "Invalid numeric input");
    }
    EXPECT_EQ(Project.GraphCount(), loads ? 1 : 0);
    ExpectInStep();
    const TBounds &b = Project.Bounds();
    if (Project.HasBounds()) {
      EXPECT_TRUE(IsShowable(b));
      EXPECT_EQ(b, Ordered(b));
      EXPECT_DOUBLE_EQ(FieldForm->FC->minimum(ChartAxis::Bottom), static_cast<double>(b.MinX));
      EXPECT_DOUBLE_EQ(FieldForm->FC->maximum(ChartAxis::Left), static_cast<double>(b.MaxY));
    }
    for (int i = 0; i < FieldForm->FC->seriesCount(); ++i) {
      EXPECT_GE(FieldForm->FC->series(i)->width(), 1);
      EXPECT_LE(FieldForm->FC->series(i)->width(), 4);
    }
    EXPECT_FALSE(FieldForm->FC->toImage().isNull());
    EXPECT_FALSE(ScaleForm->SC->toImage().isNull());
    CalcForm->ExpEdit->setText("1/3");
    CalcForm->RunButton->click();
    EXPECT_LT(CalcForm->ResLabel->text().size(), 30);
  }
}

TEST_F(ProjectFileTest, AFailedSaveReportsTheErrorAndLeavesNothingBehind) {
  try {
    SaveProject(Path("no/such/folder/p"));
    ADD_FAILURE();
  } catch (const std::exception &error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
  EXPECT_TRUE(QDir(Path("")).entryList(QDir::Files).isEmpty());
}

// The batch options, run as a process the way a script would.
TEST(BatchTest, WritesTheRequestedOutputsWithoutWindows) {
  QTemporaryDir dir;
  const QString program = QCoreApplication::applicationDirPath() + "/lumoplot";
  const QString sample = QString(LUMOPLOT_SOURCE_DIR) + "/Samples/polynomials.lpp";
  QProcess process;
  // Also outside a desktop session, which has no runtime folder: nothing is printed.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  process.setProcessEnvironment(environment);
  process.start(program, {"--values", dir.filePath("v.txt"), "--picture", dir.filePath("p.bmp"), "--size", "320x200",
                          "--save-project", dir.filePath("s.lpp"), sample});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(process.readAllStandardError(), QByteArray());
  EXPECT_EQ(QImage(dir.filePath("p.bmp")).size(), QSize(320, 200));
  QFile values(dir.filePath("v.txt"));
  ASSERT_TRUE(values.open(QIODevice::ReadOnly));
  EXPECT_TRUE(values.readLine().startsWith("f(x)=x^2"));
  QFile saved(dir.filePath("s.lpp")), original(sample);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), original.readAll());

  process.start(program, {"--values", dir.filePath("w.txt"), dir.filePath("missing.lpp")});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_TRUE(process.readAllStandardError().contains("File not found"));
  process.start(program, {"--size", "big", sample});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 1);
  // A mistyped option gets the usage, not windows.
  process.start(program, {"--valeus", dir.filePath("w.txt"), sample});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_TRUE(process.readAllStandardError().contains("--valeus"));
  process.start(program, {"--help"});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(process.readAllStandardOutput().contains("--values"));
}

}  // namespace
