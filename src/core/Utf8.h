#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// All text inside the program is UTF-8. Malformed bytes decode as U+FFFD one byte at a time,
// so that every position of a string is reachable by stepping.

// Decodes the code point starting at pos and advances pos past it.
char32_t Utf8Next(std::string_view text, size_t& pos);
// The start of the code point before pos (pos itself when it is 0).
size_t Utf8Prev(std::string_view text, size_t pos);
void Utf8Append(std::string& out, char32_t cp);
std::string Utf8Encode(char32_t cp);
std::u32string Utf8ToUtf32(std::string_view text);
std::string Utf32ToUtf8(std::u32string_view text);
size_t Utf8Length(std::string_view text); // in code points

// ASCII-only case mapping, as file extensions and ini keys need it.
std::string UpperCaseAscii(std::string_view text);
std::string LowerCaseAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);
std::string_view TrimAscii(std::string_view text);

} // namespace tavrik
