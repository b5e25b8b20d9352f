#include "skindialogs/TypedFileNames.h"

#include "core/Utf8.h"

#include <algorithm>

namespace tavrik {

std::vector<std::string> SplitFileNames(std::string_view text)
{
    text = TrimAscii(text);
    std::vector<std::string> names;
    if (text.empty()) return names;
    if (text.front() != '"') return {std::string(text)};
    size_t open = 0;
    while ((open = text.find('"', open)) != std::string_view::npos) {
        size_t close = std::min(text.find('"', open + 1), text.size());
        if (close > open + 1) names.emplace_back(text.substr(open + 1, close - open - 1));
        open = close + 1;
        if (open >= text.size()) break;
    }
    return names;
}

std::string JoinFileNames(const std::vector<std::string>& names)
{
    if (names.size() == 1) return names.front();
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "\"" : " \"") + name + "\"";
    return text;
}

} // namespace tavrik
