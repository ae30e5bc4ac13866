#ifndef LUMOPLOT_MODEL_FILENAMES_H
#define LUMOPLOT_MODEL_FILENAMES_H

#include <string>
#include <string_view>

// The name a save or open command uses: the extension (".lpp", ".txt",
// ".bmp") is appended unless the name contains it anywhere, case-sensitively.
std::string WithExtension(std::string name, std::string_view extension);

// The text a file error is shown with, from the system's error number.
std::string FileErrorText(int error);

#endif
