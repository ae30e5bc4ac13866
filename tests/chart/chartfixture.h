#pragma once

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart.h"

inline void PrintTo(ChartAxis axis, std::ostream *os) { *os << (axis == ChartAxis::Bottom ? "bottom" : "left"); }

// A chart shown offscreen at 400 x 300 over 0..10 on both axes, its first redraws done.
class ChartTest : public testing::Test {
 protected:
  void SetUp() override {
    chart.resize(400, 300);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    chart.SetRange(ChartAxis::Bottom, 0, 10);
    chart.SetRange(ChartAxis::Left, 0, 10);
    QApplication::processEvents();
  }

  QPointF PixelOf(double x, double y) const {
    return {chart.ValueToPixel(ChartAxis::Bottom, x), chart.ValueToPixel(ChartAxis::Left, y)};
  }

  // A drag with one button through the middle of the way; QTest sends the moves as mouse events
  // only while it knows a button is held, which it does between its press and release.
  void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
    QTest::mousePress(&chart, button, Qt::NoModifier, from);
    QTest::mouseMove(&chart, from + (to - from) / 2);
    QTest::mouseMove(&chart, to);
    QTest::mouseRelease(&chart, button, Qt::NoModifier, to);
  }

  // A move with no button held, which QTest would turn into a cursor move instead.
  void HoverTo(QPoint at) {
    QMouseEvent event(QEvent::MouseMove, QPointF(at), QPointF(chart.mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&chart, &event);
  }

  // Grid and legend off, so that only what a test draws differs from the white background.
  void ClearBackground() {
    chart.SetGridShown(ChartAxis::Bottom, false);
    chart.SetGridShown(ChartAxis::Left, false);
    chart.SetLegendShown(false);
  }

  Chart chart;
};

// How much of a pixel a colour painted over white covers, 0..1; 0 for a pixel that is no blend
// of white and that colour, such as black text under a red line.
inline double Coverage(QRgb pixel, const QColor &color) {
  const int shown[] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
  const int painted[] = {color.red(), color.green(), color.blue()};
  const int darkest = static_cast<int>(std::min_element(std::begin(painted), std::end(painted)) - painted);
  if (painted[darkest] >= 255) return 0;
  const double alpha = (255.0 - shown[darkest]) / (255.0 - painted[darkest]);
  for (int i = 0; i < 3; ++i)
    if (std::abs(255 - alpha * (255 - painted[i]) - shown[i]) > 8) return 0;
  return std::clamp(alpha, 0.0, 1.0);
}

inline bool SameColor(QRgb pixel, const QColor &color, int tolerance = 24) {
  return std::abs(qRed(pixel) - color.red()) <= tolerance && std::abs(qGreen(pixel) - color.green()) <= tolerance &&
         std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

// Whether any pixel within radius of a point, in the chart's pixel coordinates, has the colour.
inline bool ColorNear(const QImage &image, QPointF at, const QColor &color, int radius = 2) {
  const int cx = static_cast<int>(std::floor(at.x())), cy = static_cast<int>(std::floor(at.y()));
  for (int y = cy - radius; y <= cy + radius; ++y)
    for (int x = cx - radius; x <= cx + radius; ++x)
      if (image.valid(x, y) && SameColor(image.pixel(x, y), color)) return true;
  return false;
}

// Pixels over a rectangle that a colour covers at least half.
inline int PixelsOf(const QImage &image, const QRect &area, const QColor &color) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.valid(x, y) && Coverage(image.pixel(x, y), color) >= 0.5) ++count;
  return count;
}

// Total coverage of a colour over a rectangle of pixels.
inline double Ink(const QImage &image, const QRect &area, const QColor &color) {
  double ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.valid(x, y)) ink += Coverage(image.pixel(x, y), color);
  return ink;
}
