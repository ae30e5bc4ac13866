#include "errorbox.h"

#include <QApplication>

#include "dialogs.h"

QString WithFinalStop(const QString &text) {
  const QChar stop = u'.';
  if (!text.isEmpty() && text.back() > stop) return text + stop;
  return text;
}

void ShowErrorBox(const QString &text) {
  Dialogs().Message(QApplication::activeWindow(), QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                    WithFinalStop(text), QMessageBox::Ok);
}
