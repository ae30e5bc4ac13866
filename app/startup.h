#pragma once

// The application title (the error box's caption) and the help file as
// start-up sets them, before any window exists.
void SetTitleAndHelpFile();

// Creates every window of the program once and stores it in its program-wide
// instance: the frame first, then the plot window, the panels and the dialogs.
void CreateWindows();

// Shows the plot window and the three panels, in this order.
void ShowWindows();

// Destroys the windows in the reverse order of their creation.
void DestroyWindows();
