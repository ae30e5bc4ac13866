#pragma once

#include <QString>

// Saving and opening project files. Errors are thrown as exceptions whose
// text the general error box shows.

// Writes the project as the file name rule makes it; the old file stays whole
// when writing fails.
void SaveProject(const QString &chosenName);

// Replaces the project with the file's: settings, bounds and layers, each
// layer sampled anew. A file that cannot be read changes nothing; a value that
// cannot be read ends the load there, keeping what was loaded before it.
void OpenProject(const QString &chosenName);
