#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "intspinedit.h"
#include "colorvalue.h"
#include "viewfixture.h"

namespace {

class ScaleFormTest : public ViewTest {};

TEST_F(ScaleFormTest, WithoutBoundsTheLabelsReadDashAndTheFrameIsHidden) {
  ShowField(400, 300);
  UpdateNavigator();
  EXPECT_EQ(ScaleForm->XLabel->text(), "-");
  EXPECT_EQ(ScaleForm->YLabel->text(), "-");
  EXPECT_FALSE(ScaleForm->Frame()->IsShown());
  EXPECT_FALSE(ScaleForm->ZoomButton->isEnabled());
  EXPECT_EQ(ScaleForm->SC->SeriesCount(), 1);
}

TEST_F(ScaleFormTest, FrameIsTheViewInsetByThePenWidth) {
  ShowField(400, 300);
  SetBounds(-10, 10, -5, 5);
  const QPointF first = ScaleForm->Frame()->FirstCorner(), second = ScaleForm->Frame()->SecondCorner();
  EXPECT_DOUBLE_EQ(first.x(), -9.9);
  EXPECT_DOUBLE_EQ(second.x(), 9.9);
  EXPECT_DOUBLE_EQ(first.y(), static_cast<double>(-5 + 2 * 10.0L / 300));
  EXPECT_DOUBLE_EQ(second.y(), static_cast<double>(5 - 2 * 10.0L / 300));
  EXPECT_EQ(ScaleForm->XLabel->text(), "100%");
  EXPECT_EQ(ScaleForm->YLabel->text(), "100%");
}

struct PercentCase {
  double minX, maxX;
  const char *label;
  double minY = -5, maxY = 5;
  const char *yLabel = "100%";
};

// Whether a label shows its text whole: there is ink, and none in the last
// column, where a text cut at the label's edge would reach.
bool ShowsItsTextWhole(QLabel &label) {
  const QImage image = label.grab().toImage();
  const QRgb background = image.pixel(0, 0);
  int lastInk = -1;
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (image.pixel(x, y) != background) lastInk = x;
  return lastInk >= 0 && lastInk < image.width() - 1;
}

// However deep the zoom, the two labels keep to their places in the row, clear
// of "Y:" and of the tool bar, and show their text whole, in a smaller font
// when they must.
TEST_F(ScaleFormTest, LabelsGiveTheZoomPerAxis) {
  ShowField(400, 300);
  SetBounds(-10, 10, -5, 5);
  const QRect yCaption = ScaleForm->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)[2]->geometry();
  const QRect bar = ScaleForm->findChild<QToolBar *>()->geometry();
  for (const PercentCase &c : {PercentCase{-2.5, 2.5, "400%"}, PercentCase{0, 8, "250%"}, PercentCase{-8, 8, "125%"},
                               PercentCase{1, 1, "-"}, PercentCase{0, 0.0005, "4000000%", 0, 0.0005, "2000000%"},
                               PercentCase{0, 0.00001, "200000000%", 0, 0.00001, "100000000%"}}) {
    FieldForm->FC->SetRange(ChartAxis::Bottom, c.minX, c.maxX);
    FieldForm->FC->SetRange(ChartAxis::Left, c.minY, c.maxY);
    UpdateNavigator();
    EXPECT_EQ(ScaleForm->XLabel->text(), c.label);
    EXPECT_EQ(ScaleForm->YLabel->text(), c.yLabel);
    for (QLabel *zoom : {ScaleForm->XLabel, ScaleForm->YLabel})
      EXPECT_TRUE(ShowsItsTextWhole(*zoom)) << zoom->text().toStdString();
    EXPECT_FALSE(ScaleForm->XLabel->geometry().intersects(yCaption));
    EXPECT_FALSE(ScaleForm->YLabel->geometry().intersects(bar));
  }
}

// Types into the four fields of the exact-zoom dialog and presses its OK.
std::function<int(QDialog &)> TypeAndConfirm(const std::array<const char *, 4> &values) {
  return [values](QDialog &) {
    TIntSpinEdit *fields[] = {ZoomForm->MinXSE, ZoomForm->MaxXSE, ZoomForm->MinYSE, ZoomForm->MaxYSE};
    for (int i = 0; i < 4; ++i) TypeInto(fields[i], values[i]);
    QTest::mouseClick(ZoomForm->OkButton, Qt::LeftButton);
    return ZoomForm->result();
  };
}

struct ZoomCase {
  std::array<const char *, 4> typed;
  std::array<int, 4> corrected;
  double minX, maxX, minY, maxY;
};

TEST_F(ScaleFormTest, ExactZoomCorrectsTheLimitsAndZoomsToThem) {
  ShowField(400, 300);
  for (const ZoomCase &c : {ZoomCase{{"5", "-5", "-5", "5"}, {-5, 5, -5, 5}, -5, 5, -5, 5},
                            ZoomCase{{"3", "3", "-2", "-2"}, {2, 4, -3, -1}, 2, 4, -3, -1},
                            ZoomCase{{"10", "10", "-10", "-10"}, {9, 10, -10, -9}, 9, 10, -10, -9},
                            ZoomCase{{"-500", "x", "7", "4"}, {-10, -9, 4, 7}, -10, -9, 4, 7}}) {
    Project.Clear();
    FieldForm->FC->RemoveAllSeries();
    SetBounds(-10, 10, -10, 10);
    dialogs->answers.push_back(TypeAndConfirm(c.typed));
    QTest::mouseClick(ScaleForm->ZoomButton, Qt::LeftButton);
    const int values[] = {ZoomForm->MinXSE->Value(), ZoomForm->MaxXSE->Value(), ZoomForm->MinYSE->Value(),
                          ZoomForm->MaxYSE->Value()};
    EXPECT_EQ(std::vector<int>(values, values + 4), std::vector<int>(c.corrected.begin(), c.corrected.end()));
    const Chart &fc = *FieldForm->FC;
    const double pixelX = 20.0 / fc.PlotArea().width(), pixelY = 20.0 / fc.PlotArea().height();
    EXPECT_NEAR(fc.Minimum(ChartAxis::Bottom), c.minX, pixelX);
    EXPECT_NEAR(fc.Maximum(ChartAxis::Bottom), c.maxX, pixelX);
    EXPECT_NEAR(fc.Minimum(ChartAxis::Left), c.minY, pixelY);
    EXPECT_NEAR(fc.Maximum(ChartAxis::Left), c.maxY, pixelY);
  }
}

TEST_F(ScaleFormTest, CancelledExactZoomChangesNothing) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  dialogs->answers.push_back([](QDialog &dialog) {
    dialog.reject();
    return dialog.result();
  });
  QTest::mouseClick(ScaleForm->ZoomButton, Qt::LeftButton);
  EXPECT_EQ(FieldForm->FC->Minimum(ChartAxis::Bottom), -10);
  EXPECT_EQ(FieldForm->FC->Maximum(ChartAxis::Bottom), 10);
}

TEST_F(ScaleFormTest, OptionsSetTheFramePenAndKeepTheirOwnChoice) {
  // The colour is chosen, then the options dialog is cancelled: the frame stays
  // blue, the colour dialog keeps red for the next time.
  dialogs->answers.push_back([this](QDialog &) {
    dialogs->answers.push_front([](QDialog &colour) {
      static_cast<QColorDialog &>(colour).setCurrentColor(Qt::red);
      colour.accept();
      return colour.result();
    });
    QTest::mouseClick(ScaleOptForm->BordClButton, Qt::LeftButton);
    return int(QDialog::Rejected);
  });
  QTest::mouseClick(ScaleForm->OptButton, Qt::LeftButton);
  EXPECT_EQ(ScaleForm->Frame()->Color(), QColor(Qt::blue));
  EXPECT_EQ(ScaleOptForm->BorderCL->currentColor(), QColor(Qt::red));

  dialogs->answers.push_back([](QDialog &dialog) {
    TypeInto(ScaleOptForm->BWidthSE, "12");
    dialog.accept();
    return dialog.result();
  });
  QTest::mouseClick(ScaleForm->OptButton, Qt::LeftButton);
  EXPECT_EQ(ScaleForm->Frame()->Color(), QColor(Qt::red));
  EXPECT_EQ(ScaleForm->Frame()->Width(), 9);
}

}  // namespace
