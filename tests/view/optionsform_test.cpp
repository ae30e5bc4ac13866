#include <QCheckBox>
#include <QColorDialog>
#include <QPushButton>

#include "newform.h"
#include "optionsform.h"
#include "viewfixture.h"

namespace {

struct BoundsCase {
  std::array<const char *, 4> typed;
  std::array<int, 4> confirmed;
};

TEST(NewFormTest, OkPutsTheRegionInOrderWithinTheFixedRange) {
  TNewForm form;
  for (const BoundsCase &c : {BoundsCase{{"5", "-5", "-10", "10"}, {-5, 5, -10, 10}},
                              BoundsCase{{"1000", "1000", "0", "0"}, {999, 1000, -1, 1}},
                              BoundsCase{{"-1000", "-1000", "3", "2"}, {-1000, -999, 2, 3}},
                              BoundsCase{{"abc", "2000", "-7", "-7"}, {-1000, 1000, -8, -6}}}) {
    TIntSpinEdit *fields[] = {form.MinXSE, form.MaxXSE, form.MinYSE, form.MaxYSE};
    for (int i = 0; i < 4; ++i) TypeInto(fields[i], c.typed[i]);
    QTest::mouseClick(form.OkButton, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(fields[i]->Value(), c.confirmed[i]) << c.typed[i];
  }
}

class OptionsFormTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    options_ = std::make_unique<TOptionsForm>();
    OptionsForm = options_.get();
  }

  // Answers the options dialog: does something in it, then OK or Cancel.
  void Answer(std::function<void()> inside, bool ok) {
    dialogs->answers.push_back([inside, ok](QDialog &dialog) {
      inside();
      ok ? dialog.accept() : dialog.reject();
      return dialog.result();
    });
  }

  // Answers the colour dialog that the next colour button opens.
  void PickColour(QPushButton *button, QColor colour) {
    dialogs->answers.push_front([colour](QDialog &dialog) {
      static_cast<QColorDialog &>(dialog).setCurrentColor(colour);
      dialog.accept();
      return dialog.result();
    });
    QTest::mouseClick(button, Qt::LeftButton);
  }

 private:
  std::unique_ptr<TOptionsForm> options_;
};

TEST_F(OptionsFormTest, TopAndBottomBackgroundReachBothCharts) {
  Answer([this] { PickColour(OptionsForm->Back2ColorButton, Qt::red); }, true);
  ShowDisplayOptions();
  for (Chart *chart : {FieldForm->FC, ScaleForm->SC}) {
    EXPECT_EQ(chart->BackgroundTopColor(), QColor(Qt::red));
    EXPECT_EQ(chart->BackgroundBottomColor(), QColor(Qt::white));
  }
  Answer([this] { PickColour(OptionsForm->Back1ColorButton, Qt::green); }, true);
  ShowDisplayOptions();
  EXPECT_EQ(ScaleForm->SC->BackgroundBottomColor(), QColor(Qt::green));
  EXPECT_EQ(ScaleForm->SC->BackgroundTopColor(), QColor(Qt::red));
}

TEST_F(OptionsFormTest, CancelAppliesNothingButTheControlsKeepTheChoice) {
  Chart &fc = *FieldForm->FC;
  const QColor grid = fc.GridColor(ChartAxis::Left);
  Answer(
      [this] {
        PickColour(OptionsForm->GridColorButton, Qt::blue);
        OptionsForm->GridCB->click();
      },
      false);
  ShowDisplayOptions();
  EXPECT_EQ(fc.GridColor(ChartAxis::Left), grid);
  EXPECT_TRUE(fc.IsGridShown(ChartAxis::Bottom));
  EXPECT_EQ(fc.TickColor(ChartAxis::Left), QColor(0x80, 0x80, 0x80));
  Answer([] {}, true);
  ShowDisplayOptions();
  for (ChartAxis axis : {ChartAxis::Left, ChartAxis::Bottom}) {
    EXPECT_EQ(fc.GridColor(axis), QColor(Qt::blue));
    EXPECT_FALSE(fc.IsGridShown(axis));
    EXPECT_EQ(fc.TickColor(axis), QColor(Qt::black));
  }
  Answer(
      [] {
        OptionsForm->GridCB->click();
        OptionsForm->AxisCB->click();
      },
      true);
  ShowDisplayOptions();
  EXPECT_TRUE(fc.IsGridShown(ChartAxis::Left));
  EXPECT_TRUE(fc.IsGridShown(ChartAxis::Bottom));
  EXPECT_FALSE(FieldForm->DrawSecondAxes());
}

}  // namespace
