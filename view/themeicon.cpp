#include "themeicon.h"

#include <QToolBar>
#include <QToolButton>

// Resources in a static library are only linked in when something refers to them.
static void InitIconResources() { Q_INIT_RESOURCE(icons); }

QIcon ThemeIcon(const QString &name) {
  static const bool initialised = (InitIconResources(), true);
  (void)initialised;
  return QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
}

QToolButton *AddToolButton(QToolBar *bar, const QString &iconName, const QString &hint) {
  auto *button = new QToolButton(bar);
  button->setIcon(ThemeIcon(iconName));
  button->setToolTip(hint);
  button->setAutoRaise(true);
  bar->addWidget(button);
  return button;
}
