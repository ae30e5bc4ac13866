#pragma once

#include <string>
#include <vector>

#include "graph.h"

#include "projectfile.h"

// Saving and opening project files. Names are the bytes the system knows the
// file by; errors are thrown as exceptions whose text the general error box
// shows.

// Writes the project under the name the file name rule makes; the old file
// stays whole when writing fails.
void SaveProject(const std::string &chosenName);

// Replaces the project with the file's: settings, bounds and layers, each
// layer sampled anew. A file that cannot be read changes nothing; a value that
// cannot be read ends the load there, keeping what was loaded before it.
void OpenProject(const std::string &chosenName);

// Replaces the project in the windows with what a read of a file got: the
// settings lines it reached, the bounds once all four were read, and the whole
// layers read, each sampled anew.
void ShowProjectContents(const TProjectContents &contents, const TProjectRead &read);
// The same with the layers already sampled (SampleLayers of contents).
void ShowProjectContents(const TProjectContents &contents, const TProjectRead &read, std::vector<TGraph> graphs);
