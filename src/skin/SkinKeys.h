#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/SkinValues.h"

#include <string>
#include <string_view>

namespace tavrik {

class TbsSkinIni;

// The kinds of key a skin section reads: the type of the field each fills, and the value a
// missing key reads as where the section's key list gives none (skin/SkinKeyMacros.h). Int,
// Color and String keys always name their default in the list.
namespace skinkey {
using Rect = TRect;
using Point = TPoint;
using Int = int32_t;
using Color = TColor;
using Bool = bool;
using String = std::string;
using FontStyles = TbsFontStyles;
using Alignment = TbsAlignment;
using MorphKind = SkinMorphKind;
using InactiveEffect = SkinInactiveEffect;
using Command = SkinCommand;
using PictureIndex = int32_t; // an index into the skin's pictures

inline constexpr TRect RectDefault{};
inline constexpr TPoint PointDefault{};
inline constexpr bool BoolDefault = false;
inline constexpr TbsFontStyles FontStylesDefault = 0;
inline constexpr TbsAlignment AlignmentDefault = TbsAlignment::taCenter;
inline constexpr SkinMorphKind MorphKindDefault = SkinMorphKind::mkDefault;
inline constexpr SkinInactiveEffect InactiveEffectDefault = SkinInactiveEffect::ieBrightness;
inline constexpr SkinCommand CommandDefault = SkinCommand::cmDefault;
inline constexpr int32_t PictureIndexDefault = -1; // no picture
} // namespace skinkey

// Visits the keys of a skin section, each with the field it fills, in reading order. A
// reader fills the fields from an ini section and a writer writes them back, so loading and
// saving can never disagree; a visitor that cares for some kinds only overrides those.
class TbsSkinKeys {
public:
    virtual void Rect(const char* key, TRect& field);
    virtual void Point(const char* key, TPoint& field);
    virtual void Int(const char* key, int32_t& field, int32_t def);
    virtual void Color(const char* key, TColor& field, TColor def);
    virtual void Bool(const char* key, bool& field);
    virtual void String(const char* key, std::string& field, std::string_view def);
    virtual void FontStyles(const char* key, TbsFontStyles& field);
    virtual void Alignment(const char* key, TbsAlignment& field);
    virtual void MorphKind(const char* key, SkinMorphKind& field);
    virtual void InactiveEffect(const char* key, SkinInactiveEffect& field);
    virtual void Command(const char* key, SkinCommand& field);

    void PictureIndex(const char* key, int32_t& field) { Int(key, field, skinkey::PictureIndexDefault); }

protected:
    ~TbsSkinKeys() = default;
};

class TbsSkinKeyReader final : public TbsSkinKeys {
public:
    TbsSkinKeyReader(const TbsSkinIni& ini, std::string_view section) : ini_(ini), section_(section) {}

    void Rect(const char* key, TRect& field) override;
    void Point(const char* key, TPoint& field) override;
    void Int(const char* key, int32_t& field, int32_t def) override;
    void Color(const char* key, TColor& field, TColor def) override;
    void Bool(const char* key, bool& field) override;
    void String(const char* key, std::string& field, std::string_view def) override;
    void FontStyles(const char* key, TbsFontStyles& field) override;
    void Alignment(const char* key, TbsAlignment& field) override;
    void MorphKind(const char* key, SkinMorphKind& field) override;
    void InactiveEffect(const char* key, SkinInactiveEffect& field) override;
    void Command(const char* key, SkinCommand& field) override;

private:
    const TbsSkinIni& ini_;
    std::string section_;
};

// Colours are written as signed decimal numbers so that every 32-bit value reads back.
class TbsSkinKeyWriter final : public TbsSkinKeys {
public:
    TbsSkinKeyWriter(TbsSkinIni& ini, std::string_view section) : ini_(ini), section_(section) {}

    void Rect(const char* key, TRect& field) override;
    void Point(const char* key, TPoint& field) override;
    void Int(const char* key, int32_t& field, int32_t def) override;
    void Color(const char* key, TColor& field, TColor def) override;
    void Bool(const char* key, bool& field) override;
    void String(const char* key, std::string& field, std::string_view def) override;
    void FontStyles(const char* key, TbsFontStyles& field) override;
    void Alignment(const char* key, TbsAlignment& field) override;
    void MorphKind(const char* key, SkinMorphKind& field) override;
    void InactiveEffect(const char* key, SkinInactiveEffect& field) override;
    void Command(const char* key, SkinCommand& field) override;

private:
    TbsSkinIni& ini_;
    std::string section_;
};

} // namespace tavrik
