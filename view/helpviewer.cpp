#include "helpviewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString &CurrentHelpFile() {
  static QString file = QStringLiteral("Help/Lumoplot.hlp");
  return file;
}

}  // namespace

THelpViewer::THelpViewer(QWidget *parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Справка"));
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenLinks(true);
  resize(640, 520);
}

void THelpViewer::Open(const QString &file, int context) {
  QFile help(file);
  if (!help.open(QIODevice::ReadOnly)) {
    loadedFile_.clear();
    browser_->setPlainText(QStringLiteral("Не удаётся открыть файл справки \"%1\": %2")
                               .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()), help.errorString()));
  } else {
    const QString path = QFileInfo(file).absoluteFilePath();
    if (path != loadedFile_) {
      browser_->setSearchPaths({QFileInfo(file).absolutePath()});
      browser_->setHtml(QString::fromUtf8(help.readAll()));
      loadedFile_ = path;
    }
    if (context == 0)
      browser_->scrollToAnchor(QStringLiteral("contents"));
    else
      browser_->scrollToAnchor(QString::number(context));
  }
  show();
  raise();
  activateWindow();
}

QString THelpViewer::Text() const { return browser_->toPlainText(); }

void SetHelpFile(const QString &file) { CurrentHelpFile() = file; }
QString HelpFile() { return CurrentHelpFile(); }

// An installed program finds its help under share/lumoplot beside its bin folder.
QString HelpFileNextToProgram() {
  const QString folder = QCoreApplication::applicationDirPath();
  const QString beside = folder + QStringLiteral("/Help/Lumoplot.hlp");
  const QString installed = QDir::cleanPath(folder + QStringLiteral("/../share/lumoplot/Help/Lumoplot.hlp"));
  return QFile::exists(beside) || !QFile::exists(installed) ? beside : installed;
}

void ShowHelpTopic(int context) {
  SetHelpFile(HelpFileNextToProgram());
  ShowHelpContext(context);
}

void ShowHelpContext(int context) { HelpViewer().Open(HelpFile(), context); }

// Made on first use and owned by the application, which deletes it as it
// quits, while every window is still there.
THelpViewer &HelpViewer() {
  static QPointer<THelpViewer> viewer;
  if (!viewer) {
    viewer = new THelpViewer;
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, viewer, [] { delete viewer; });
  }
  return *viewer;
}
