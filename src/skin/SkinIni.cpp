#include "skin/SkinIni.h"

#include "core/Utf8.h"

#include <limits>

namespace tavrik {

namespace {

// Skin files come from many editors; any control character counts as a blank at the ends.
std::string_view TrimBlanks(std::string_view s)
{
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<uint32_t> ParseHex(std::string_view digits)
{
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + uint64_t(d);
        if (value > std::numeric_limits<uint32_t>::max()) return std::nullopt;
    }
    return uint32_t(value);
}

std::optional<uint64_t> ParseDecimal(std::string_view digits, uint64_t limit)
{
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + uint64_t(c - '0');
        if (value > limit) return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<int32_t> ParseSkinInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    bool dollar = !text.empty() && text[0] == '$';
    bool zeroX = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (dollar || zeroX) {
        std::optional<uint32_t> hex = ParseHex(text.substr(dollar ? 1 : 2));
        if (!hex) return std::nullopt;
        uint32_t bits = negative ? uint32_t(0) - *hex : *hex;
        return static_cast<int32_t>(bits);
    }
    uint64_t limit = negative ? uint64_t(1) << 31 : (uint64_t(1) << 31) - 1;
    std::optional<uint64_t> magnitude = ParseDecimal(text, limit);
    if (!magnitude) return std::nullopt;
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(*magnitude)) : static_cast<int32_t>(*magnitude);
}

TbsSkinIni::TbsSkinIni(const std::vector<std::string>& lines)
{
    constexpr size_t kNoSection = size_t(-1);
    size_t current = kNoSection;
    for (const std::string& raw : lines) {
        std::string_view line = TrimBlanks(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = IndexOrAdd(TrimBlanks(line.substr(1, line.size() - 2)));
            continue;
        }
        size_t eq = line.find('=');
        if (current == kNoSection || eq == std::string_view::npos) continue;
        SetValue(sections_[current], TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1)), false);
    }
}

std::vector<std::string> TbsSkinIni::SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

const TbsSkinIni::Section* TbsSkinIni::Find(std::string_view section) const
{
    auto it = sectionIndex_.find(LowerCaseAscii(section));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

size_t TbsSkinIni::IndexOrAdd(std::string_view section)
{
    auto [it, added] = sectionIndex_.emplace(LowerCaseAscii(section), sections_.size());
    if (added) sections_.push_back(Section{std::string(section), {}, {}});
    return it->second;
}

void TbsSkinIni::SetValue(Section& section, std::string_view key, std::string_view value, bool replace)
{
    auto [it, added] = section.index.emplace(LowerCaseAscii(key), section.keys.size());
    if (added)
        section.keys.emplace_back(std::string(key), std::string(value));
    else if (replace)
        section.keys[it->second].second = std::string(value);
}

bool TbsSkinIni::SectionExists(std::string_view section) const
{
    return KeyCount(section) > 0;
}

size_t TbsSkinIni::KeyCount(std::string_view section) const
{
    const Section* s = Find(section);
    return s == nullptr ? 0 : s->keys.size();
}

const std::string* TbsSkinIni::FindValue(std::string_view section, std::string_view key) const
{
    const Section* s = Find(section);
    if (s == nullptr) return nullptr;
    auto it = s->index.find(LowerCaseAscii(key));
    return it == s->index.end() ? nullptr : &s->keys[it->second].second;
}

std::string TbsSkinIni::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    const std::string* value = FindValue(section, key);
    return value ? *value : std::string(def);
}

int32_t TbsSkinIni::ReadInteger(std::string_view section, std::string_view key, int32_t def) const
{
    const std::string* value = FindValue(section, key);
    if (value == nullptr) return def;
    return ParseSkinInteger(*value).value_or(def);
}

void TbsSkinIni::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    SetValue(sections_[IndexOrAdd(section)], key, value, true);
}

void TbsSkinIni::WriteInteger(std::string_view section, std::string_view key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void TbsSkinIni::EraseSection(std::string_view section)
{
    auto it = sectionIndex_.find(LowerCaseAscii(section));
    if (it == sectionIndex_.end()) return;
    sections_.erase(sections_.begin() + std::ptrdiff_t(it->second));
    sectionIndex_.clear();
    for (size_t i = 0; i < sections_.size(); ++i) sectionIndex_.emplace(LowerCaseAscii(sections_[i].name), i);
}

std::vector<std::string> TbsSkinIni::Lines() const
{
    std::vector<std::string> lines;
    for (const Section& s : sections_) {
        lines.push_back("[" + s.name + "]");
        for (const auto& [key, value] : s.keys) lines.push_back(key + "=" + value);
        lines.emplace_back();
    }
    return lines;
}

bool IsSkinDefinition(const TbsSkinIni& ini)
{
    for (std::string_view section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
        if (!ini.SectionExists(section)) return false;
    return true;
}

} // namespace tavrik
