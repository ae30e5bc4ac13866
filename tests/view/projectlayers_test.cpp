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
  EXPECT_EQ(FieldForm->FC->SeriesCount(), 4);
  EXPECT_EQ(FieldForm->FC->SeriesAt(3)->Title(), " ");
  EXPECT_EQ(ScaleForm->SC->SeriesCount(), 4);
  EXPECT_EQ(ScaleForm->SC->SeriesAt(1)->Width(), 1);
  EXPECT_EQ(FieldForm->FC->SeriesAt(1)->Width(), 3);
  EXPECT_GT(static_cast<LineSeries *>(FieldForm->FC->SeriesAt(2))->PointCount(), 100);

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
  FieldForm->FC->ZoomToPixels(100, 100, 200, 200);
  ProjectLayers->Clear();
  EXPECT_EQ(FieldForm->FC->SeriesCount(), 0);
  EXPECT_EQ(ScaleForm->SC->SeriesCount(), 1);
  EXPECT_FALSE(ScaleForm->Frame()->IsShown());
  EXPECT_FALSE(ScaleForm->ZoomButton->isEnabled());
  EXPECT_FALSE(FieldForm->FC->IsZoomEnabled());
  for (Chart *chart : {FieldForm->FC, ScaleForm->SC}) {
    EXPECT_EQ(chart->Minimum(ChartAxis::Bottom), 0);
    EXPECT_EQ(chart->Maximum(ChartAxis::Left), 0);
  }
  EXPECT_TRUE(LayersInStep(nullptr));
  UpdateNavigator();
  EXPECT_EQ(ScaleForm->XLabel->text(), "-");
}

}  // namespace
