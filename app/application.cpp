#include "application.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <cstdlib>
#include <exception>

#include "errorbox.h"
#include "programversion.h"

bool DisplayAvailable() {
  return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr ||
         std::getenv("QT_QPA_PLATFORM") != nullptr;
}

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {
  setApplicationVersion(QString::fromLatin1(ProgramVersion));
  // Every window without a picture of its own shows the program's.
  setWindowIcon(QIcon(QStringLiteral(":/pictures/lumoplot.svg")));
  LoadQtTranslations();
  UseCyrillicFont();
}

// Every command runs inside the delivery of some event, so this is the one
// place where an error that ends a command is caught; the program goes on.
bool TApplication::notify(QObject *receiver, QEvent *event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception &error) {
    ShowErrorBox(QString::fromUtf8(error.what()));
  } catch (...) {
    ShowErrorBox(QStringLiteral("Неизвестная ошибка"));
  }
  return false;
}

// The interface is Russian whatever the locale, and so are the standard buttons.
void TApplication::LoadQtTranslations() {
  if (qtTranslator_.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    installTranslator(&qtTranslator_);
  }
}

// The desktop's own font, unless there is none or it has no Cyrillic letters.
void TApplication::UseCyrillicFont() {
  const QString family = QFontInfo(font()).family();
  if (family.isEmpty() || !QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic)) {
    setFont(QFont(QStringLiteral("Liberation Sans"), 9));
  }
}
