#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sys/stat.h>

#include "appfixture.h"
#include "calcform.h"
#include "calcoptform.h"
#include "chart.h"
#include "colorvalue.h"
#include "fieldform.h"
#include "intspinedit.h"
#include "layersform.h"
#include "optionsform.h"
#include "project.h"
#include "layersinstep.h"
#include "pdfpages.h"
#include "projectlayers.h"
#include "projectio.h"
#include "rectangleseries.h"
#include "scaleform.h"

namespace {

QByteArray ReadAll(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ProjectFileTest : public AppTest {
 protected:
  QString Path(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }
  std::string Name(const char *name) const { return Path(name).toStdString(); }

  void Write(const char *name, const QByteArray &bytes) const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QByteArray Read(const char *name) const { return ReadAll(Path(name)); }

  // Two layers, the second hidden, in a started project.
  void MakeProject() {
    ProjectLayers->Start({-10, 10, -5, 5});
    QString error;
    ASSERT_TRUE(LayersForm->AddLayer("sin(x)", 100, {0x0000FF, 2}, error));
    ASSERT_TRUE(LayersForm->AddLayer("x^2", 50, {0x0080FF, 3}, error));
    LayersForm->LayersLB->item(1)->setSelected(true);
    LayersForm->VisButton->click();
  }

  void ExpectInStep() {
    QString why;
    EXPECT_TRUE(LayersInStep(LayersForm->LayersLB, &why)) << why.toStdString();
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
  SaveProject(Name("test"));
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
  ApplyDisplaySettings(OptionsForm->Settings());
  ScaleForm->SetFrameSettings({5, 0xFF000000 + 15});
  CalcForm->CalcDigits = 3;
  SaveProject(Name("round.lpp"));
  ProjectLayers->Clear();
  OptionsForm->GridCB->setChecked(true);
  OpenProject(Name("round"));
  ASSERT_EQ(Project.GraphCount(), 2);
  EXPECT_EQ(Project.Bounds(), (TBounds{-10, 10, -5, 5}));
  EXPECT_FALSE(Project.Graph(1).Visible);
  EXPECT_EQ(LayersForm->LayersLB->item(1)->text(), "[-] x^2");
  EXPECT_EQ(FieldForm->FC->SeriesAt(1)->Width(), 3);
  EXPECT_EQ(FieldForm->FC->GridColor(ChartAxis::Bottom), QColor(Qt::green));
  EXPECT_FALSE(FieldForm->FC->IsGridShown(ChartAxis::Left));
  EXPECT_FALSE(OptionsForm->GridCB->isChecked());
  EXPECT_EQ(ScaleForm->Frame()->Width(), 5);
  EXPECT_EQ(CalcOptForm->PrecSE->Value(), 3);
  EXPECT_TRUE(FieldForm->FC->IsZoomEnabled());
  EXPECT_TRUE(ScaleForm->ZoomButton->isEnabled());
  ExpectInStep();
  SaveProject(Name("again.lpp"));
  EXPECT_EQ(Read("again.lpp"), Read("round.lpp"));
  EXPECT_TRUE(Read("round.lpp").contains("\r\nclBtnFace\r\n"));
}

// The messages are the hostile file tests'; here, that nothing changes.
TEST_F(ProjectFileTest, AFileThatCannotBeReadChangesNothing) {
  MakeProject();
  ASSERT_TRUE(QDir(Path("")).mkdir(QStringLiteral("folder.lpp")));
  EXPECT_THROW(OpenProject(Name("folder.lpp")), std::exception);
  EXPECT_EQ(Project.GraphCount(), 2);
  ExpectInStep();
}

// What a broken value leaves is a project the windows show in step: the
// settings and layers read before it.
TEST_F(ProjectFileTest, ABrokenValueEndsTheLoadKeepingWhatCameBefore) {
  const QByteArray head =
      "1\r\n1\r\nclBlack\r\nclGray\r\nclBlack\r\nclWhite\r\nclWhite\r\n2\r\nclBlue\r\n8\r\n18\r\n2\r\n"
      "-10\r\n-10\r\n10\r\n10\r\n3\r\n";
  const std::pair<QByteArray, int> files[] = {
      {head + "x\r\n100\r\n1\r\nclRed\r\n1\r\nx^2\r\nabc\r\n", 1},
      {head + "x\r\n100\r\n1\r\nbogus\r\n1\r\n", 0},
      {"1\r\n0\r\nclRed\r\nbogus\r\n", -1},
  };
  for (const auto &[bytes, layers] : files) {
    MakeProject();
    Write("broken.lpp", bytes);
    EXPECT_THROW(OpenProject(Name("broken.lpp")), std::exception);
    EXPECT_EQ(Project.GraphCount(), std::max(layers, 0));
    EXPECT_EQ(Project.Bounds(), layers < 0 ? TBounds() : TBounds({-10, 10, -10, 10}));
    EXPECT_EQ(FieldForm->FC->IsGridShown(ChartAxis::Left), layers >= 0);
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
  OpenProject(Name("odd"));
  EXPECT_EQ(CalcOptForm->FormatRG->checkedId(), 1);
  EXPECT_EQ(CalcForm->CalcFormat, 3);
  EXPECT_EQ(Project.GraphCount(), 2);
  EXPECT_EQ(Project.Graph(0).ErrorCode, 11);
  EXPECT_FALSE(Project.HasBounds());
  EXPECT_EQ(FieldForm->FC->AxisLineColor(ChartAxis::Left), QColor(Qt::red));
  EXPECT_EQ(FieldForm->FC->Minimum(ChartAxis::Bottom), 0);
  EXPECT_EQ(FieldForm->FC->Maximum(ChartAxis::Bottom), 0);
  ExpectInStep();
  dialogs->answers.clear();
  QTest::mouseClick(LayersForm->NewButton, Qt::LeftButton);
  EXPECT_EQ(dialogs->dialogsShown.back(), "Границы");
}

// Values no dialog would let through, each in an otherwise sound file: they
// load as they stand, the windows show them pulled into what they can show,
// and saving gives the very same file back.
TEST_F(ProjectFileTest, ValuesOutOfEveryRangeLoadAndSaveAsTheyStand) {
  const auto file = [](const char *frameWidth, const char *digits, const char *precision, const char *bounds,
                       const char *pointCount, const char *layerWidth) {
    return QByteArray("1\r\n1\r\nclBlack\r\nclGray\r\nclBlack\r\nclWhite\r\nclWhite\r\n") + frameWidth +
           "\r\nclBlue\r\n" + digits + "\r\n" + precision + "\r\n2\r\n" + bounds + "1\r\nsin(x)\r\n" + pointCount +
           "\r\n1\r\nclRed\r\n" + layerWidth + "\r\n";
  };
  const char *sound =
      "-1.00000000000000E+0001\r\n-1.00000000000000E+0001\r\n 1.00000000000000E+0001\r\n"
      " 1.00000000000000E+0001\r\n";
  const QByteArray files[] = {
      file("2147483647", "8", "18", sound, "100", "2147483647"),
      file("-2147483648", "-2147483648", "-2147483648", sound, "-5", "-2147483648"),
      file("0", "2147483647", "2147483647", sound, "0", "0"),
      file("2", "8", "18",
           " 1.00000000000000E+0001\r\n 1.00000000000000E+0001\r\n-1.00000000000000E+0001\r\n"
           "-1.00000000000000E+0001\r\n",
           "100", "2"),
      file("2", "8", "18",
           "-1.00000000000000E+4932\r\n-1.00000000000000E+0100\r\n 1.00000000000000E+4932\r\n"
           " 1.00000000000000E+0100\r\n",
           "100", "2"),
      file("2", "8", "18",
           " 2.50000000000000E-4000\r\n-7.30000000000000E+4500\r\n 2.50000000000000E-4000\r\n"
           " 5.00000000000000E+0000\r\n",
           "100", "2"),
      file("2", "8", "18",
           " 5.00000000000000E+0000\r\n 5.00000000000000E+0000\r\n 5.00000000000000E+0000\r\n"
           " 5.00000000000000E+0000\r\n",
           "100", "2"),
  };
  for (const QByteArray &bytes : files) {
    SCOPED_TRACE(bytes.toStdString());
    Write("hostile.lpp", bytes);
    OpenProject(Name("hostile"));
    EXPECT_EQ(Project.GraphCount(), 1);
    ExpectInStep();
    for (Chart *chart : {FieldForm->FC, ScaleForm->SC})
      for (ChartAxis axis : {ChartAxis::Bottom, ChartAxis::Left}) {
        EXPECT_TRUE(std::isfinite(chart->Minimum(axis)) && std::isfinite(chart->Maximum(axis)));
        EXPECT_LT(chart->Minimum(axis), chart->Maximum(axis));
      }
    for (int i = 0; i < FieldForm->FC->SeriesCount(); ++i) {
      EXPECT_GE(FieldForm->FC->SeriesAt(i)->Width(), 1);
      EXPECT_LE(FieldForm->FC->SeriesAt(i)->Width(), 4);
    }
    EXPECT_FALSE(FieldForm->FC->ToImage().isNull());
    CalcForm->ExpEdit->setText("1/3");
    CalcForm->RunButton->click();
    EXPECT_LT(CalcForm->ResLabel->text().size(), 30);
    SaveProject(Name("back.lpp"));
    EXPECT_EQ(Read("back.lpp"), bytes);
  }
}

TEST_F(ProjectFileTest, AFailedSaveReportsTheErrorAndLeavesNothingBehind) {
  try {
    SaveProject(Name("no/such/folder/p"));
    ADD_FAILURE();
  } catch (const std::exception &error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
  EXPECT_TRUE(QDir(Path("")).entryList(QDir::Files).isEmpty());
}

const QString kPolynomials = QString(LUMOPLOT_SOURCE_DIR) + "/Samples/polynomials.lpp";

TEST(BatchTest, WritesTheRequestedOutputsWithoutWindows) {
  QTemporaryDir dir;
  // Also outside a desktop session, which has no runtime folder: nothing is printed.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  const TBatchRun run = RunBatch({"--values", dir.filePath("v.txt"), "--picture", dir.filePath("p.bmp"), "--size",
                                  "320x200", "--save-project", dir.filePath("s.lpp"), kPolynomials},
                                 environment);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.errors, QByteArray());
  EXPECT_EQ(QImage(dir.filePath("p.bmp")).size(), QSize(320, 200));
  EXPECT_TRUE(ReadAll(dir.filePath("v.txt")).startsWith("f(x)=x^2"));
  const QByteArray original = ReadAll(kPolynomials);
  ASSERT_FALSE(original.isEmpty());
  EXPECT_EQ(ReadAll(dir.filePath("s.lpp")), original);

  const TBatchRun help = RunBatch({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.output.contains("--values"));
}

struct RefusedCase {
  QStringList options;  // before the project
  const char *project;  // in the test's folder, or the sample when empty
  const char *said;
};

// Each request that cannot be carried out ends with status 1, says why and
// writes nothing.
TEST(BatchTest, RefusedRequestsSayWhyAndWriteNothing) {
  QTemporaryDir dir;
  // A pipe named as the project is refused at once instead of waiting for a writer.
  ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe.lpp")).constData(), 0600), 0);
  const QString values = dir.filePath("w.txt"), picture = dir.filePath("w.png");
  const RefusedCase cases[] = {
      {{"--values", values}, "missing.lpp", "File not found"},
      {{"--values", values}, "pipe.lpp", "File access denied"},
      {{"--size", "big", "--png", picture}, "", "размер \"big\""},
      // A mistyped option gets the usage, not windows.
      {{"--valeus", values}, "", "--valeus"},
      {{"--dpi", "0", "--png", picture}, "", "разрешение \"0\""},
      {{"--dpi", "2400", "--size", "801x600", "--png", picture}, "", "шире или выше 20000"},
      {{"--view", "1,1,-2,2", "--png", picture}, "", "область \"1,1,-2,2\" не задана"},
      {{"--view", "0,1,-2", "--png", picture}, "", "область \"0,1,-2\" не задана"},
      {{"--view", "0,6,-2,2", "--values", values, "--png", picture},
       "",
       "область 0,6,-2,2 выходит за границы проекта: X от -5 до 5, Y от -10 до 10"},
      {{"--view", "-1,1,-11,2", "--png", picture}, "", "выходит за границы проекта"},
  };
  for (const RefusedCase &c : cases) {
    const QString project = *c.project ? dir.filePath(QString::fromUtf8(c.project)) : kPolynomials;
    const TBatchRun run = RunBatch(c.options + QStringList{project});
    EXPECT_EQ(run.exitCode, 1) << c.said;
    EXPECT_TRUE(QString::fromUtf8(run.errors).contains(QString::fromUtf8(c.said)))
        << c.said << ": " << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(values) || QFile::exists(picture)) << c.said;
  }
}

QStringList SvgTexts(const QString &svg) {
  static const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
  QStringList texts;
  for (const QRegularExpressionMatch &m : text.globalMatch(svg)) texts << m.captured(1);
  return texts;
}

// The most points of a line drawn in the colour.
int LongestSvgLine(const QString &svg, const QString &colour) {
  static const QRegularExpression line(
      QStringLiteral("<g [^>]*stroke=\"(#[0-9a-f]{6})\"[^>]*>\\s*<polyline[^>]* points=\"([^\"]*)\""));
  qsizetype longest = 0;
  for (const QRegularExpressionMatch &m : line.globalMatch(svg))
    if (m.captured(1) == colour)
      longest = std::max(longest, m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
  return static_cast<int>(longest);
}

int PixelsOf(const QImage &image, QColor colour, int width) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < width; ++x) count += image.pixelColor(x, y) == colour;
  return count;
}

struct PictureCase {
  QStringList options;
  const char *file;
  std::function<void(const QString &path)> check;
};

// Each picture option writes the chart of the sample (320 x 200 pixels on
// screen, its legend in the right half, x^2 in red) under the very name given.
TEST(BatchTest, WritesEachPictureFormatUnderTheNameGiven) {
  QTemporaryDir dir;
  const PictureCase cases[] = {
      {{"--picture"},
       "x.png",
       [](const QString &path) {
         const QByteArray bytes = ReadAll(path);
         EXPECT_TRUE(bytes.startsWith("BM"));
         EXPECT_EQ(QImage::fromData(bytes, "BMP").size(), QSize(320, 200));
       }},
      {{"--dpi", "192", "--png"},
       "p.png",
       [](const QString &path) {
         const QImage picture = QImage::fromData(ReadAll(path), "PNG");
         EXPECT_EQ(picture.size(), QSize(640, 400));
         EXPECT_EQ(qRound(picture.dotsPerMeterX() * 0.0254), 192);
         // The curve, left of the legend.
         EXPECT_GT(PixelsOf(picture, Qt::red, picture.width() / 3), 200);
       }},
      {{"--view", "0,2,-1,3", "--svg"},
       "v.svg",
       [](const QString &path) {
         const QString svg = QString::fromUtf8(ReadAll(path));
         EXPECT_TRUE(svg.contains(QStringLiteral("viewBox=\"0 0 320 200\"")));
         EXPECT_GT(LongestSvgLine(svg, QStringLiteral("#ff0000")), 20);
         const QStringList texts = SvgTexts(svg);
         for (const char *label : {"x^2", "-1", "0", "2", "3"}) EXPECT_TRUE(texts.contains(label)) << label;
         // Labels of the whole region are out of view.
         for (const char *label : {"-10", "-4", "4"}) EXPECT_FALSE(texts.contains(label)) << label;
       }},
      {{"--dpi", "300", "--pdf"},
       "p.pdf",
       [](const QString &path) {
         EXPECT_TRUE(ReadAll(path).startsWith("%PDF"));
         const std::vector<TPdfPage> pages = PdfPages(path);
         ASSERT_EQ(pages.size(), 1u);
         EXPECT_EQ(pages[0].size, QSizeF(240, 150));  // points, at 96 pixels an inch
         QStringList words;
         for (const TPdfWord &word : pages[0].words) words << word.text;
         for (const char *label : {"x^2", "-10", "0", "10", "4"}) EXPECT_TRUE(words.contains(label)) << label;
       }},
  };
  for (const PictureCase &c : cases) {
    const QString path = dir.filePath(QString::fromUtf8(c.file));
    const TBatchRun run = RunBatch(c.options + QStringList{path, "--size", "320x200", kPolynomials});
    EXPECT_EQ(run.exitCode, 0) << c.file << ": " << run.errors.toStdString();
    SCOPED_TRACE(c.file);
    c.check(path);
  }
}

// Names that are not UTF-8 are the bytes of the files meant, read and written
// as such; values and project alone need no windows and print nothing.
TEST(BatchTest, NamesAreTheBytesGiven) {
  QTemporaryDir dir;
  const std::string folder = QFile::encodeName(dir.path()).toStdString();
  QFile::copy(QString(LUMOPLOT_SOURCE_DIR) + "/Samples/polynomials.lpp", dir.filePath("plain.lpp"));
  ASSERT_EQ(std::rename((folder + "/plain.lpp").c_str(), (folder + "/bad\xff\xfe.lpp").c_str()), 0);
  setenv("LUMOPLOT", (QCoreApplication::applicationDirPath() + "/lumoplot").toLocal8Bit().constData(), 1);
  setenv("FOLDER", folder.c_str(), 1);
  const int status = std::system(
      "cd \"$FOLDER\" && \"$LUMOPLOT\" --values \"$(printf 'out\\377.txt')\" "
      "--save-project \"$(printf 'again\\376.lpp')\" \"$(printf 'bad\\377\\376.lpp')\" 2>err.txt");
  EXPECT_EQ(status, 0);
  std::ifstream values(folder + "/out\xff.txt"), again(folder + "/again\xfe.lpp"), errors(folder + "/err.txt");
  EXPECT_TRUE(values.good());
  EXPECT_TRUE(again.good());
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(errors), {}), "");
}

}  // namespace
