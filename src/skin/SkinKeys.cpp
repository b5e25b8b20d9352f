#include "skin/SkinKeys.h"

#include "skin/SkinIni.h"

namespace tavrik {

// A visitor sees only the kinds it overrides.
void TbsSkinKeys::Rect(const char*, TRect&) {}
void TbsSkinKeys::Point(const char*, TPoint&) {}
void TbsSkinKeys::Int(const char*, int32_t&, int32_t) {}
void TbsSkinKeys::Color(const char*, TColor&, TColor) {}
void TbsSkinKeys::Bool(const char*, bool&) {}
void TbsSkinKeys::String(const char*, std::string&, std::string_view) {}
void TbsSkinKeys::FontStyles(const char*, TbsFontStyles&) {}
void TbsSkinKeys::Alignment(const char*, TbsAlignment&) {}
void TbsSkinKeys::MorphKind(const char*, SkinMorphKind&) {}
void TbsSkinKeys::InactiveEffect(const char*, SkinInactiveEffect&) {}
void TbsSkinKeys::Command(const char*, SkinCommand&) {}

void TbsSkinKeyReader::Rect(const char* key, TRect& field) { field = ReadSkinRect(ini_, section_, key); }
void TbsSkinKeyReader::Point(const char* key, TPoint& field) { field = ReadSkinPoint(ini_, section_, key); }
void TbsSkinKeyReader::Int(const char* key, int32_t& field, int32_t def) { field = ini_.ReadInteger(section_, key, def); }
void TbsSkinKeyReader::Bool(const char* key, bool& field) { field = ReadSkinBool(ini_, section_, key); }

void TbsSkinKeyReader::Color(const char* key, TColor& field, TColor def)
{
    field = TColor(ini_.ReadInteger(section_, key, int32_t(def)));
}

void TbsSkinKeyReader::String(const char* key, std::string& field, std::string_view def)
{
    field = ini_.ReadString(section_, key, def);
}

void TbsSkinKeyReader::FontStyles(const char* key, TbsFontStyles& field)
{
    field = ReadFontStyles(ini_, section_, key);
}

void TbsSkinKeyReader::Alignment(const char* key, TbsAlignment& field) { field = ReadAlignment(ini_, section_, key); }
void TbsSkinKeyReader::MorphKind(const char* key, SkinMorphKind& field) { field = ReadMorphKind(ini_, section_, key); }
void TbsSkinKeyReader::Command(const char* key, SkinCommand& field) { field = ReadSkinCommand(ini_, section_, key); }

void TbsSkinKeyReader::InactiveEffect(const char* key, SkinInactiveEffect& field)
{
    field = ReadInactiveEffect(ini_, section_, key);
}

void TbsSkinKeyWriter::Rect(const char* key, TRect& field) { WriteSkinRect(ini_, section_, key, field); }
void TbsSkinKeyWriter::Point(const char* key, TPoint& field) { WriteSkinPoint(ini_, section_, key, field); }
void TbsSkinKeyWriter::Int(const char* key, int32_t& field, int32_t) { ini_.WriteInteger(section_, key, field); }
void TbsSkinKeyWriter::Color(const char* key, TColor& field, TColor) { ini_.WriteInteger(section_, key, int32_t(field)); }
void TbsSkinKeyWriter::Bool(const char* key, bool& field) { WriteSkinBool(ini_, section_, key, field); }
void TbsSkinKeyWriter::String(const char* key, std::string& field, std::string_view) { ini_.WriteString(section_, key, field); }
void TbsSkinKeyWriter::FontStyles(const char* key, TbsFontStyles& field) { WriteFontStyles(ini_, section_, key, field); }
void TbsSkinKeyWriter::Alignment(const char* key, TbsAlignment& field) { WriteAlignment(ini_, section_, key, field); }
void TbsSkinKeyWriter::MorphKind(const char* key, SkinMorphKind& field) { WriteMorphKind(ini_, section_, key, field); }
void TbsSkinKeyWriter::Command(const char* key, SkinCommand& field) { WriteSkinCommand(ini_, section_, key, field); }

void TbsSkinKeyWriter::InactiveEffect(const char* key, SkinInactiveEffect& field)
{
    WriteInactiveEffect(ini_, section_, key, field);
}

} // namespace tavrik
