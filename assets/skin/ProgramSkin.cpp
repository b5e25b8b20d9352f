#include "skin/ProgramSkin.h"

#include "skin/SkinIni.h"
#include "skin/StoredSkin.h"

namespace tavrik {

void LoadProgramSkin(TbsStoredSkin& stored)
{
    stored.SetFileName("skin.ini");
    stored.SetIniStrings(TbsSkinIni::SplitLines(ProgramSkinText()));
    stored.ReadPictures(ProgramSkinPictures());
}

} // namespace tavrik
