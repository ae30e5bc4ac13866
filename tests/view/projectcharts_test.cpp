#include <QLabel>

#include "viewfixture.h"

namespace {

class ProjectChartsTest : public ViewTest {};

TEST_F(ProjectChartsTest, LayersStayInFrontOfThePlaceholderAndTheFrame) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  EXPECT_TRUE(ChartsMatchProject());
  const char *expressions[] = {"sin(x)", "x^2", "tg(x)"};
  for (const char *expression : expressions) {
    const int index = Project.AddGraph(expression, 100);
    Project.ComputeGraph(index);
    AddLayerSeries(index, Qt::red, 3);
    QString why;
    ASSERT_TRUE(ChartsMatchProject(&why)) << why.toStdString();
  }
  EXPECT_EQ(FieldForm->FC->seriesCount(), 4);
  EXPECT_EQ(FieldForm->FC->series(3)->title(), " ");
  EXPECT_EQ(ScaleForm->SC->seriesCount(), 4);
  EXPECT_EQ(ScaleForm->SC->series(1)->width(), 1);
  EXPECT_EQ(FieldForm->FC->series(1)->width(), 3);
  EXPECT_GT(static_cast<LineSeries *>(FieldForm->FC->series(2))->pointCount(), 100);

  Project.SwapGraphs(1, 2);
  EXPECT_FALSE(ChartsMatchProject());
  MoveLayerSeriesTowardsFront(2);
  EXPECT_TRUE(ChartsMatchProject());
  Project.SetVisible(0, false);
  ShowLayerSeries(0, false);
  Project.RemoveGraph(1);
  RemoveLayerSeries(1);
  EXPECT_TRUE(ChartsMatchProject());
}

TEST_F(ProjectChartsTest, ClearingLeavesOnlyTheHiddenFrameAndNoZoom) {
  ShowField(400, 300);
  SetBounds(-10, 10, -5, 5);
  const int index = Project.AddGraph("x", 10);
  Project.ComputeGraph(index);
  AddLayerSeries(index, Qt::blue, 1);
  FieldForm->FC->zoomToPixels(100, 100, 200, 200);
  Project.Clear();
  ClearProjectCharts();
  EXPECT_EQ(FieldForm->FC->seriesCount(), 0);
  EXPECT_EQ(ScaleForm->SC->seriesCount(), 1);
  EXPECT_FALSE(ScaleForm->Frame()->isShown());
  EXPECT_FALSE(ScaleForm->ZoomButton->isEnabled());
  EXPECT_FALSE(FieldForm->FC->isZoomEnabled());
  for (Chart *chart : {FieldForm->FC, ScaleForm->SC}) {
    EXPECT_EQ(chart->minimum(ChartAxis::Bottom), 0);
    EXPECT_EQ(chart->maximum(ChartAxis::Left), 0);
  }
  EXPECT_TRUE(ChartsMatchProject());
  UpdateNavigator();
  EXPECT_EQ(ScaleForm->XLabel->text(), "-");
}

}  // namespace
