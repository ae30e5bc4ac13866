#pragma once

// Test cases printed readably in test names and failure messages: control
// and non-ASCII bytes as \xNN, long texts cut with their length.

#include <cstdio>
#include <ostream>
#include <string_view>

inline void PrintReadable(std::string_view text, std::ostream *out) {
  constexpr std::size_t kShown = 48;
  *out << '"';
  for (unsigned char c : text.substr(0, kShown)) {
    if (c >= ' ' && c < 0x7F) {
      *out << c;
      continue;
    }
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
    *out << escaped;
  }
  *out << '"';
  if (text.size() > kShown) *out << "... (" << text.size() << " characters)";
}
