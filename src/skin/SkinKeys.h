#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/SkinValues.h"

#include <string>
#include <string_view>

namespace tavrik {

class TbsSkinIni;

// Every skin section declares its keys once, in the order the skin format reads them, by
// calling one method per key with the field it fills. A reader fills the fields from an
// ini section, a writer writes them back, so loading and saving can never disagree.
// A missing key reads as def where a method takes one; otherwise as the type's default:
// rect 0,0,0,0, point 0,0, bool false, no font style, taCenter, mkDefault, ieBrightness,
// cmDefault.
class TbsSkinKeys {
public:
    virtual void Rect(const char* key, TRect& field) = 0;
    virtual void Point(const char* key, TPoint& field) = 0;
    virtual void Int(const char* key, int32_t& field, int32_t def) = 0;
    virtual void Color(const char* key, TColor& field, TColor def) = 0;
    virtual void Bool(const char* key, bool& field) = 0;
    virtual void String(const char* key, std::string& field, std::string_view def) = 0;
    virtual void FontStyles(const char* key, TbsFontStyles& field) = 0;
    virtual void Alignment(const char* key, TbsAlignment& field) = 0;
    virtual void MorphKind(const char* key, SkinMorphKind& field) = 0;
    virtual void InactiveEffect(const char* key, SkinInactiveEffect& field) = 0;
    virtual void Command(const char* key, SkinCommand& field) = 0;

    // A picture index is an int whose missing value is -1 (no picture).
    void PictureIndex(const char* key, int32_t& field) { Int(key, field, -1); }

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

// Key groups that several sections share, in the order the skin format reads them.
void DeclareCornerPointKeys(TbsSkinKeys& keys, TPoint& lefttoppoint, TPoint& righttoppoint, TPoint& leftbottompoint,
                            TPoint& rightbottompoint);
void DeclareStretchKeys(TbsSkinKeys& keys, bool& leftstretch, bool& rightstretch, bool& topstretch,
                        bool& bottomstretch);

} // namespace tavrik
