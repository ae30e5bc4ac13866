#pragma once

// What every fuzzer needs: failing loudly, and the input as an exactly sized
// NUL-terminated heap copy, so that AddressSanitizer catches a read past it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace fuzz {

// Prints why and aborts, so the fuzzer saves the input.
[[noreturn]] inline void Fail(const char *why) {
  std::fprintf(stderr, "invariant broken: %s\n", why);
  std::abort();
}

inline void Require(bool holds, const char *why) {
  if (!holds) Fail(why);
}

// The input up to its first NUL, in a heap block of exactly that length plus the NUL.
class Text {
 public:
  Text(const std::uint8_t *data, std::size_t size) {
    const void *nul = std::memchr(data, 0, size);
    length_ = nul ? static_cast<const std::uint8_t *>(nul) - data : size;
    bytes_ = std::make_unique<char[]>(length_ + 1);
    std::memcpy(bytes_.get(), data, length_);
    bytes_[length_] = '\0';
  }
  const char *CStr() const { return bytes_.get(); }
  std::size_t Length() const { return length_; }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t length_ = 0;
};

inline bool IsEvaluationCode(unsigned code) { return code >= 31 && code <= 41; }

}  // namespace fuzz
