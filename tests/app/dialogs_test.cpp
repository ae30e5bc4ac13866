// The dialogs as a person meets them: every caption whole, Enter where it
// confirms, centred on the desktop, the save dialogs' folders, the picture
// preview and the lists' rows.
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "aboutform.h"
#include "addform.h"
#include "appfixture.h"
#include "calcform.h"
#include "calcoptform.h"
#include "fieldform.h"
#include "layersform.h"
#include "layersoptform.h"
#include "newform.h"
#include "optionsform.h"
#include "picturedialog.h"
#include "project.h"
#include "projectlayers.h"
#include "scaleform.h"
#include "scaleoptform.h"
#include "selfuncform.h"
#include "zoomform.h"

namespace {

std::vector<QDialog *> EveryDialog() {
  return {NewForm,          AddForm,   ScaleOptForm, LayersOptForm,       CalcOptForm,         ZoomForm,
          OptionsForm,      AboutForm, SelFuncForm,  MainForm->ProjectSD, MainForm->ProjectOD, MainForm->PictureSD,
          MainForm->TableSD};
}

// The least width that shows a control's caption whole: its text in its font
// and the margins the style draws around that kind of control.
int TextWidth(const QWidget &control) {
  const QStyle &style = *control.style();
  const auto metric = [&](QStyle::PixelMetric m) { return style.pixelMetric(m, nullptr, &control); };
  const auto advance = [&](const QString &text) {
    return control.fontMetrics().size(Qt::TextShowMnemonic, text).width();
  };
  if (const auto *button = qobject_cast<const QPushButton *>(&control))
    return advance(button->text()) + metric(QStyle::PM_ButtonMargin) + 2 * metric(QStyle::PM_DefaultFrameWidth);
  if (const auto *box = qobject_cast<const QCheckBox *>(&control))
    return advance(box->text()) + metric(QStyle::PM_IndicatorWidth) + metric(QStyle::PM_CheckBoxLabelSpacing);
  if (const auto *radio = qobject_cast<const QRadioButton *>(&control))
    return advance(radio->text()) + metric(QStyle::PM_ExclusiveIndicatorWidth) +
           metric(QStyle::PM_RadioButtonLabelSpacing);
  if (const auto *label = qobject_cast<const QLabel *>(&control))
    return label->text().isEmpty() ? 0 : advance(label->text()) + 2 * (label->margin() + label->frameWidth());
  return 0;
}

// Every button, check box, radio button and label of every dialog is as wide
// as its caption, inside its window, and no other control covers the caption.
TEST_F(AppTest, EveryDialogShowsItsCaptionsWhole) {
  for (QDialog *dialog : EveryDialog()) {
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    for (QWidget *control : dialog->findChildren<QWidget *>()) {
      const int needed = TextWidth(*control);
      if (needed == 0 || !control->isVisible() || control->window() != dialog) continue;
      const std::string what =
          (dialog->windowTitle() + QStringLiteral(": ") + control->property("text").toString()).toStdString();
      EXPECT_GE(control->width(), needed) << what;
      const QRect caption(control->pos(), QSize(needed, control->height()));
      EXPECT_TRUE(control->parentWidget()->rect().contains(caption)) << what;
      for (QObject *object : control->parentWidget()->children()) {
        const auto *other = qobject_cast<QWidget *>(object);
        if (other == nullptr || other == control || !other->isVisible() || other->isWindow()) continue;
        EXPECT_FALSE(caption.intersects(other->geometry())) << what << " under " << other->metaObject()->className();
      }
    }
    dialog->hide();
  }
}

// The layers list and the function-selection list both draw rows 16 pixels
// high, as designed.
TEST_F(AppTest, ListRowsAreSixteenPixelsHigh) {
  ProjectLayers->Start({-10, 10, -10, 10});
  QString error;
  for (const char *expression : {"sin(x)", "x^2"})
    ASSERT_TRUE(LayersForm->AddLayer(QString::fromLatin1(expression), 100, {}, error));
  SelFuncForm->Prepare(QStringLiteral("Сохранение графиков"), TSelFuncForm::TOutput::Picture);
  SelFuncForm->show();
  for (QListWidget *list : {LayersForm->LayersLB, SelFuncForm->FuncCLB})
    for (int row = 0; row < list->count(); ++row) EXPECT_EQ(list->visualItemRect(list->item(row)).height(), 16);
  SelFuncForm->hide();
}

bool IsField(const QWidget &control) {
  return qobject_cast<const QAbstractSpinBox *>(&control) ||
         (qobject_cast<const QLineEdit *>(&control) && !qobject_cast<QAbstractSpinBox *>(control.parentWidget()));
}

// A caption left of the control in its row.
bool HasLabelBeside(const QWidget &control) {
  for (const QLabel *label : control.parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
    if (!label->text().isEmpty() && label->isVisibleTo(control.window()) && label->x() < control.x() &&
        label->y() <= control.geometry().bottom() && control.y() <= label->geometry().bottom())
      return true;
  return false;
}

bool IsSomeLabelsBuddy(const QWidget &control) {
  for (const QLabel *label : control.parentWidget()->findChildren<QLabel *>())
    if (label->buddy() == &control) return true;
  return false;
}

// Every tool button, spin field and input field of the panels and dialogs
// has a name a screen reader can say, and a field with a caption beside it is
// the buddy of a label, so the keyboard reaches it from its caption.
TEST_F(AppTest, EveryControlHasAnAccessibleNameAndEveryCaptionedFieldALabel) {
  std::vector<QWidget *> windows{MainForm, FieldForm, ScaleForm, LayersForm, CalcForm};
  for (QDialog *dialog : EveryDialog()) windows.push_back(dialog);
  int fields = 0, captioned = 0;
  for (QWidget *window : windows) {
    for (QWidget *control : window->findChildren<QWidget *>()) {
      const bool field = IsField(*control);
      if (control->window() != window || !control->isVisibleTo(window) ||
          !(field || qobject_cast<QToolButton *>(control)))
        continue;
      const std::string what = (window->windowTitle() + QStringLiteral(": ") + control->metaObject()->className() +
                                QLatin1Char(' ') + control->objectName() + QLatin1Char(' ') + control->toolTip())
                                   .toStdString();
      EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty()) << what;
      fields += field;
      if (!field || !HasLabelBeside(*control)) continue;
      ++captioned;
      EXPECT_TRUE(IsSomeLabelsBuddy(*control)) << what;
    }
  }
  // The dialogs' spin fields and edits, all but the calculator's, have captions.
  EXPECT_GE(captioned, 10);
  EXPECT_GT(fields, captioned);
}

struct SelectionCase {
  QAction *TMainForm::*command;
  bool offersCopy;
};

// The function selection dialog of the values commands, and only theirs,
// copies the values of the layers ticked in it, staying open.
TEST_F(AppTest, TheValuesCommandsSelectionDialogCopiesTheTickedLayersValues) {
  ProjectLayers->Start({-1, 1, -1, 1});
  QString error;
  for (const char *expression : {"x", "ln(x)"})
    ASSERT_TRUE(LayersForm->AddLayer(QString::fromLatin1(expression), 10, {}, error));
  ProjectLayers->SetVisible(1, false);
  const SelectionCase cases[] = {{&TMainForm::SaveTButton, true},
                                 {&TMainForm::PrintTButton, true},
                                 {&TMainForm::SavePButton, false},
                                 {&TMainForm::PrintPButton, false}};
  for (const SelectionCase &c : cases) {
    const std::string what = (MainForm->*c.command)->toolTip().toStdString();
    QGuiApplication::clipboard()->clear();
    bool offered = false, stayedOpen = false;
    dialogs->answers.push_back([&](QDialog &dialog) {
      dialog.show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog)) << what;
      offered = SelFuncForm->CopyButton->isVisible();
      if (offered) {
        SelFuncForm->FuncCLB->item(0)->setCheckState(Qt::Unchecked);
        SelFuncForm->FuncCLB->item(1)->setCheckState(Qt::Checked);
        QTest::mouseClick(SelFuncForm->CopyButton, Qt::LeftButton);
        stayedOpen = dialog.isVisible();
      }
      dialog.hide();
      return QDialog::Rejected;
    });
    QTest::mouseClick(MainForm->MainTB->widgetForAction(MainForm->*c.command), Qt::LeftButton);
    EXPECT_EQ(offered, c.offersCopy) << what;
    EXPECT_EQ(stayedOpen, c.offersCopy) << what;
    const QStringList rows = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!c.offersCopy) {
      EXPECT_TRUE(rows.isEmpty()) << what;
      continue;
    }
    // The header and ten samples of the second layer alone, ln(-1) failing.
    ASSERT_EQ(rows.size(), 11) << what;
    EXPECT_EQ(rows[0], QStringLiteral("X\tf(x)=ln(x)")) << what;
    EXPECT_EQ(rows[1], QStringLiteral("-1") + QLocale().decimalPoint() + QStringLiteral("00000\tОшибка: 33")) << what;
  }
}

// The picture command's name rule: ".bmp" is added unless the name has it
// anywhere, case-sensitively.
TEST_F(AppTest, TheSavePictureCommandAddsBmpUnlessTheNameHasIt) {
  QTemporaryDir folder;
  const std::pair<const char *, const char *> names[] = {
      {"graph", "graph.bmp"}, {"graph.BMP", "graph.BMP.bmp"}, {"graph.bmp.old", "graph.bmp.old"}};
  for (const auto &[chosen, written] : names) {
    dialogs->answers.push_back([](QDialog &) { return QDialog::Accepted; });
    dialogs->answers.push_back([&, chosen = chosen](QDialog &dialog) {
      static_cast<QFileDialog &>(dialog).selectFile(folder.filePath(QString::fromLatin1(chosen)));
      return QDialog::Accepted;
    });
    QTest::mouseClick(MainForm->MainTB->widgetForAction(MainForm->SavePButton), Qt::LeftButton);
    EXPECT_TRUE(QImage(folder.filePath(QString::fromLatin1(written)), "BMP").width() > 0) << chosen;
  }
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);
}

struct EnterCase {
  const char *name;
  QDialog *(*dialog)();
  bool closes;
};

// Shown through the program's own way of showing dialogs, each dialog stands in
// the middle of the desktop; Enter in it confirms it, except in the two layer
// dialogs, which only their buttons close.
TEST_F(AppTest, DialogsOpenCentredAndEnterConfirmsThemWhereItClosesThem) {
  const EnterCase cases[] = {
      {"bounds", []() -> QDialog * { return NewForm; }, true},
      {"exact zoom", []() -> QDialog * { return ZoomForm; }, true},
      {"navigator options", []() -> QDialog * { return ScaleOptForm; }, true},
      {"display options", []() -> QDialog * { return OptionsForm; }, true},
      {"calculator options", []() -> QDialog * { return CalcOptForm; }, true},
      {"function selection", []() -> QDialog * { return SelFuncForm; }, true},
      {"about", []() -> QDialog * { return AboutForm; }, true},
      {"new layer", []() -> QDialog * { return AddForm; }, false},
      {"layer options", []() -> QDialog * { return LayersOptForm; }, false},
  };
  const QRect desktop = MainForm->screen()->availableGeometry();
  // A frame away from the middle, so that centred over it is not centred on the desktop.
  MainForm->showNormal();
  MainForm->setGeometry(QRect(desktop.topLeft(), desktop.size() / 3));
  const QPoint desktopCentre = desktop.center();
  for (const EnterCase &c : cases) {
    QDialog *dialog = c.dialog();
    QPoint centre;
    bool stayedOpen = false;
    QTimer::singleShot(0, dialog, [&] {
      EXPECT_TRUE(QTest::qWaitForWindowActive(dialog)) << c.name;
      centre = dialog->frameGeometry().center();
      QTest::keyClick(dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog, Qt::Key_Return);
      stayedOpen = dialog->isVisible();
      if (stayedOpen) dialog->reject();
    });
    const int result = dialogs->TDialogs::Exec(*dialog);
    EXPECT_LE((centre - desktopCentre).manhattanLength(), 2) << c.name;
    EXPECT_EQ(stayedOpen, !c.closes) << c.name;
    EXPECT_EQ(result, c.closes ? QDialog::Accepted : QDialog::Rejected) << c.name;
  }
}

// Only the project dialogs start in "Samples"; the picture and values dialogs
// have no folder of their own and open in the current one.
TEST(SaveAndOpenDialogsTest, OnlyTheProjectDialogsStartInSamples) {
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Samples")));
  const QString previous = QDir::currentPath();
  QDir::setCurrent(folder.path());
  TMainForm frame;
  QDir::setCurrent(previous);
  const QString samples = folder.filePath(QStringLiteral("Samples"));
  const std::pair<QFileDialog *, QString> dialogs[] = {{frame.ProjectSD, samples},
                                                       {frame.ProjectOD, samples},
                                                       {frame.PictureSD, folder.path()},
                                                       {frame.TableSD, folder.path()}};
  for (const auto &[dialog, expected] : dialogs)
    EXPECT_EQ(dialog->directory().absolutePath(), expected) << dialog->windowTitle().toStdString();
}

// The row of a file in a file dialog's list, once the list has read its folder.
QModelIndex RowOf(const QListView &files, const QString &name) {
  const QAbstractItemModel &model = *files.model();
  for (int row = 0; row < model.rowCount(files.rootIndex()); ++row) {
    const QModelIndex index = model.index(row, 0, files.rootIndex());
    if (index.data().toString() == name) return index;
  }
  return {};
}

// The picture dialog shows the picture the user clicks beside the files.
TEST(PictureDialogTest, PreviewsTheClickedPicture) {
  QTemporaryDir folder;
  QImage picture(40, 20, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("red.bmp"))));
  TMainForm frame;
  TPictureDialog &dialog = *frame.PictureSD;
  dialog.setDirectory(folder.path());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_TRUE(dialog.Preview->isVisible());
  auto *files = dialog.findChild<QListView *>(QStringLiteral("listView"));
  QModelIndex red;
  ASSERT_TRUE(QTest::qWaitFor([&] { return (red = RowOf(*files, QStringLiteral("red.bmp"))).isValid(); }));
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(red).center());
  ASSERT_FALSE(dialog.Preview->pixmap().isNull());
  const QImage shown = dialog.Preview->pixmap().toImage();
  EXPECT_EQ(shown.pixelColor(shown.rect().center()), QColor(Qt::red));
  dialog.hide();
}

}  // namespace
