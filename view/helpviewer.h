#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's help: an HTML help file whose topics are anchors named after
// their context numbers ("60", "70", ...), shown in a browser window of our own.
class THelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit THelpViewer(QWidget *parent = nullptr);

  // Shows the file at its contents (context 0) or at a topic.
  void Open(const QString &file, int context);
  QString Text() const;

 private:
  QTextBrowser *browser_;
  QString loadedFile_;
};

// The help file the next request opens; start-up sets a relative name, the
// help buttons the one next to the executable.
void SetHelpFile(const QString &file);
QString HelpFile();
// "Help/Lumoplot.hlp" in the executable's folder, or where installing puts it.
QString HelpFileNextToProgram();

// The help buttons: set the file next to the program, then open the topic.
void ShowHelpTopic(int context);
// Opens the topic in the help file as last set.
void ShowHelpContext(int context);
THelpViewer &HelpViewer();
