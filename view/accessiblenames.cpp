#include "accessiblenames.h"

#include "dialoglayout.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

// A caption as spoken: without its mnemonic mark and a closing colon.
QString Spoken(QString caption) {
  caption.remove(QLatin1Char('&'));
  caption = caption.trimmed();
  if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
  return caption.trimmed();
}

// A spin field's own editor is part of the field, not a field of its own.
bool IsField(const QWidget &widget) {
  if (qobject_cast<const QAbstractSpinBox *>(&widget)) return true;
  return qobject_cast<const QLineEdit *>(&widget) && !qobject_cast<const QAbstractSpinBox *>(widget.parentWidget());
}

// The nearest field right of the label in its row, among the label's siblings.
QWidget *NamedField(const QLabel &label) {
  QWidget *nearest = nullptr;
  for (QObject *child : label.parentWidget()->children()) {
    auto *field = qobject_cast<QWidget *>(child);
    if (!field || !IsField(*field) || field->x() <= label.x() || !SameRow(field->geometry(), label.geometry()))
      continue;
    if (!nearest || field->x() < nearest->x()) nearest = field;
  }
  return nearest;
}

template <typename TControl>
QList<TControl *> Controls(QWidget &window) {
  QList<TControl *> controls;
  for (TControl *control : window.findChildren<TControl *>())
    if (control->window() == &window) controls.push_back(control);
  return controls;
}

}  // namespace

void NameControls(QWidget &window) {
  for (QToolButton *button : Controls<QToolButton>(window))
    if (button->accessibleName().isEmpty()) button->setAccessibleName(Spoken(button->toolTip()));
  for (QLabel *label : Controls<QLabel>(window)) {
    if (label->buddy() || label->text().isEmpty()) continue;
    QWidget *field = NamedField(*label);
    if (!field) continue;
    label->setBuddy(field);
    if (field->accessibleName().isEmpty()) field->setAccessibleName(Spoken(label->text()));
  }
}
