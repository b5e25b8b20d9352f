#include "skin/SkinFile.h"

#include "core/Exception.h"
#include "core/FileIO.h"
#include "core/FileName.h"
#include "skin/SkinIni.h"
#include "skin/SkinPicturesStream.h"
#include "skin/SkinValues.h"

#include <string_view>

namespace tavrik {

namespace {

constexpr std::string_view kPictures = "PICTURES";

std::string InFolder(const std::string& folder, const std::string& name)
{
    return folder.empty() ? name : IncludeTrailingPathDelimiter(folder) + name;
}

TBitmap LoadBitmap(const std::string& path, uint64_t& budget)
{
    return ReadSkinBitmap(ReadFileBytes(path, kMaxSkinFileBytes), budget);
}

TBitmap LoadOptional(const TbsSkinIni& ini, std::string_view key, const std::string& folder, uint64_t& budget)
{
    std::string name = ini.ReadString(kPictures, key, "");
    return name.empty() ? TBitmap() : LoadBitmap(InFolder(folder, name), budget);
}

} // namespace

std::vector<std::string> ReadSkinFileLines(const std::string& path)
{
    std::vector<uint8_t> bytes = ReadFileBytes(path, kMaxSkinFileBytes);
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return TbsSkinIni::SplitLines(text);
}

TbsSkinPictureSet LoadSkinFilePictures(const TbsSkinIni& ini, const std::string& folder)
{
    uint64_t budget = kMaxSkinPixelsInAll;
    TbsSkinPictureSet set;
    set.picture = LoadOptional(ini, "picture", folder, budget);
    set.inactivepicture = LoadOptional(ini, "inactivepicture", folder, budget);
    set.mask = LoadOptional(ini, "mask", folder, budget);
    std::vector<std::string> names;
    ReadSkinList(ini, kPictures, "activepictures", names);
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty())
            throw EFileError("The skin names no file for active picture " + std::to_string(i));
        set.activepictures.push_back(LoadBitmap(InFolder(folder, names[i]), budget));
    }
    return set;
}

} // namespace tavrik
