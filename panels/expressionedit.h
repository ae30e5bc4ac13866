#pragma once

#include <QLineEdit>
#include <QString>
#include <limits>

// A line edit for an expression. QLineEdit silently cuts pasted text at 32767
// characters, which could turn a long expression into a different valid one;
// this one takes any length and leaves the judgement to the library.
inline QLineEdit *NewExpressionEdit(QWidget *parent) {
  auto *edit = new QLineEdit(parent);
  edit->setMaxLength(std::numeric_limits<int>::max());
  return edit;
}

// Longer typed expressions are refused before anything is computed: sampling
// takes time in proportion to the length times the count of points, and a
// pasted megabyte would hold the program for seconds.
constexpr qsizetype kMaxExpressionLength = 65536;

inline bool IsTooLong(const QString &expression) { return expression.size() > kMaxExpressionLength; }

inline QString TooLongText() {
  return QStringLiteral("Ошибка: выражение длиннее %1 символов").arg(kMaxExpressionLength);
}
