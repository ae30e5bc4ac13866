#include <QFile>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextStream>
#include <gtest/gtest.h>
#include <map>
#include <vector>

#include "aboutform.h"
#include "jpegimage.h"
#include "programversion.h"
#include "titleform.h"

namespace {

using Rows = std::vector<std::vector<QString>>;

Rows Cells(const QTableWidget *grid) {
  Rows rows;
  for (int row = 0; row < grid->rowCount(); ++row) {
    rows.emplace_back();
    for (int column = 0; column < grid->columnCount(); ++column) {
      rows.back().push_back(grid->item(row, column) ? grid->item(row, column)->text() : QStringLiteral("<none>"));
    }
  }
  return rows;
}

std::vector<int> ColumnWidths(const QTableWidget *grid) {
  std::vector<int> widths;
  for (int column = 0; column < grid->columnCount(); ++column) widths.push_back(grid->columnWidth(column));
  return widths;
}

const Rows ProgramAndLibrary = {{"Компонент", "Версия", "Дата"},
                                {"Lumoplot 2003", "1.02 final", "27.08.2003"},
                                {"Zeval 2", "1.23 final", "27.08.2003"}};
const Rows People = {{"Разработчик", "Команда Lumoplot"}, {"Бета-тестер", "Группа проверки Lumoplot"}};

void ShowAndClose(TAboutForm &about) {
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  QTest::mouseClick(about.OkButton, Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(AboutFormTest, EveryShowingFillsBothGridsTheSame) {
  TAboutForm about;
  for (int showing = 0; showing < 2; ++showing) {
    ShowAndClose(about);
    EXPECT_EQ(Cells(about.VersionSG), ProgramAndLibrary);
    EXPECT_EQ(Cells(about.AuthorSG), People);
    EXPECT_EQ(ColumnWidths(about.VersionSG), (std::vector<int>{96, 75, 75}));
    EXPECT_EQ(ColumnWidths(about.AuthorSG), (std::vector<int>{77, 170}));
  }
}

TLibraryInformation ReportAnotherLibrary() { return {"Zeval 3", "2.00 beta", "01.02.2004"}; }

TEST(AboutFormTest, TheLibraryRowIsWhatTheLibraryReports) {
  TAboutForm about(nullptr, &ReportAnotherLibrary);
  ShowAndClose(about);
  const Rows rows = Cells(about.VersionSG);
  EXPECT_EQ(rows[1], ProgramAndLibrary[1]);
  EXPECT_EQ(rows[2], (std::vector<QString>{"Zeval 3", "2.00 beta", "01.02.2004"}));
}

TEST(AboutFormTest, GridsOnlyShow) {
  TAboutForm about;
  ShowAndClose(about);
  for (QTableWidget *grid : {about.VersionSG, about.AuthorSG}) {
    EXPECT_EQ(grid->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(grid->showGrid());
    for (int row = 0; row < grid->rowCount(); ++row) {
      EXPECT_EQ(grid->rowHeight(row), 18);
      for (int column = 0; column < grid->columnCount(); ++column) {
        EXPECT_FALSE(grid->item(row, column)->flags() & Qt::ItemIsEditable);
      }
    }
    // All cells are in view: the columns and rows fit the grid.
    const QRect last = grid->visualItemRect(grid->item(grid->rowCount() - 1, grid->columnCount() - 1));
    EXPECT_TRUE(grid->viewport()->rect().contains(last)) << grid->objectName().toStdString();
  }
  EXPECT_EQ(about.VersionSG->geometry(), QRect(108, 76, 252, 60));
  EXPECT_EQ(about.AuthorSG->geometry(), QRect(108, 144, 252, 41));
}

struct FontCase {
  QLabel *TAboutForm::*label;
  const char *family;
  int pixels;
  bool bold, italic;
};

TEST(AboutFormTest, TitlesInTheirFontsAndEveryTextInsideTheBox) {
  TAboutForm about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе"));
  EXPECT_EQ(about.size(), QSize(365, 286));
  EXPECT_EQ(about.Label1->text(), QStringLiteral("Lumoplot 2003"));
  EXPECT_EQ(about.Label2->text(), QStringLiteral("based on Zeval 2"));
  for (const FontCase &c : {FontCase{&TAboutForm::Label1, "Liberation Sans", 32, true, false},
                            FontCase{&TAboutForm::Label2, "Liberation Serif", 19, true, true}}) {
    const QFontInfo font((about.*c.label)->font());
    EXPECT_EQ(font.family(), QString::fromLatin1(c.family));
    EXPECT_EQ(font.pixelSize(), c.pixels);
    EXPECT_EQ(font.bold(), c.bold);
    EXPECT_EQ(font.italic(), c.italic);
  }
  for (QLabel *label : {about.Label1, about.Label2, about.Label5, about.Label6, about.Label7}) {
    EXPECT_FALSE(label->text().isEmpty());
    EXPECT_TRUE(about.rect().contains(label->geometry())) << label->text().toStdString();
    EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
  }
  EXPECT_EQ(about.OkButton->text(), QStringLiteral("ОК"));
  EXPECT_EQ(about.OkButton->geometry(), QRect(296, 256, 65, 25));
}

TEST(AboutFormTest, TheLogoIsTheDecodedPicture) {
  TAboutForm about;
  const QImage logo = TJpegImage::Read(QStringLiteral(":/pictures/logo.jpg"));
  EXPECT_EQ(about.LogoI->geometry(), QRect(8, 8, 90, 270));
  EXPECT_EQ(about.LogoI->pixmap().toImage().convertToFormat(QImage::Format_RGB888), logo);
  EXPECT_EQ(about.Bevel1->geometry(), QRect(4, 4, 98, 278));
}

TEST(TitleFormTest, TheSplashWindowIsItsPicture) {
  TTitleForm title;
  const QImage splash = TJpegImage::Read(QStringLiteral(":/pictures/splash.jpg"));
  EXPECT_EQ(title.size(), QSize(400, 300));
  EXPECT_EQ(title.Image1->geometry(), QRect(0, 0, 400, 300));
  EXPECT_EQ(title.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB888), splash);
  title.ShowAtOnce();
  EXPECT_EQ(title.grab().toImage().convertToFormat(QImage::Format_RGB888), splash);
}

// The desktop entry's keys, from its one group.
std::map<QString, QString> DesktopEntry() {
  QFile file(QStringLiteral(LUMOPLOT_SOURCE_DIR "/app/lumoplot.desktop"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  std::map<QString, QString> keys;
  QTextStream in(&file);
  in.setEncoding(QStringConverter::Utf8);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals > 0 && !line.startsWith(QLatin1Char('#'))) keys[line.left(equals)] = line.mid(equals + 1);
  }
  return keys;
}

TEST(VersionRecordTest, TheDesktopEntryCarriesTheProgramsIdentity) {
  auto keys = DesktopEntry();
  EXPECT_EQ(keys["Type"], QStringLiteral("Application"));
  EXPECT_EQ(keys["Name"], QString::fromLatin1(ProgramName));
  EXPECT_EQ(keys["Comment"], QStringLiteral("Программа для построения графиков произвольных функций"));
  EXPECT_EQ(keys["Comment[ru]"], keys["Comment"]);
  EXPECT_EQ(keys["X-Lumoplot-FileDescription"], QStringLiteral("Исполняемый файл Lumoplot 2003"));
  EXPECT_EQ(keys["X-Lumoplot-ProductVersion"], QString::fromLatin1(ProgramVersion));
  EXPECT_EQ(keys["X-Lumoplot-FileVersion"], QString::fromLatin1(ProgramVersionNumbers));
  EXPECT_EQ(keys["X-Lumoplot-Language"], QStringLiteral("ru"));
  EXPECT_EQ(keys["Exec"], QStringLiteral("lumoplot %f"));
  EXPECT_FALSE(keys["Icon"].isEmpty());
  EXPECT_TRUE(keys["Categories"].endsWith(QLatin1Char(';')));
}

TEST(VersionRecordTest, TheApplicationKnowsItsNameAndVersion) {
  EXPECT_EQ(QCoreApplication::applicationName(), QString::fromLatin1(ProgramName));
  EXPECT_EQ(QCoreApplication::applicationVersion(), QString::fromLatin1(ProgramVersion));
}

}  // namespace
