#pragma once

#include <QSpinBox>

// An integer field with a range: a value set or typed outside the range is
// pulled to the nearer end when it is set and when the field loses the focus,
// unless both ends are equal; text that is not an integer reads as the lower end.
class TIntSpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  explicit TIntSpinEdit(QWidget *parent = nullptr);
  // A field of a dialog: its range, its first value and its place.
  TIntSpinEdit(QWidget *parent, int minimum, int maximum, int value, const QRect &geometry);

  void SetRange(int minimum, int maximum);
  void SetValue(int value);
  // The value the field holds now, reading its text by the rule above.
  int Value() const;

 protected:
  void focusOutEvent(QFocusEvent *event) override;
  QValidator::State validate(QString &input, int &pos) const override;
  int valueFromText(const QString &text) const override;
  void fixup(QString &input) const override;

 private:
  int Pulled(long long value) const;
  int minimum_ = 0;
  int maximum_ = 0;
};
