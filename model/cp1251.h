#ifndef LUMOPLOT_MODEL_CP1251_H
#define LUMOPLOT_MODEL_CP1251_H

#include <optional>
#include <string>
#include <string_view>

// The single-byte code page of expressions and of the files the program writes.

// UTF-8 to Windows-1251; nothing when a character has no place in the code page.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

// Windows-1251 to UTF-8; every byte has a meaning except 0x98, which becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view cp1251);

#endif
