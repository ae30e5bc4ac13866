#include "aboutform.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <initializer_list>

#include "cp1251.h"
#include "dialoglayout.h"
#include "picturelabel.h"
#include "programversion.h"

TAboutForm *AboutForm = nullptr;

namespace {

constexpr int kRowHeight = 18;

// Stand-ins for the fonts of the box's design, with the same metrics.
const QString SansFamily = QStringLiteral("Liberation Sans");    // for "Tahoma"
const QString SerifFamily = QStringLiteral("Liberation Serif");  // for "Times New Roman"

QFont PixelFont(const QString &family, int pixels, bool bold, bool italic = false) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QLabel *Label(QWidget *parent, const QString &text, QPoint at) {
  auto *label = new QLabel(text, parent);
  label->move(at);
  label->adjustSize();
  return label;
}

// A grid of text cells that only shows: no editing, no selection, no focus,
// no scroll bars, lines between all cells.
QTableWidget *Grid(QWidget *parent, int columns, int rows, QRect at) {
  auto *grid = new QTableWidget(rows, columns, parent);
  grid->setGeometry(at);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid->setShowGrid(true);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setFocusPolicy(Qt::NoFocus);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  return grid;
}

void SetColumnWidths(QTableWidget *grid, std::initializer_list<int> widths) {
  int column = 0;
  for (int width : widths) grid->setColumnWidth(column++, width);
}

// A fixed cell is drawn like a button face, as the headings of a grid are.
void SetCell(QTableWidget *grid, int column, int row, const QString &text, bool fixed = false) {
  auto *cell = new QTableWidgetItem(text);
  cell->setFlags(Qt::ItemIsEnabled);
  if (fixed) cell->setBackground(grid->palette().button());
  grid->setItem(row, column, cell);
}

// The library's strings are 8-bit text in the program's code page.
QString LibraryText(const std::string &text) { return QString::fromStdString(Cp1251ToUtf8(text)); }

}  // namespace

TAboutForm::TAboutForm(QWidget *parent, TInformationSource information) : QDialog(parent), information_(information) {
  SetUpDialog(*this, QStringLiteral("О программе"), QSize(365, 286));
  CreateLogo();
  CreateTitles();
  CreateGrids();
  CreateNotices();
  CreateButton();
  FitCaptions(*this);
}

void TAboutForm::CreateLogo() {
  Bevel1 = new QFrame(this);
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Bevel1->setGeometry(4, 4, 98, 278);
  LogoI = new QLabel(this);
  LogoI->setObjectName(QStringLiteral("LogoI"));
  LogoI->move(8, 8);
  ShowPicture(LogoI, QStringLiteral(":/pictures/logo.jpg"), QSize(90, 270));
}

void TAboutForm::CreateTitles() {
  Label1 = new QLabel(QString::fromLatin1(ProgramName), this);
  Label1->setFont(PixelFont(SansFamily, 32, true));
  QPalette black = Label1->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  Label1->setPalette(black);
  Label1->move(107, 0);
  Label1->adjustSize();
  Label2 = new QLabel(QStringLiteral("based on Zeval 2"), this);
  Label2->setFont(PixelFont(SerifFamily, 19, true, true));
  Label2->move(228, 40);
  Label2->adjustSize();
}

void TAboutForm::CreateGrids() {
  VersionSG = Grid(this, 3, 3, {108, 76, 252, 60});
  VersionSG->setObjectName(QStringLiteral("VersionSG"));
  AuthorSG = Grid(this, 2, 2, {108, 144, 252, 41});
  AuthorSG->setObjectName(QStringLiteral("AuthorSG"));
}

void TAboutForm::CreateNotices() {
  Label5 = Label(this, QStringLiteral("© 2003 Команда Lumoplot"), {112, 196});
  Label6 = Label(this, QStringLiteral("www.lumoplot.test"), {248, 212});
  Label7 = Label(this, QStringLiteral("lp@lumoplot.test"), {272, 228});
  Bevel2 = new QFrame(this);
  Bevel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel2->setGeometry(108, 248, 253, 2);
}

void TAboutForm::CreateButton() {
  OkButton = new QPushButton(QStringLiteral("ОК"), this);
  OkButton->setObjectName(QStringLiteral("OkButton"));
  OkButton->setGeometry(296, 256, 65, 25);
  OkButton->setDefault(true);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutForm::showEvent(QShowEvent *event) {
  FormShow();
  QDialog::showEvent(event);
}

// Everything is set anew on each showing; nothing carries over.
void TAboutForm::FormShow() {
  FillVersions();
  FillAuthors();
}

void TAboutForm::FillVersions() {
  SetColumnWidths(VersionSG, {96, 75, 75});
  const QString heading[] = {QStringLiteral("Компонент"), QStringLiteral("Версия"), QStringLiteral("Дата")};
  const QString program[] = {QString::fromLatin1(ProgramName), QString::fromLatin1(ProgramVersion),
                             QString::fromLatin1(ProgramDate)};
  const TLibraryInformation information = information_();
  const QString library[] = {LibraryText(information.Name), LibraryText(information.Version),
                             LibraryText(information.Date)};
  for (int column = 0; column < 3; ++column) {
    SetCell(VersionSG, column, 0, heading[column], true);
    SetCell(VersionSG, column, 1, program[column]);
    SetCell(VersionSG, column, 2, library[column]);
  }
}

void TAboutForm::FillAuthors() {
  SetColumnWidths(AuthorSG, {77, 170});
  SetCell(AuthorSG, 0, 0, QStringLiteral("Разработчик"), true);
  SetCell(AuthorSG, 0, 1, QStringLiteral("Бета-тестер"), true);
  SetCell(AuthorSG, 1, 0, QStringLiteral("Команда Lumoplot"));
  SetCell(AuthorSG, 1, 1, QStringLiteral("Группа проверки Lumoplot"));
}
