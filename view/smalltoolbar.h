#pragma once

class QToolBar;

// Tool bars of small buttons: 16-pixel pictures in 22-pixel buttons side by
// side, separators 8 pixels wide, and around the buttons a frame of one pixel
// or none. Applies to what the bar holds when it is called.
void MakeSmallToolBar(QToolBar &bar, bool framed);
