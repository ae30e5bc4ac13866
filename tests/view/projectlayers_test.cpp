#include <QLabel>

#include "viewfixture.h"

namespace {

class ProjectLayersTest : public ViewTest {};

TEST_F(ProjectLayersTest, LayersStayInFrontOfThePlaceholderAndTheFrame) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  EXPECT_TRUE(LayersInStep(nullptr));
  const char *expressions[] = {"sin(x)", "x^2", "tg(x)"};
  for (const char *expression : expressions) {
    AddLayer(expression, 100, 0x0000FF, 3);
    QString why;
    ASSERT_TRUE(LayersInStep(nullptr, &why)) << why.toStdString();
  }
  EXPECT_EQ(FieldForm->FC->seriesCount(), 4);
  EXPECT_EQ(FieldForm->FC->series(3)->title(), " ");
  EXPECT_EQ(ScaleForm->SC->seriesCount(), 4);
  EXPECT_EQ(ScaleForm->SC->series(1)->width(), 1);
  EXPECT_EQ(FieldForm->FC->series(1)->width(), 3);
  EXPECT_GT(static_cast<LineSeries *>(FieldForm->FC->series(2))->pointCount(), 100);

  ProjectLayers->MoveTowardsFront(2);
  EXPECT_EQ(Project.Graph(1).Expression, "tg(x)");
  EXPECT_TRUE(LayersInStep(nullptr));
  ProjectLayers->SetVisible(0, false);
  ProjectLayers->Remove(1);
  EXPECT_TRUE(LayersInStep(nullptr));
}

TEST_F(ProjectLayersTest, ClearingLeavesOnlyTheHiddenFrameAndNoZoom) {
  ShowField(400, 300);
  SetBounds(-10, 10, -5, 5);
  AddLayer("x", 10, 0xFF0000, 1);
  FieldForm->FC->zoomToPixels(100, 100, 200, 200);
  ProjectLayers->Clear();
  EXPECT_EQ(FieldForm->FC->seriesCount(), 0);
  EXPECT_EQ(ScaleForm->SC->seriesCount(), 1);
  EXPECT_FALSE(ScaleForm->Frame()->isShown());
  EXPECT_FALSE(ScaleForm->ZoomButton->isEnabled());
  EXPECT_FALSE(FieldForm->FC->isZoomEnabled());
  for (Chart *chart : {FieldForm->FC, ScaleForm->SC}) {
    EXPECT_EQ(chart->minimum(ChartAxis::Bottom), 0);
    EXPECT_EQ(chart->maximum(ChartAxis::Left), 0);
  }
  EXPECT_TRUE(LayersInStep(nullptr));
  UpdateNavigator();
  EXPECT_EQ(ScaleForm->XLabel->text(), "-");
}

}  // namespace
