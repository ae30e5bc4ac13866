#pragma once

class QAbstractItemView;

// Every row of a list the same height, whatever its font asks for: the lists
// are designed with rows of a fixed height, and a stand-in font's own line
// height differs from the designed font's.
void SetRowHeight(QAbstractItemView &view, int height);
