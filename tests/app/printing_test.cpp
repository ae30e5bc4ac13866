#include <QDialog>
#include <QPrinter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>

#include "appfixture.h"
#include "chart.h"
#include "cupsqueue.h"
#include "fieldform.h"
#include "layersform.h"
#include "output.h"
#include "pdfpages.h"
#include "project.h"
#include "projectio.h"
#include "projectlayers.h"

namespace {

// Printing through CUPS on its PDF printer, made the default printer of this
// process and of the programs it starts. Skipped, saying why, only where the
// printing service cannot be started.
class CupsPrintTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    const QString unavailable = TPdfQueue::Unavailable();
    if (!unavailable.isEmpty()) GTEST_SKIP() << "nothing printed through CUPS: " << unavailable.toStdString();
    setenv("LPDEST", TPdfQueue::Name, 1);
    MakeProject();
  }

  void TearDown() override {
    unsetenv("LPDEST");
    AppTest::TearDown();
  }

  // Two layers whose values take two pages.
  void MakeProject() {
    ProjectLayers->Start({-10, 10, -5, 5});
    QString error;
    ASSERT_TRUE(LayersForm->AddLayer("sin(x)", 60, {0x0000FF, 2}, error));
    ASSERT_TRUE(LayersForm->AddLayer("x^2/10", 12, {0x008000, 3}, error));
  }

  // A printout of the program's own print code on a PDF file whose pages are
  // laid out as the default printer's.
  QString Layout(const char *name, const std::function<void(QPrinter &)> &print) {
    const auto printer = DefaultPrinter(QStringLiteral("layout"));
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath(name));
    pdf.setResolution(printer->resolution());
    pdf.setPageLayout(printer->pageLayout());
    print(pdf);
    return dir.filePath(name);
  }

  QString ValuesLayout() {
    return Layout("values.pdf", [](QPrinter &pdf) { PrintValuesTable(pdf, {&Project.Graph(0), &Project.Graph(1)}); });
  }

  QString ChartLayout() {
    return Layout("chart.pdf", [](QPrinter &pdf) { PrintPicture(pdf, {true, true}); });
  }

  // The program run as a batch on the project, with the given environment.
  TBatchRun Batch(const QStringList &options, const QProcessEnvironment &environment) {
    SaveProject(QFile::encodeName(dir.filePath("project.lpp")).toStdString());
    return RunBatch(options + QStringList{dir.filePath("project.lpp")}, environment);
  }

  QTemporaryDir dir;
};

// The one job that arrived after the given one came out as laid out: as many
// pages, each looking the same but for antialiasing. CUPS turns the text into
// bitmap glyphs and rounds the page to whole points, so the pages are compared
// at 100 dots per inch seen at a third of that.
void ExpectPrintedAsLaidOut(int last, const QString &layout, const std::string &what) {
  const std::vector<int> jobs = TPdfQueue::JobsAfter(last);
  ASSERT_EQ(jobs.size(), 1u) << what;
  ASSERT_TRUE(TPdfQueue::Completed(jobs[0])) << what << ": job " << jobs[0];
  const QString printed = TPdfQueue::Output(jobs[0]);
  ASSERT_FALSE(printed.isEmpty()) << what << ": no file of job " << jobs[0];
  const std::vector<QImage> got = PdfPictures(printed, 100), wanted = PdfPictures(layout, 100);
  QFile::remove(printed);  // the test's own printout, not kept in the owner's folder
  ASSERT_EQ(got.size(), wanted.size()) << what;
  for (std::size_t i = 0; i < got.size(); ++i) {
    const QSize common = got[i].size().boundedTo(wanted[i].size());
    const QSize extra = got[i].size() + wanted[i].size() - 2 * common;
    ASSERT_LE(extra.width() + extra.height(), 2) << what << ": pages of other sizes";
    const auto third = [common](const QImage &page) {
      return page.copy(QRect(QPoint(), common)).scaled(common / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const TMismatch mismatch = Mismatch(third(got[i]), third(wanted[i]));
    EXPECT_EQ(mismatch.count, 0) << what << ", page " << i + 1 << ": " << testing::PrintToString(mismatch);
  }
}

TEST_F(CupsPrintTest, MenuCommandsPrintOneJobEachAsLaidOut) {
  const QString values = ValuesLayout(), chart = ChartLayout();
  ASSERT_EQ(PdfPageCount(values), 2) << "the table turns a page";
  ASSERT_EQ(PdfPageCount(chart), 1);
  for (auto [item, layout] : {std::pair{MainForm->PrintTButton, values}, std::pair{MainForm->PrintPButton, chart}}) {
    const int last = TPdfQueue::LastJob();
    dialogs->answers.push_back([](QDialog &) { return QDialog::Accepted; });
    ChooseFromMenu(MainForm->N16, item);
    EXPECT_TRUE(dialogs->messages.empty()) << item->text().toStdString();
    ExpectPrintedAsLaidOut(last, layout, item->text().toStdString());
  }
}

TEST_F(CupsPrintTest, BatchOptionsPrintOneJobEachAsLaidOut) {
  const QString values = ValuesLayout(), chart = ChartLayout();
  const QSize size = FieldForm->FC->size();
  const QString sizeOption = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
  for (auto [options, layout] : {std::pair{QStringList{"--print-values"}, values},
                                 std::pair{QStringList{"--print-picture", "--size", sizeOption}, chart}}) {
    const int last = TPdfQueue::LastJob();
    const TBatchRun run = Batch(options, QProcessEnvironment::systemEnvironment());
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ExpectPrintedAsLaidOut(last, layout, options[0].toStdString());
  }
}

// Errors of the printing service end the command in the general error box;
// the layers keep their visibility and no job arrives.
TEST_F(CupsPrintTest, WithNoDefaultPrinterTheErrorBoxSaysSo) {
  ProjectLayers->SetVisible(1, false);
  setenv("LPDEST", "lumoplot-no-such-printer", 1);
  const int last = TPdfQueue::LastJob();
  for (QAction *item : {MainForm->PrintTButton, MainForm->PrintPButton}) {
    dialogs->messages.clear();
    dialogs->answers.push_back([](QDialog &) { return QDialog::Accepted; });
    ChooseFromMenu(MainForm->N16, item);
    ASSERT_EQ(dialogs->messages.size(), 1u) << item->text().toStdString();
    EXPECT_EQ(dialogs->messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Не выбран принтер по умолчанию."));
    EXPECT_TRUE(FieldForm->FC->SeriesAt(0)->IsShown());
    EXPECT_FALSE(FieldForm->FC->SeriesAt(1)->IsShown());
  }
  EXPECT_TRUE(TPdfQueue::JobsAfter(last).empty());
}

struct RefusalCase {
  const char *variable, *value;  // of the environment, naming the printing service or the default printer
  QStringList commands;          // that put the test's printer in its state
  const char *said;
};

// Each reason a batch run cannot print, with a printer of the test's own for
// the states of a printer that refuses jobs.
TEST_F(CupsPrintTest, BatchSaysWhyItCannotPrint) {
  const QString refusing = QStringLiteral("lumoplot-test-refusing");
  ASSERT_EQ(TPdfQueue::Add(refusing), 0);
  const RefusalCase cases[] = {
      {"CUPS_SERVER", "/nonexistent/cups.sock", {}, "Служба печати CUPS недоступна (/nonexistent/cups.sock)"},
      {"LPDEST", "lumoplot-no-such-printer", {}, "Не выбран принтер по умолчанию"},
      {"LPDEST", "lumoplot-test-refusing", {"cupsdisable"}, "Принтер по умолчанию «lumoplot-test-refusing» остановлен"},
      {"LPDEST",
       "lumoplot-test-refusing",
       {"cupsenable", "cupsreject"},
       "Принтер по умолчанию «lumoplot-test-refusing» не принимает задания"},
  };
  const int last = TPdfQueue::LastJob();
  for (const RefusalCase &c : cases) {
    for (const QString &command : c.commands) EXPECT_EQ(TPdfQueue::Run(command, {refusing}), 0) << c.said;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(c.variable, c.value);
    const TBatchRun run = Batch({"--print-values", "--print-picture"}, environment);
    EXPECT_EQ(run.exitCode, 1) << c.said;
    EXPECT_TRUE(run.errors.endsWith(QByteArray("lumoplot: ") + c.said + "\n"))
        << c.said << ": " << run.errors.toStdString();
  }
  TPdfQueue::Run("lpadmin", {"-x", refusing});
  EXPECT_TRUE(TPdfQueue::JobsAfter(last).empty());
}

}  // namespace
