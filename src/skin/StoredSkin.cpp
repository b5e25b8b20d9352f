#include "skin/StoredSkin.h"

#include "core/FileName.h"
#include "skin/SkinFile.h"
#include "skin/SkinIni.h"
#include "skin/SkinPicturesStream.h"
#include "skin/SkinStream.h"

namespace tavrik {

void TbsStoredSkin::LoadFromSkinFile(const std::string& path)
{
    std::vector<std::string> lines = ReadSkinFileLines(path);
    TbsSkinPictureSet pictures = LoadSkinFilePictures(TbsSkinIni(lines), ExtractFileDir(path));
    iniStrings_ = std::move(lines);
    static_cast<TbsSkinPictureSet&>(*this) = std::move(pictures);
}

size_t TbsStoredSkin::ReadPictures(std::span<const uint8_t> stream)
{
    TbsByteReader in(stream);
    static_cast<TbsSkinPictureSet&>(*this) = ReadSkinPictures(in);
    return in.Position();
}

std::vector<uint8_t> TbsStoredSkin::WritePictures() const
{
    std::vector<uint8_t> stream;
    WriteSkinPictures(*this, stream);
    return stream;
}

} // namespace tavrik
