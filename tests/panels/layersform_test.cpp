#include <random>

#include "panelsfixture.h"
#include "colorvalue.h"
#include "zeval.h"

namespace {

class LayersFormTest : public PanelsTest {};

QStringList Entries() {
  QStringList entries;
  for (int i = 0; i < LayersForm->LayersLB->count(); ++i) entries << LayersForm->LayersLB->item(i)->text();
  return entries;
}

TEST_F(LayersFormTest, TheFirstLayerAsksForBoundsTheSecondDoesNot) {
  Answer(true, [] {
    TypeInto(NewForm->MinXSE, "5");
    TypeInto(NewForm->MaxXSE, "-5");
  });
  AddThroughDialog("sin(x)");
  EXPECT_EQ(dialogs->dialogsShown, (std::vector<QString>{"Границы", "Новый"}));
  EXPECT_EQ(Project.Bounds(), (TBounds{-5, 5, -10, 10}));
  AddThroughDialog("x^2");
  EXPECT_EQ(dialogs->dialogsShown.back(), "Новый");
  EXPECT_EQ(dialogs->dialogsShown.size(), 3u);
  EXPECT_EQ(Entries(), (QStringList{"[+] sin(x)", "[+] x^2"}));
  EXPECT_TRUE(FieldForm->FC->IsZoomEnabled());
  EXPECT_TRUE(ScaleForm->ZoomButton->isEnabled());
  ExpectInStep();
}

TEST_F(LayersFormTest, CancellingTheBoundsCancelsEverything) {
  Answer(false);
  QTest::mouseClick(LayersForm->NewButton, Qt::LeftButton);
  EXPECT_FALSE(Project.HasBounds());
  EXPECT_EQ(FieldForm->FC->SeriesCount(), 0);
  EXPECT_EQ(dialogs->dialogsShown.size(), 1u);

  Answer(true);
  Answer(false);
  QTest::mouseClick(LayersForm->NewButton, Qt::LeftButton);
  EXPECT_TRUE(Project.HasBounds());
  EXPECT_EQ(FieldForm->FC->SeriesCount(), 1);
  EXPECT_TRUE(ScaleForm->Frame()->IsShown());
  EXPECT_TRUE(FieldForm->FC->IsZoomEnabled());
  AddThroughDialog("x");
  EXPECT_EQ(dialogs->dialogsShown.back(), "Новый");
  EXPECT_EQ(Project.GraphCount(), 1);
  ExpectInStep();
}

struct RejectedCase {
  QString expression;
  unsigned char code;
};

TEST_F(LayersFormTest, ARejectedExpressionChangesNothingAndShowsItsCode) {
  AddThroughDialog("x");
  for (const RejectedCase &c : {RejectedCase{"2x", 23}, RejectedCase{"sin", 26}, RejectedCase{"a)+b", 11},
                                RejectedCase{QString::fromUtf8("\xD1\x85"), 21},
                                RejectedCase{QString::fromUtf8("\xE2\x88\x9A"
                                                               "x"),
                                             21},
                                RejectedCase{QString("x") + QChar(0) + "+1", 21}, RejectedCase{"", 24}}) {
    dialogs->messages.clear();
    AddThroughDialog(c.expression);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].caption, "Error");
    EXPECT_EQ(dialogs->messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(dialogs->messages[0].helpContext, 130);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Ошибка: %1").arg(c.code));
    EXPECT_EQ(Entries(), QStringList{"[+] x"});
    EXPECT_EQ(AddForm->FuncEdit->text(), c.expression);
    ExpectInStep();
  }
}

TEST_F(LayersFormTest, ASamplingFailureRemovesTheRecordAgain) {
  AddThroughDialog("x");
  QString error;
  EXPECT_FALSE(LayersForm->AddLayer("x^2", 1, {}, error));
  EXPECT_EQ(error, QStringLiteral("Ошибка: %1").arg(kZevalBadSamplingArguments));
  EXPECT_EQ(Project.GraphCount(), 1);
  ExpectInStep();
}

TEST_F(LayersFormTest, VisibilityChangesOnlyTheMarkerAndTheSeries) {
  AddThroughDialog("tg(x)");
  const std::vector<long double> samples = Project.Graph(0).YValues;
  SelectRow(0);
  EXPECT_TRUE(LayersForm->VisButton->isChecked());
  QTest::mouseClick(LayersForm->VisButton, Qt::LeftButton);
  EXPECT_EQ(Entries(), QStringList{"[-] tg(x)"});
  EXPECT_FALSE(FieldForm->FC->SeriesAt(0)->IsShown());
  EXPECT_FALSE(ScaleForm->SC->SeriesAt(0)->IsShown());
  EXPECT_EQ(Project.Graph(0).YValues, samples);
  ExpectInStep();
  QTest::mouseClick(LayersForm->VisButton, Qt::LeftButton);
  EXPECT_EQ(Entries(), QStringList{"[+] tg(x)"});
  EXPECT_TRUE(FieldForm->FC->SeriesAt(0)->IsShown());
  ExpectInStep();
}

TEST_F(LayersFormTest, OptionsRestyleBothSeriesButTheNavigatorStaysThin) {
  AddThroughDialog("sin(x)", "1000", "3");
  SelectRow(0);
  Answer(true, [] {
    EXPECT_EQ(LayersOptForm->WidthSE->Value(), 3);
    EXPECT_EQ(LayersOptForm->OptCD->currentColor(), QColor(Qt::red));
    LayersOptForm->OptCD->setCurrentColor(Qt::green);
    TypeInto(LayersOptForm->WidthSE, "9");
  });
  QTest::mouseClick(LayersForm->OptButton, Qt::LeftButton);
  EXPECT_EQ(FieldForm->FC->SeriesAt(0)->Color(), QColor(Qt::green));
  EXPECT_EQ(FieldForm->FC->SeriesAt(0)->Width(), 4);
  EXPECT_EQ(ScaleForm->SC->SeriesAt(0)->Color(), QColor(Qt::green));
  EXPECT_EQ(ScaleForm->SC->SeriesAt(0)->Width(), 1);
  ExpectInStep();
}

TEST_F(LayersFormTest, MovingPastTheEndsDoesNothingAndDeletingTheOnlyLayerKeepsTheBounds) {
  AddThroughDialog("x");
  AddThroughDialog("x^2");
  SelectRow(0);
  QTest::mouseClick(LayersForm->UpButton, Qt::LeftButton);
  EXPECT_EQ(Entries(), (QStringList{"[+] x", "[+] x^2"}));
  QTest::mouseClick(LayersForm->DownButton, Qt::LeftButton);
  EXPECT_EQ(Entries(), (QStringList{"[+] x^2", "[+] x"}));
  ExpectInStep();
  QTest::mouseClick(LayersForm->DownButton, Qt::LeftButton);
  EXPECT_EQ(Entries(), (QStringList{"[+] x^2", "[+] x"}));
  EXPECT_TRUE(LayersForm->UpButton->isEnabled());
  QTest::mouseClick(LayersForm->DelButton, Qt::LeftButton);
  SelectRow(0);
  QTest::mouseClick(LayersForm->DelButton, Qt::LeftButton);
  EXPECT_EQ(Project.GraphCount(), 0);
  EXPECT_TRUE(Project.HasBounds());
  EXPECT_EQ(FieldForm->FC->SeriesCount(), 1);
  EXPECT_FALSE(LayersForm->DelButton->isEnabled());
  EXPECT_FALSE(LayersForm->VisButton->isChecked());
  ExpectInStep();
}

TEST_F(LayersFormTest, TheCountFieldPullsTypedValuesIntoItsRange) {
  for (auto [typed, value] : {std::pair{"5", 10}, {"200000", 100000}, {"abc", 10}}) {
    TypeInto(AddForm->CountSE, typed);
    QTest::keyClick(AddForm->CountSE, Qt::Key_Tab);
    AddForm->CountSE->clearFocus();
    EXPECT_EQ(AddForm->CountSE->Value(), value) << typed;
  }
}

TEST_F(LayersFormTest, EnterAndEscapeDoNotCloseTheLayerDialogs) {
  for (QDialog *dialog : std::initializer_list<QDialog *>{AddForm, LayersOptForm}) {
    dialog->open();
    QTest::keyClick(dialog, Qt::Key_Return);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible()) << dialog->windowTitle().toStdString();
    dialog->reject();
  }
}

// Every operation keeps the list, the records and both charts' series in step.
TEST_F(LayersFormTest, TwoHundredRandomOperationsKeepEverythingInStep) {
  std::mt19937 random(42);
  const char *expressions[] = {"sin(x)", "x^2", "tg(x)", "ln(x)", "1/x", "sqrt(x)"};
  for (int step = 0; step < 200; ++step) {
    const int count = LayersForm->LayersLB->count();
    const int op = static_cast<int>(random() % 7);
    if (count > 0 && op >= 1 && op <= 5) SelectRow(static_cast<int>(random() % count));
    switch (op) {
      case 0:
        AddThroughDialog(expressions[random() % 6], "50", "2");
        break;
      case 1:
        if (count) QTest::mouseClick(LayersForm->VisButton, Qt::LeftButton);
        break;
      case 2:
        if (count) {
          Answer(true, [&] { LayersOptForm->OptCD->setCurrentColor(QColor::fromRgb(random() & 0xFFFFFF)); });
          QTest::mouseClick(LayersForm->OptButton, Qt::LeftButton);
        }
        break;
      case 3:
        if (count) QTest::mouseClick(LayersForm->UpButton, Qt::LeftButton);
        break;
      case 4:
        if (count) QTest::mouseClick(LayersForm->DownButton, Qt::LeftButton);
        break;
      case 5:
        if (count) QTest::mouseClick(LayersForm->DelButton, Qt::LeftButton);
        break;
      default:
        if (random() % 4 == 0) ProjectLayers->Clear();
    }
    QString why;
    ASSERT_TRUE(LayersInStep(LayersForm->LayersLB, &why)) << "step " << step << ": " << why.toStdString();
  }
}

TEST_F(LayersFormTest, ClearingTheProjectEmptiesTheListAndAsksForBoundsAgain) {
  AddThroughDialog("x");
  ProjectLayers->Clear();
  EXPECT_TRUE(Entries().isEmpty());
  EXPECT_FALSE(Project.HasBounds());
  EXPECT_FALSE(LayersForm->OptButton->isEnabled());
  dialogs->dialogsShown.clear();
  Answer(false);
  QTest::mouseClick(LayersForm->NewButton, Qt::LeftButton);
  EXPECT_EQ(dialogs->dialogsShown, std::vector<QString>{"Границы"});
  ExpectInStep();
}

}  // namespace
