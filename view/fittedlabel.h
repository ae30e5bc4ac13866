#pragma once

#include <QLabel>

// A label of a fixed width that shows a text too wide for it in a smaller
// font, and below a least readable size with "…" at its end, instead of
// running into its neighbours. The text itself stays as it was set.
class TFittedLabel : public QLabel {
  Q_OBJECT

 public:
  TFittedLabel(const QString &text, QWidget *parent);

 protected:
  void paintEvent(QPaintEvent *event) override;
};
