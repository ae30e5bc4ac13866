#include "themeicon.h"

#include <QToolBar>
#include <QToolButton>

// Resources in a static library are only linked in when something refers to them.
static void InitIconResources() { Q_INIT_RESOURCE(icons); }

QIcon OwnIcon(const QString &name) {
  static const bool initialised = (InitIconResources(), true);
  (void)initialised;
  return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

// A theme without the name offers the picture of a shorter one instead
// ("help-about" and "help-contents" both become "help"), which may well be
// another command's picture; that offer is refused.
QIcon ThemeIcon(const QString &name) {
  const QIcon themed = QIcon::fromTheme(name);
  if (!themed.isNull() && themed.name() == name) return themed;
  return OwnIcon(name);
}

QToolButton *AddToolButton(QToolBar *bar, const QString &iconName, const QString &hint) {
  auto *button = new QToolButton(bar);
  button->setIcon(ThemeIcon(iconName));
  button->setToolTip(hint);
  button->setAutoRaise(true);
  bar->addWidget(button);
  return button;
}
