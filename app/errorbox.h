#pragma once

#include <QString>

// The text as the general error box shows it: a final "." is added when the
// last character comes after "." in character-code order, so a text ending in a
// letter or a digit gets one and a text ending in "." or ")" does not.
QString WithFinalStop(const QString &text);

// The general error box for an error that escaped a command: captioned with the
// application title, an error icon and one OK button.
void ShowErrorBox(const QString &text);
