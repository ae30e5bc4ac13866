#pragma once

#include <QApplication>
#include <QTranslator>

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
