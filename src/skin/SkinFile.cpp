#include "skin/SkinFile.h"

#include "core/Exception.h"
#include "core/FileIO.h"
#include "core/FileName.h"
#include "gfx/BmpFile.h"
#include "skin/SkinIni.h"
#include "skin/SkinValues.h"

#include <string_view>

namespace tavrik {

namespace {

constexpr std::string_view kPictures = "PICTURES";

std::string InFolder(const std::string& folder, const std::string& name)
{
    return folder.empty() ? name : IncludeTrailingPathDelimiter(folder) + name;
}

TBitmap LoadOptional(const TbsSkinIni& ini, std::string_view key, const std::string& folder)
{
    std::string name = ini.ReadString(kPictures, key, "");
    return name.empty() ? TBitmap() : ReadBmpFile(InFolder(folder, name));
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
    TbsSkinPictureSet set;
    set.picture = LoadOptional(ini, "picture", folder);
    set.inactivepicture = LoadOptional(ini, "inactivepicture", folder);
    set.mask = LoadOptional(ini, "mask", folder);
    std::vector<std::string> names;
    ReadSkinList(ini, kPictures, "activepictures", names);
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty())
            throw EFileError("The skin names no file for active picture " + std::to_string(i));
        set.activepictures.push_back(ReadBmpFile(InFolder(folder, names[i])));
    }
    return set;
}

} // namespace tavrik
