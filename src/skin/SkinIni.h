#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tavrik {

// A skin text held in memory as sections of keys.
//
// Reading: every line is trimmed of surrounding blanks (any character up to the space);
// empty lines and lines beginning with ";" are skipped; a line beginning with "[" and
// ending with "]" opens the section named by the trimmed text between them; inside a
// section, a line holding "=" gives the key before the first "=" (trimmed) the value after
// it (trimmed); lines before the first section and lines without "=" are ignored.
// Section and key names match without regard to ASCII letter case; values are kept as
// written. A section opened twice is one section, and a key given twice keeps its first
// value, which is the one every lookup would find.
class TbsSkinIni {
public:
    TbsSkinIni() = default;
    explicit TbsSkinIni(const std::vector<std::string>& lines);

    // Splits text at CR LF, LF or CR, as a skin file's lines are taken.
    static std::vector<std::string> SplitLines(std::string_view text);

    // A section exists only when it holds at least one key.
    bool SectionExists(std::string_view section) const;
    size_t KeyCount(std::string_view section) const;
    const std::string* FindValue(std::string_view section, std::string_view key) const;
    bool ValueExists(std::string_view section, std::string_view key) const
    {
        return FindValue(section, key) != nullptr;
    }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // A value that is no integer (see ParseSkinInteger) reads as def.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;

    // A new key goes to the end of its section, a new section to the end of the text.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void EraseSection(std::string_view section);

    // The text back: each section as "[name]", its "key=value" lines, then an empty line.
    std::vector<std::string> Lines() const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
        std::unordered_map<std::string, size_t> index; // lower-case key -> position in keys
    };

    const Section* Find(std::string_view section) const;
    size_t IndexOrAdd(std::string_view section);
    static void SetValue(Section& section, std::string_view key, std::string_view value, bool replace);

    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_; // lower-case name -> position
};

// An integer as skin texts write it: an optional sign, then decimal digits, or hexadecimal
// digits after "$" or after "0x"/"0X". Decimal values must fit in 32 signed bits; hexadecimal
// ones may use all 32 bits ("$FFFFFFFF" is -1). Anything else, blanks included, is no integer.
std::optional<int32_t> ParseSkinInteger(std::string_view text);

// True when the text holds the five sections a skin needs, each with at least one key:
// [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] and [SKINCONTROLS].
bool IsSkinDefinition(const TbsSkinIni& ini);

} // namespace tavrik
