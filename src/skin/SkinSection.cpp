#include "skin/SkinSection.h"

#include "skin/SkinIni.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsSkinSection::LoadFromIni(const TbsSkinIni& ini)
{
    TbsSkinKeyReader reader(ini, IDName);
    DeclareKeys(reader);
}

void TbsSkinSection::SaveToIni(TbsSkinIni& ini) const
{
    ini.EraseSection(IDName);
    TbsSkinKeyWriter writer(ini, IDName);
    // The writer only reads the fields; DeclareKeys takes them by reference for the reader.
    const_cast<TbsSkinSection*>(this)->DeclareKeys(writer);
}

} // namespace tavrik
