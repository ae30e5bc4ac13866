#pragma once

#include <QString>
#include <string>
#include <vector>

// The outputs of the plot: the values table and the picture, to a file or to
// the default printer, of the layers ticked in the selection dialog (one flag
// per layer, in layer order). File names are the bytes the system knows the
// file by.

void WriteValuesFile(const std::string &chosenName, const std::vector<bool> &ticked);
void PrintValues(const std::vector<bool> &ticked);
// The plot chart as the screen shows it, with only the ticked layers, as a
// 24-bit bitmap; every layer's visibility is restored afterwards.
void WritePictureFile(const std::string &chosenName, const std::vector<bool> &ticked);
void PrintPicture(const std::vector<bool> &ticked);

// The values table's lines as text, for file and printer alike.
std::vector<QString> ValuesTableLines(const std::vector<bool> &ticked);
