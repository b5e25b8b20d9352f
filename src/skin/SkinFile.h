#pragma once

#include "skin/SkinPictureSet.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik {

class TbsSkinIni;

// A skin on disk is a text file ("skin.ini") and the bitmap files its [PICTURES] section
// names, relative to the text's folder.

constexpr uint64_t kMaxSkinFileBytes = uint64_t(64) << 20;

// The lines of a skin text file; a leading UTF-8 byte-order mark is dropped. Throws
// EFileError when the file cannot be read.
std::vector<std::string> ReadSkinFileLines(const std::string& path);

// Loads picture, inactivepicture and mask (empty when not named) and every active picture
// of the list, in order, from folder. An active picture with an empty name throws
// EFileError; a file that cannot be read or decoded, or a picture beyond the size caps of
// SkinPicturesStream.h, throws EFileError or EInvalidGraphic.
TbsSkinPictureSet LoadSkinFilePictures(const TbsSkinIni& ini, const std::string& folder);

} // namespace tavrik
