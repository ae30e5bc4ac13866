#pragma once

class QWindow;

// Handles the window system's events until it has put the window on screen,
// for at most a second; start-up runs before the event loop, and some things
// can only be done once a window is really there.
bool WaitUntilExposed(const QWindow *window);
