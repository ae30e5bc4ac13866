#pragma once

#include <QIcon>
#include <QString>

class QToolBar;
class QToolButton;

// A picture from the desktop's icon theme under exactly this standard name,
// or our own small drawing of the same name when the theme has none.
QIcon ThemeIcon(const QString &name);

// One of our own small drawings, for a command no standard name fits.
QIcon OwnIcon(const QString &name);

// A flat tool button with a themed picture and its hint as tool tip, added to a bar.
QToolButton *AddToolButton(QToolBar *bar, const QString &iconName, const QString &hint);
