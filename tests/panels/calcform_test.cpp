#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "calcform.h"
#include "calcoptform.h"
#include "decimaltext.h"
#include "helpviewer.h"
#include "intspinedit.h"
#include "scripteddialogs.h"
#include "viewfixture.h"

namespace {

// The calculator and its options dialog, fresh for each test, under a locale
// whose decimal mark is a comma; the dialog is answered by a script.
class CalcFormTest : public testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    auto scripted = std::make_unique<TScriptedDialogs>();
    dialogs = scripted.get();
    previous_ = SetDialogs(std::move(scripted));
    calc_ = std::make_unique<TCalcForm>(nullptr);
    calcOpt_ = std::make_unique<TCalcOptForm>();
    CalcForm = calc_.get();
    CalcOptForm = calcOpt_.get();
    CalcForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(CalcForm));
  }

  void TearDown() override {
    CalcForm = nullptr;
    CalcOptForm = nullptr;
    SetDialogs(std::move(previous_));
    QLocale::setDefault(QLocale::c());
  }

  // Replaces the expression by typing it key by key, as the user does; QTest
  // names keys only for ASCII, so other characters come as the text of a key.
  void Type(const QString &text) {
    CalcForm->ExpEdit->clear();
    for (const QChar c : text) {
      if (c.unicode() < 128)
        QTest::keyClick(CalcForm->ExpEdit, c.toLatin1());
      else
        QTest::sendKeyEvent(QTest::Click, CalcForm->ExpEdit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  QString ResultOfEnter(const QString &text) {
    Type(text);
    CalcForm->ResLabel->clear();
    QTest::keyClick(CalcForm->ExpEdit, Qt::Key_Return);
    return CalcForm->ResLabel->text();
  }

  QString ResultOfButton(const QString &text) {
    Type(text);
    CalcForm->ResLabel->clear();
    QTest::mouseClick(CalcForm->RunButton, Qt::LeftButton);
    return CalcForm->ResLabel->text();
  }

  // Answers the options dialog: fills it in, then presses one of its buttons.
  void AnswerOptions(std::function<void()> fill, QPushButton *TCalcOptForm::*button) {
    dialogs->answers.push_back([fill, button](QDialog &dialog) {
      fill();
      QTest::mouseClick(CalcOptForm->*button, Qt::LeftButton);
      return dialog.result();
    });
  }

  void SetOptions(const char *decimals, const char *total, int format) {
    AnswerOptions(
        [=] {
          TypeInto(CalcOptForm->PrecSE, decimals);
          TypeInto(CalcOptForm->DigitsSE, total);
          CalcOptForm->FormatRG->button(format)->click();
        },
        &TCalcOptForm::OkButton);
    QTest::mouseClick(CalcForm->OptButton, Qt::LeftButton);
  }

  TScriptedDialogs *dialogs = nullptr;

 private:
  std::unique_ptr<TDialogs> previous_;
  std::unique_ptr<TCalcForm> calc_;
  std::unique_ptr<TCalcOptForm> calcOpt_;
};

struct ExpressionCase {
  const char *typed;
  const char *shown;
};

TEST_F(CalcFormTest, EnterAndTheButtonShowTheValueOrTheCode) {
  for (const ExpressionCase &c :
       {ExpressionCase{"2+2", "4,00000000"}, ExpressionCase{"1/3", "0,33333333"}, ExpressionCase{"2/3", "0,66666667"},
        ExpressionCase{"pi", "3,14159265"}, ExpressionCase{"10^20", "1E20"}, ExpressionCase{"0-7/2", "-3,50000000"},
        ExpressionCase{"1,5 + 2.25", "3,75000000"}, ExpressionCase{"SQRT(16)", "4,00000000"},
        ExpressionCase{"x", "Ошибка: 12"}, ExpressionCase{"1/0", "Ошибка: 32"}, ExpressionCase{"2x", "Ошибка: 23"},
        ExpressionCase{"", "Ошибка: 24"}, ExpressionCase{"a)+b", "Ошибка: 11"},
        ExpressionCase{"sqrt(0-1)", "Ошибка: 34"}, ExpressionCase{"ln(0)", "Ошибка: 33"},
        ExpressionCase{"exp(12000)", "Ошибка: 41"}, ExpressionCase{"sin x", "Ошибка: 25"},
        ExpressionCase{"(1+2", "Ошибка: 22"},
        // Windows-1251 holds Cyrillic letters, but only ASCII has a meaning;
        // a character the code page cannot hold at all is rejected alike.
        ExpressionCase{"2+а", "Ошибка: 21"}, ExpressionCase{"π", "Ошибка: 21"}, ExpressionCase{"2×3", "Ошибка: 21"}}) {
    EXPECT_EQ(ResultOfEnter(QString::fromUtf8(c.typed)), QString::fromUtf8(c.shown)) << c.typed;
    EXPECT_EQ(ResultOfButton(QString::fromUtf8(c.typed)), QString::fromUtf8(c.shown)) << c.typed;
    EXPECT_EQ(CalcForm->ExpEdit->text(), QString::fromUtf8(c.typed)) << "the text stays in the edit";
  }
}

struct OptionsCase {
  const char *decimals, *total;
  int format;
  const char *typed, *shown;
  int calcDigits, calcPrecision, calcFormat;
};

TEST_F(CalcFormTest, OkAppliesTheDialogsControls) {
  for (const OptionsCase &c : {OptionsCase{"8", "18", 1, "1234,5", "1,23450000000000000E+3", 8, 18, 1},
                               OptionsCase{"3", "18", 1, "1234,5", "1,23450000000000000E+003", 3, 18, 1},
                               OptionsCase{"8", "4", 0, "123,456", "123,50000000", 8, 4, 2},
                               OptionsCase{"0", "0", 0, "123,456", "1,2E2", 0, 0, 2},
                               OptionsCase{"20", "30", 0, "1/3", "0,33333333333333", 14, 18, 2},
                               OptionsCase{"2", "5", 1, "0-1/8", "-1,2500E-01", 2, 5, 1}}) {
    SetOptions(c.decimals, c.total, c.format);
    EXPECT_EQ(CalcForm->CalcDigits, c.calcDigits);
    EXPECT_EQ(CalcForm->CalcPrecision, c.calcPrecision);
    EXPECT_EQ(CalcForm->CalcFormat, c.calcFormat);
    EXPECT_EQ(ResultOfEnter(QString::fromUtf8(c.typed)), QString::fromUtf8(c.shown)) << c.typed;
  }
  EXPECT_EQ(dialogs->dialogsShown.back(), QStringLiteral("Настройки"));
}

TEST_F(CalcFormTest, CancelKeepsTheSettingsButTheDialogKeepsWhatWasLeftInIt) {
  AnswerOptions(
      [] {
        TypeInto(CalcOptForm->PrecSE, "3");
        CalcOptForm->FormatRG->button(1)->click();
      },
      &TCalcOptForm::CancelButton);
  QTest::mouseClick(CalcForm->OptButton, Qt::LeftButton);
  EXPECT_EQ(ResultOfEnter(QStringLiteral("2+2")), QStringLiteral("4,00000000"));

  int shownDecimals = -1, shownFormat = -1;
  AnswerOptions(
      [&] {
        shownDecimals = CalcOptForm->PrecSE->Value();
        shownFormat = CalcOptForm->FormatRG->checkedId();
      },
      &TCalcOptForm::OkButton);
  QTest::mouseClick(CalcForm->OptButton, Qt::LeftButton);
  EXPECT_EQ(shownDecimals, 3);
  EXPECT_EQ(shownFormat, 1);
  EXPECT_EQ(ResultOfEnter(QStringLiteral("2+2")), QStringLiteral("4,00000000000000000E+000"));
}

// Pixels of the result label's last columns that are not its white background.
int InkInRightColumns(QLabel *label, int columns) {
  const QImage image = label->grab().toImage();
  int ink = 0;
  for (int x = image.width() - columns; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) ink += image.pixelColor(x, y).lightness() < 160 ? 1 : 0;
  }
  return ink;
}

TEST_F(CalcFormTest, ALongResultIsCutAtTheLabelsEdge) {
  SetOptions("8", "18", 1);
  // Halving is exact, so the value is known: 26 characters, wider than the label.
  const QString shown = ResultOfEnter(QStringLiteral("0-2^(0-13000)"));
  EXPECT_EQ(shown.toStdString(), CalcResultText(-std::ldexp(1.0L, -13000), 1, 18, 8, ","));
  EXPECT_EQ(shown.size(), 26);
  EXPECT_EQ(CalcForm->ResLabel->size(), QSize(147, 18));
  EXPECT_GT(InkInRightColumns(CalcForm->ResLabel, 6), 0) << "the text runs up to the edge";
  ResultOfEnter(QStringLiteral("x"));
  EXPECT_EQ(CalcForm->ResLabel->size(), QSize(147, 18));
  EXPECT_EQ(InkInRightColumns(CalcForm->ResLabel, 30), 0) << "a short text leaves the label white at its end";
}

struct CopyCase {
  const char *where;
  std::function<QWidget *()> prepare;  // makes any selection; the widget that has the focus
  std::function<QString()> copied;
};

// Ctrl+C copies the result as shown wherever the panel has the focus, except
// that a selection in the edit or, made with the mouse, in the result is what
// gets copied; with no result the clipboard keeps what it had.
TEST_F(CalcFormTest, CtrlCCopiesTheResultUnlessSomethingIsSelected) {
  QClipboard &clipboard = *QGuiApplication::clipboard();
  const auto shown = [] { return CalcForm->ResLabel->text(); };
  const CopyCase cases[] = {
      {"the edit", [] { return CalcForm->ExpEdit; }, shown},
      {"the edit with a selection",
       [] {
         CalcForm->ExpEdit->selectAll();
         return CalcForm->ExpEdit;
       },
       [] { return QStringLiteral("2/3"); }},
      {"a button", [] { return CalcForm->RunButton; }, shown},
      {"a part of the result",
       [] {
         QLabel *label = CalcForm->ResLabel;
         const QPoint end(label->fontMetrics().horizontalAdvance(QStringLiteral("0,66")), 9);
         QTest::mousePress(label, Qt::LeftButton, {}, QPoint(0, 9));
         QTest::mouseMove(label, end);
         QTest::mouseRelease(label, Qt::LeftButton, {}, end);
         return label;
       },
       [] { return QStringLiteral("0,66"); }},
      {"no result",
       [] {
         CalcForm->ResLabel->clear();
         return CalcForm->ExpEdit;
       },
       [] { return QStringLiteral("before"); }},
  };
  for (const CopyCase &c : cases) {
    ResultOfEnter(QStringLiteral("2/3"));
    CalcForm->ExpEdit->deselect();
    clipboard.setText(QStringLiteral("before"));
    QWidget *focus = c.prepare();
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text(), c.copied()) << c.where;
  }
  EXPECT_EQ(CalcForm->ResLabel->size(), QSize(147, 18));
}

TEST_F(CalcFormTest, CaptionsAndHints) {
  EXPECT_EQ(CalcForm->windowTitle(), QStringLiteral("Калькулятор"));
  EXPECT_EQ(CalcForm->size(), QSize(201, 52));
  for (QToolButton *button : {CalcForm->RunButton, CalcForm->OptButton, CalcForm->HelpButton}) {
    EXPECT_FALSE(button->icon().isNull()) << button->toolTip().toStdString();
    EXPECT_TRUE(CalcForm->rect().contains(button->geometry())) << button->toolTip().toStdString();
  }
  EXPECT_EQ(CalcForm->RunButton->toolTip(), QStringLiteral("Вычислить"));
  EXPECT_EQ(CalcForm->OptButton->toolTip(), QStringLiteral("Настройки"));
  EXPECT_EQ(CalcForm->HelpButton->toolTip(), QStringLiteral("Справка"));
  EXPECT_EQ(CalcOptForm->size(), QSize(139, 159));
  for (QAbstractButton *item : CalcOptForm->FormatRG->buttons()) {
    EXPECT_GE(item->width(), item->sizeHint().width()) << item->text().toStdString() << " is readable";
  }
  EXPECT_EQ(CalcOptForm->FormatRG->button(0)->text(), QStringLiteral("Фиксированный"));
  EXPECT_EQ(CalcOptForm->FormatRG->button(1)->text(), QStringLiteral("Экспоненциальный"));
}

TEST_F(CalcFormTest, HelpOpensTheFileNextToTheProgram) {
  QTest::mouseClick(CalcForm->HelpButton, Qt::LeftButton);
  EXPECT_EQ(HelpFile(), HelpFileNextToProgram());
  EXPECT_TRUE(HelpViewer().isVisible());
  HelpViewer().hide();
}

}  // namespace
