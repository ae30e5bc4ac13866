#pragma once

#include <QApplication>
#include <QTranslator>

// Whether windows can be opened: a display, or a platform named for Qt.
bool DisplayAvailable();

// The program's application object: Russian standard texts, a font that can
// show them, and the general error box for errors that escape a command.
class TApplication : public QApplication {
 public:
  TApplication(int &argc, char **argv);

  bool notify(QObject *receiver, QEvent *event) override;

 private:
  void LoadQtTranslations();
  void UseCyrillicFont();

  QTranslator qtTranslator_;
};
