#include "savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <stdexcept>

#include "filenames.h"

namespace {

[[noreturn]] void ThrowFileError(int error) { throw std::runtime_error(FileErrorText(error)); }

}  // namespace

void SaveFileBytes(const QString &name, const QByteArray &bytes) {
  QSaveFile file(name);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly)) ThrowFileError(errno ? errno : EACCES);
  errno = 0;
  if (file.write(bytes) != bytes.size() || !file.commit()) ThrowFileError(errno ? errno : EIO);
}

std::string ReadFileBytes(const QString &name) {
  QFile file(name);
  errno = 0;
  // Qt refuses a folder without a system error of its own.
  if (QFileInfo(name).isDir()) ThrowFileError(EISDIR);
  if (!file.open(QIODevice::ReadOnly)) ThrowFileError(errno ? errno : ENOENT);
  errno = 0;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) ThrowFileError(errno ? errno : EIO);
  return bytes.toStdString();
}
