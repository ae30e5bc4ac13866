#pragma once

#include <qcustomplot.h>

// Chooses the label step of one axis so that a quarter of a label's size stays free between
// neighbouring labels, puts three minor ticks between labels and writes the labels as
// "#,##0.###" with the group and decimal marks of the default locale. Where that form cannot
// fit (a label of the range's ends wider than a quarter of the chart) or cannot hold the digits
// (from 10^18 up), the labels take the scientific form "1.5E100" instead, with at most three
// decimals as well.
class LabelTicker : public QCPAxisTicker {
 public:
  explicit LabelTicker(const QCPAxis &axis);

  static QString Format(double value);
  static QString ScientificFormat(double value);
  // A value's label in the form the axis takes for its current range.
  QString LabelInCurrentForm(double value) const;

 protected:
  double getTickStep(const QCPRange &range) override;
  int getSubTickCount(double tickStep) override;
  QString getTickLabel(double tick, const QLocale &locale, QChar formatChar, int precision) override;

 private:
  QString Label(double value) const;
  bool FixedFits(const QCPRange &range) const;
  double AxisLength() const;
  // Space a label takes along the axis, free room included.
  double LabelSpace(double value) const;
  bool LabelsFit(double step, const QCPRange &range, double pixelsPerUnit) const;

  const QCPAxis &axis_;
  bool scientific_ = false;
};
