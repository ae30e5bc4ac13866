#ifndef LUMOPLOT_MODEL_FILES_H
#define LUMOPLOT_MODEL_FILES_H

#include <stdexcept>
#include <string>

// Whole-file reads and writes with the program's file error texts. Names are
// the bytes the system knows the file by, whatever their encoding.

class TFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file's bytes. Anything but a regular file (a folder, a pipe, a device)
// is refused as "File access denied" before it is read, so nothing can block.
std::string ReadFileBytes(const std::string &name);

// Writes through a new file beside the old one that replaces it only when
// complete, so a failed save never destroys what was there. The new file gets
// the old one's permissions.
void SaveFileBytes(const std::string &name, const std::string &bytes);

#endif
