#pragma once

#include "skin/SkinPictureSet.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// A whole skin carried inside the program: the skin text as lines and its pictures. The
// form that owns it stores IniStrings and the "Pictures" stream (ReadPictures /
// WritePictures); the skin data loads from it (TbsSkinData::ApplyStoredSkin).
//
// A plain class; the component framework wraps it in a component when a form owns one.
class TbsStoredSkin : public TbsSkinPictureSet {
public:
    // Name, without folder, of the skin file the content came from. Setting it only stores
    // it: the content is filled by LoadFromSkinFile or from the stored form.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string_view name) { fileName_ = name; }

    const std::vector<std::string>& IniStrings() const { return iniStrings_; }
    void SetIniStrings(std::vector<std::string> lines) { iniStrings_ = std::move(lines); }

    // Fills the text and pictures from a skin file and the bitmaps [PICTURES] names beside it,
    // without checking that the text is a skin. On failure (EFileError, EInvalidGraphic) the
    // content stays as it was.
    void LoadFromSkinFile(const std::string& path);

    // Replaces the pictures from a "Pictures" stream and returns how many bytes it took. On
    // failure (EReadError, EInvalidGraphic) the pictures stay as they were.
    size_t ReadPictures(std::span<const uint8_t> stream);
    std::vector<uint8_t> WritePictures() const;

private:
    std::string fileName_;
    std::vector<std::string> iniStrings_;
};

} // namespace tavrik
