#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tavrik {

class TbsStoredSkin;

// The skin every window of the program is drawn with, compiled in from assets/skin by the
// build (link tavrik_skin_assets). No skin file is read at run time.

// The lines of skin.ini, each ended by a line feed.
std::string_view ProgramSkinText();
// The "Pictures" stream of the skin's bitmaps.
std::span<const uint8_t> ProgramSkinPictures();

// Fills a stored skin with the program's skin: file name "skin.ini", its lines and pictures.
void LoadProgramSkin(TbsStoredSkin& stored);

} // namespace tavrik
