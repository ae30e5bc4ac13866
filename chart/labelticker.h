#pragma once

#include <qcustomplot.h>

// Chooses the label step of one axis so that a quarter of a label's size stays free between
// neighbouring labels, puts three minor ticks between labels and writes the labels as
// "#,##0.###" with the group and decimal marks of the default locale.
class LabelTicker : public QCPAxisTicker {
public:
  explicit LabelTicker(const QCPAxis &axis);

  static QString format(double value);

protected:
  double getTickStep(const QCPRange &range) override;
  int getSubTickCount(double tickStep) override;
  QString getTickLabel(double tick, const QLocale &locale, QChar formatChar, int precision) override;

private:
  double axisLength() const;
  // Space a label takes along the axis, free room included.
  double labelSpace(double value) const;
  bool labelsFit(double step, const QCPRange &range, double pixelsPerUnit) const;

  const QCPAxis &mAxis;
};
