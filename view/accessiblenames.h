#pragma once

class QWidget;

// Gives the tool buttons, spin fields and input fields of a window the names a
// screen reader says: a tool button its hint, a field the caption of the label
// just left of it in its row, whose buddy it becomes, so that the caption also
// leads the keyboard there. Names already given stay. Runs once the window is
// built and laid out, and leaves the windows it owns (dialogs) to their own run.
void NameControls(QWidget &window);
