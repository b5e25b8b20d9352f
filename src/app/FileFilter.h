#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// One entry of a file dialog's filter: "JPEG Image File (*.jpg)" with its masks {"*.jpg"}.
struct TFileFilterEntry {
    std::string description;
    std::vector<std::string> masks;
};

// Reads a filter of description and mask pairs separated by bars,
// "All (*.jpg;*.bmp)|*.jpg;*.bmp|Bitmaps (*.bmp)|*.bmp|": masks are separated by ";", empty
// ones are dropped, and a trailing bar or a description without masks is tolerated (an entry
// without masks matches every file).
std::vector<TFileFilterEntry> ParseFileFilter(std::string_view filter);

// Whether a file name matches a mask of "*" (any run) and "?" (one character), ignoring the
// case of ASCII letters: "*.jpg" matches "photo.JPG".
bool MatchesMask(std::string_view name, std::string_view mask);
// Whether it matches any mask of the entry (every name when it has none).
bool MatchesFilter(std::string_view name, const TFileFilterEntry& entry);

} // namespace tavrik
