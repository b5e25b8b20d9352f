#include "skin/SkinValues.h"

#include "core/Exception.h"
#include "skin/SkinIni.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tavrik {

namespace {

constexpr std::array<std::string_view, 7> kMorphWords = {
    "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<std::string_view, 6> kEffectWords = {
    "iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"};
constexpr std::array<std::string_view, 7> kCommandWords = {
    "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup", "cmminimizetotray"};
constexpr std::array<std::string_view, 3> kAlignmentWords = {"taleftjustify", "tarightjustify", "tacenter"};
constexpr std::array<std::string_view, 4> kFontStyleWords = {"fsbold", "fsitalic", "fsunderline", "fsstrikeout"};

// The ordinal of the first word equal to text, or fallback.
template <size_t N>
size_t WordIndex(const std::array<std::string_view, N>& words, std::string_view text, size_t fallback)
{
    for (size_t i = 0; i < N; ++i)
        if (words[i] == text) return i;
    return fallback;
}

// Fills the slots of a number list; false when a slot lacks digits or overflows.
template <size_t N>
bool ParseNumberList(std::string_view text, std::array<int32_t, N>& slots)
{
    std::array<int64_t, N> values{};
    std::array<bool, N> hasDigit{};
    size_t slot = 0;
    for (char c : text) {
        if (c == ',') {
            if (++slot == N) break; // numbers beyond the last slot are not kept
        } else if (c >= '0' && c <= '9') {
            values[slot] = values[slot] * 10 + (c - '0');
            hasDigit[slot] = true;
            if (values[slot] > std::numeric_limits<int32_t>::max()) return false;
        }
    }
    for (size_t i = 0; i < N; ++i) {
        if (!hasDigit[i]) return false;
        slots[i] = int32_t(values[i]);
    }
    return true;
}

[[noreturn]] void ThrowBadList(std::string_view text, std::string_view what)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid " + std::string(what));
}

// A missing key reads as the value's zero; a bad value names its key and section.
template <class Parse>
auto ReadNumberList(const TbsSkinIni& ini, std::string_view section, std::string_view key, Parse parse)
    -> decltype(parse(std::string_view()))
{
    const std::string* value = ini.FindValue(section, key);
    if (value == nullptr) return {};
    try {
        return parse(*value);
    } catch (const EConvertError& e) {
        throw EConvertError(e.Message() + " (key " + std::string(key) + " of [" + std::string(section) + "])");
    }
}

} // namespace

std::string_view MorphKindWord(SkinMorphKind kind) { return kMorphWords.at(size_t(kind)); }
std::string_view InactiveEffectWord(SkinInactiveEffect effect) { return kEffectWords.at(size_t(effect)); }
std::string_view SkinCommandWord(SkinCommand command) { return kCommandWords.at(size_t(command)); }
std::string_view AlignmentWord(TbsAlignment alignment) { return kAlignmentWords.at(size_t(alignment)); }

TRect StrToSkinRect(std::string_view text)
{
    std::array<int32_t, 4> n{};
    if (!ParseNumberList(text, n)) ThrowBadList(text, "rectangle");
    return {n[0], n[1], n[2], n[3]};
}

TPoint StrToSkinPoint(std::string_view text)
{
    std::array<int32_t, 2> n{};
    if (!ParseNumberList(text, n)) ThrowBadList(text, "point");
    return {n[0], n[1]};
}

TbsFontStyles StrToFontStyles(std::string_view text)
{
    TbsFontStyles styles = 0;
    for (size_t i = 0; i < kFontStyleWords.size(); ++i)
        if (text.find(kFontStyleWords[i]) != std::string_view::npos) styles |= TbsFontStyles(1u << i);
    return styles;
}

TbsAlignment StrToAlignment(std::string_view text)
{
    return TbsAlignment(WordIndex(kAlignmentWords, text, size_t(TbsAlignment::taRightJustify)));
}

SkinMorphKind StrToMorphKind(std::string_view text)
{
    return SkinMorphKind(WordIndex(kMorphWords, text, size_t(SkinMorphKind::mkDefault)));
}

SkinInactiveEffect StrToInactiveEffect(std::string_view text)
{
    return SkinInactiveEffect(WordIndex(kEffectWords, text, size_t(SkinInactiveEffect::ieGrayScale)));
}

SkinCommand StrToSkinCommand(std::string_view text)
{
    // The last word is the fallback, so it is never matched as a word of its own.
    std::array<std::string_view, 6> matched{};
    std::copy_n(kCommandWords.begin(), matched.size(), matched.begin());
    return SkinCommand(WordIndex(matched, text, size_t(SkinCommand::cmMinimizeToTray)));
}

std::string SkinRectToStr(const TRect& r)
{
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

std::string SkinPointToStr(TPoint p)
{
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string FontStylesToStr(TbsFontStyles styles)
{
    std::string text;
    for (size_t i = 0; i < kFontStyleWords.size(); ++i) {
        if ((styles & (1u << i)) == 0) continue;
        if (!text.empty()) text += ",";
        text += kFontStyleWords[i];
    }
    return text;
}

TRect ReadSkinRect(const TbsSkinIni& ini, std::string_view section, std::string_view key)
{
    return ReadNumberList(ini, section, key, StrToSkinRect);
}

TPoint ReadSkinPoint(const TbsSkinIni& ini, std::string_view section, std::string_view key)
{
    return ReadNumberList(ini, section, key, StrToSkinPoint);
}

bool ReadSkinBool(const TbsSkinIni& ini, std::string_view section, std::string_view key)
{
    return ini.ReadInteger(section, key, 0) == 1;
}

TbsFontStyles ReadFontStyles(const TbsSkinIni& ini, std::string_view section, std::string_view key)
{
    return StrToFontStyles(ini.ReadString(section, key, ""));
}

TbsAlignment ReadAlignment(const TbsSkinIni& ini, std::string_view section, std::string_view key)
{
    return StrToAlignment(ini.ReadString(section, key, "tacenter"));
}

SkinMorphKind ReadMorphKind(const TbsSkinIni& ini, std::string_view section, std::string_view key)
{
    return StrToMorphKind(ini.ReadString(section, key, "mkdefault"));
}

SkinInactiveEffect ReadInactiveEffect(const TbsSkinIni& ini, std::string_view section, std::string_view key)
{
    return StrToInactiveEffect(ini.ReadString(section, key, "iebrightness"));
}

SkinCommand ReadSkinCommand(const TbsSkinIni& ini, std::string_view section, std::string_view key)
{
    return StrToSkinCommand(ini.ReadString(section, key, "cmdefault"));
}

void ReadSkinList(const TbsSkinIni& ini, std::string_view section, std::string_view stem,
                  std::vector<std::string>& list)
{
    int32_t count = std::min(ini.ReadInteger(section, std::string(stem) + "count", 0), kMaxSkinListCount);
    for (int32_t i = 0; i < count; ++i) list.push_back(ini.ReadString(section, std::to_string(i), ""));
}

void WriteSkinRect(TbsSkinIni& ini, std::string_view section, std::string_view key, const TRect& value)
{
    ini.WriteString(section, key, SkinRectToStr(value));
}

void WriteSkinPoint(TbsSkinIni& ini, std::string_view section, std::string_view key, TPoint value)
{
    ini.WriteString(section, key, SkinPointToStr(value));
}

void WriteSkinBool(TbsSkinIni& ini, std::string_view section, std::string_view key, bool value)
{
    ini.WriteInteger(section, key, value ? 1 : 0);
}

void WriteFontStyles(TbsSkinIni& ini, std::string_view section, std::string_view key, TbsFontStyles value)
{
    ini.WriteString(section, key, FontStylesToStr(value));
}

void WriteAlignment(TbsSkinIni& ini, std::string_view section, std::string_view key, TbsAlignment value)
{
    ini.WriteString(section, key, AlignmentWord(value));
}

void WriteMorphKind(TbsSkinIni& ini, std::string_view section, std::string_view key, SkinMorphKind value)
{
    ini.WriteString(section, key, MorphKindWord(value));
}

void WriteInactiveEffect(TbsSkinIni& ini, std::string_view section, std::string_view key, SkinInactiveEffect value)
{
    ini.WriteString(section, key, InactiveEffectWord(value));
}

void WriteSkinCommand(TbsSkinIni& ini, std::string_view section, std::string_view key, SkinCommand value)
{
    ini.WriteString(section, key, SkinCommandWord(value));
}

void WriteSkinList(TbsSkinIni& ini, std::string_view section, std::string_view stem,
                   const std::vector<std::string>& list)
{
    ini.WriteInteger(section, std::string(stem) + "count", int32_t(list.size()));
    for (size_t i = 0; i < list.size(); ++i) ini.WriteString(section, std::to_string(i), list[i]);
}

} // namespace tavrik
