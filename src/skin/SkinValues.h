#pragma once

#include "core/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

class TbsSkinIni;

// The enumerations of skin texts. Ordinals are what the skin objects store; the words are
// what the text says, compared exactly (lower case).
enum class SkinMorphKind : uint8_t {
    mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush
};
enum class SkinInactiveEffect : uint8_t { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
enum class SkinCommand : uint8_t {
    cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray
};
enum class TbsAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

// A set of font styles, one bit each; the canvas font uses the same bits.
enum class TbsFontStyle : uint8_t { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
using TbsFontStyles = uint8_t;
constexpr bool HasFontStyle(TbsFontStyles styles, TbsFontStyle style) { return (styles & uint8_t(style)) != 0; }

std::string_view MorphKindWord(SkinMorphKind kind);
std::string_view InactiveEffectWord(SkinInactiveEffect effect);
std::string_view SkinCommandWord(SkinCommand command);
std::string_view AlignmentWord(TbsAlignment alignment);

// Value texts. A rectangle or point is a list of numbers: "," ends a number, digits are
// appended to it and every other character (blanks, signs, letters) is skipped, so "-3"
// reads as 3. A rectangle needs four numbers and a point two, each with at least one digit
// and within 32 signed bits, or EConvertError is thrown. Numbers beyond the fourth (second)
// are ignored.
TRect StrToSkinRect(std::string_view text);
TPoint StrToSkinPoint(std::string_view text);
// Every one of "fsbold", "fsitalic", "fsunderline", "fsstrikeout" found anywhere in the text.
TbsFontStyles StrToFontStyles(std::string_view text);
TbsAlignment StrToAlignment(std::string_view text);            // unknown: right-justified
SkinMorphKind StrToMorphKind(std::string_view text);           // unknown: mkDefault
SkinInactiveEffect StrToInactiveEffect(std::string_view text); // unknown: ieGrayScale
SkinCommand StrToSkinCommand(std::string_view text);           // unknown: cmMinimizeToTray

std::string SkinRectToStr(const TRect& r);
std::string SkinPointToStr(TPoint p);
std::string FontStylesToStr(TbsFontStyles styles);

// Readers of one key; a missing key yields the default named after each. A rectangle or
// point that cannot be read throws EConvertError naming the key and its section.
TRect ReadSkinRect(const TbsSkinIni& ini, std::string_view section, std::string_view key);   // 0,0,0,0
TPoint ReadSkinPoint(const TbsSkinIni& ini, std::string_view section, std::string_view key); // 0,0
bool ReadSkinBool(const TbsSkinIni& ini, std::string_view section, std::string_view key);    // false; true only for 1
TbsFontStyles ReadFontStyles(const TbsSkinIni& ini, std::string_view section, std::string_view key); // none
TbsAlignment ReadAlignment(const TbsSkinIni& ini, std::string_view section, std::string_view key);   // taCenter
SkinMorphKind ReadMorphKind(const TbsSkinIni& ini, std::string_view section, std::string_view key);  // mkDefault
SkinInactiveEffect ReadInactiveEffect(const TbsSkinIni& ini, std::string_view section,
                                      std::string_view key);                                        // ieBrightness
SkinCommand ReadSkinCommand(const TbsSkinIni& ini, std::string_view section, std::string_view key); // cmDefault

// A list held as the integer key stem + "count" and the string keys "0", "1", ... up to
// count - 1; each value is appended to list (a missing key as an empty string). A count
// beyond kMaxSkinListCount is taken as that many, so that a lying count cannot make the
// reader run for ever.
constexpr int32_t kMaxSkinListCount = 65536;
void ReadSkinList(const TbsSkinIni& ini, std::string_view section, std::string_view stem,
                  std::vector<std::string>& list);

void WriteSkinRect(TbsSkinIni& ini, std::string_view section, std::string_view key, const TRect& value);
void WriteSkinPoint(TbsSkinIni& ini, std::string_view section, std::string_view key, TPoint value);
void WriteSkinBool(TbsSkinIni& ini, std::string_view section, std::string_view key, bool value);
void WriteFontStyles(TbsSkinIni& ini, std::string_view section, std::string_view key, TbsFontStyles value);
void WriteAlignment(TbsSkinIni& ini, std::string_view section, std::string_view key, TbsAlignment value);
void WriteMorphKind(TbsSkinIni& ini, std::string_view section, std::string_view key, SkinMorphKind value);
void WriteInactiveEffect(TbsSkinIni& ini, std::string_view section, std::string_view key,
                         SkinInactiveEffect value);
void WriteSkinCommand(TbsSkinIni& ini, std::string_view section, std::string_view key, SkinCommand value);
void WriteSkinList(TbsSkinIni& ini, std::string_view section, std::string_view stem,
                   const std::vector<std::string>& list);

} // namespace tavrik
