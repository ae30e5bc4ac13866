#pragma once

#include <QLineEdit>
#include <QString>
#include <limits>

#include "expression.h"

// A line edit for an expression. QLineEdit silently cuts pasted text at 32767
// characters, which could turn a long expression into a different valid one;
// this one takes any length and leaves the judgement to the library.
inline QLineEdit *NewExpressionEdit(QWidget *parent) {
  auto *edit = new QLineEdit(parent);
  edit->setMaxLength(std::numeric_limits<int>::max());
  return edit;
}

// What the user is told about an expression error code.
inline QString ErrorText(unsigned char code) { return QString::fromStdString(ErrorCodeText(code)); }

// What the user is told about an expression longer than the program takes.
inline QString TooLongText() {
  return QStringLiteral("Ошибка: выражение длиннее %1 символов").arg(kMaxExpressionLength);
}
