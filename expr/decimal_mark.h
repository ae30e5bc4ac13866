#pragma once

namespace zeval {

// Stands for a locale whose decimal mark is neither "." nor "," (or is longer than
// one byte): numerals written with either then fail to read, as they should.
inline constexpr char kForeignMark = '\x01';

// The decimal mark of the locale named by the environment (LC_ALL, then
// LC_NUMERIC, then LANG), read once when the library is loaded.
char DecimalMark();

// The decimal mark of the named locale; "." when the name is empty or unknown.
char DecimalMarkOfLocale(const char *name);

}  // namespace zeval
