#include "app/FileFilter.h"

#include <cctype>

namespace tavrik {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

char Lower(char c) { return char(std::tolower(static_cast<unsigned char>(c))); }

} // namespace

std::vector<TFileFilterEntry> ParseFileFilter(std::string_view filter)
{
    std::vector<TFileFilterEntry> entries;
    std::vector<std::string_view> parts = Split(filter, '|');
    for (size_t i = 0; i < parts.size(); i += 2) {
        std::string_view description = parts[i];
        std::string_view masks = i + 1 < parts.size() ? parts[i + 1] : std::string_view();
        if (description.empty() && masks.empty()) continue;
        TFileFilterEntry entry{std::string(description), {}};
        for (std::string_view mask : Split(masks, ';')) {
            mask = Trim(mask);
            if (!mask.empty()) entry.masks.emplace_back(mask);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool MatchesMask(std::string_view name, std::string_view mask)
{
    // Greedy matching with one backtrack point for the last "*": linear in practice.
    size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || Lower(mask[m]) == Lower(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

bool MatchesFilter(std::string_view name, const TFileFilterEntry& entry)
{
    if (entry.masks.empty()) return true;
    for (const std::string& mask : entry.masks)
        if (MatchesMask(name, mask)) return true;
    return false;
}

} // namespace tavrik
