#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// The names typed in a file dialog's name field: several, each in double quotes
// ("a.jpg" "b c.bmp"), or else the whole text, trimmed, as one name. A name inside quotes is
// kept exactly, blanks included; empty quotes and a blank field give nothing, and a last quote
// left open ends at the end of the text.
std::vector<std::string> SplitFileNames(std::string_view text);
// The inverse, for showing a selection: one name as it is, several each in quotes.
std::string JoinFileNames(const std::vector<std::string>& names);

} // namespace tavrik
