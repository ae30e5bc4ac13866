#include "files.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "filenames.h"

namespace {

[[noreturn]] void ThrowFileError(int error) { throw TFileError(FileErrorText(error)); }

// Closes the descriptor on every way out.
class TDescriptor {
 public:
  explicit TDescriptor(int fd) : fd_(fd) {}
  ~TDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  TDescriptor(const TDescriptor &) = delete;
  TDescriptor &operator=(const TDescriptor &) = delete;
  int Get() const { return fd_; }
  // Closes now, for writes whose failure shows only here.
  bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

void WriteAll(int fd, const std::string &bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) ThrowFileError(written < 0 ? errno : EIO);
    done += static_cast<std::size_t>(written);
  }
}

// A new file of a free name beside name; permissions as umask gives them.
std::string CreateBeside(const std::string &name, int &fd) {
  std::random_device random;
  for (int attempt = 0;; ++attempt) {
    const std::string temporary = name + ".~" + std::to_string(random() % 1000000000u);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return temporary;
    if (errno != EEXIST || attempt == 100) ThrowFileError(errno);
  }
}

}  // namespace

std::string ReadFileBytes(const std::string &name) {
  TDescriptor file(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.Get() < 0) ThrowFileError(errno);
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) ThrowFileError(errno);
  if (!S_ISREG(status.st_mode)) ThrowFileError(EACCES);
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ThrowFileError(errno);
    if (got == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

void SaveFileBytes(const std::string &name, const std::string &bytes) {
  struct stat old {};
  const bool exists = ::stat(name.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) ThrowFileError(S_ISDIR(old.st_mode) ? EISDIR : EACCES);
  int fd = -1;
  const std::string temporary = CreateBeside(name, fd);
  TDescriptor file(fd);
  try {
    if (exists && ::fchmod(file.Get(), old.st_mode & 07777) != 0) ThrowFileError(errno);
    WriteAll(file.Get(), bytes);
    if (!file.Close()) ThrowFileError(errno);
    if (::rename(temporary.c_str(), name.c_str()) != 0) ThrowFileError(errno);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
}
