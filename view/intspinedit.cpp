#include "intspinedit.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <algorithm>
#include <climits>

TIntSpinEdit::TIntSpinEdit(QWidget *parent) : QSpinBox(parent) {
  setRange(INT_MIN, INT_MAX);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

TIntSpinEdit::TIntSpinEdit(QWidget *parent, int minimum, int maximum, int value, const QRect &geometry)
    : TIntSpinEdit(parent) {
  SetRange(minimum, maximum);
  SetValue(value);
  setGeometry(geometry);
}

void TIntSpinEdit::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  // Equal ends mean no limits at all.
  if (minimum < maximum)
    setRange(minimum, maximum);
  else
    setRange(INT_MIN, INT_MAX);
  SetValue(Value());
}

void TIntSpinEdit::SetValue(int value) { setValue(Pulled(value)); }

int TIntSpinEdit::Value() const { return valueFromText(lineEdit()->text()); }

void TIntSpinEdit::focusOutEvent(QFocusEvent *event) {
  const int value = Value();
  QSpinBox::focusOutEvent(event);
  setValue(value);
}

QValidator::State TIntSpinEdit::validate(QString &, int &) const { return QValidator::Acceptable; }

int TIntSpinEdit::valueFromText(const QString &text) const {
  bool ok = false;
  const long long value = text.trimmed().toLongLong(&ok);
  return ok ? Pulled(value) : minimum_;
}

void TIntSpinEdit::fixup(QString &input) const { input = QString::number(valueFromText(input)); }

int TIntSpinEdit::Pulled(long long value) const {
  if (minimum_ == maximum_) return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
  return static_cast<int>(std::clamp<long long>(value, minimum_, maximum_));
}
