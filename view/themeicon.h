#pragma once

#include <QIcon>
#include <QString>

class QToolBar;
class QToolButton;

// A picture from the desktop's icon theme by its standard name, or our own
// small drawing of the same name when the theme has none.
QIcon ThemeIcon(const QString &name);

// A flat tool button with a themed picture and its hint as tool tip, added to a bar.
QToolButton *AddToolButton(QToolBar *bar, const QString &iconName, const QString &hint);
