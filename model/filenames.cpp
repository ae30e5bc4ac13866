#include "filenames.h"

#include <cerrno>

std::string WithExtension(std::string name, std::string_view extension) {
  if (name.find(extension) == std::string::npos) name += extension;
  return name;
}

std::string FileErrorText(int error) {
  switch (error) {
    case ENOENT:
      return "File not found";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return "File access denied";
    case ENAMETOOLONG:
    case EINVAL:
    case ENOTDIR:
      return "Invalid filename";
    case EMFILE:
    case ENFILE:
      return "Too many open files";
    case ENOSPC:
    case EDQUOT:
      return "Disk full";
    default:
      return "I/O error " + std::to_string(error);
  }
}
