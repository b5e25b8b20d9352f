#pragma once

#include "skin/DataSkinControl.h"
#include "skin/DataSkinObject.h"

#include <memory>
#include <string>
#include <string_view>

namespace tavrik {

// The object of the class a [SKINOBJECTS] or [SKINCONTROLS] type word names, constructed
// with its name; null for a word neither list knows (words are compared exactly).
std::unique_ptr<TbsDataSkinObject> CreateSkinObject(std::string_view typeWord, std::string name);
std::unique_ptr<TbsDataSkinControl> CreateSkinControl(std::string_view typeWord, std::string name);

// The type word of an object's class, as its list entry names it.
std::string_view SkinObjectTypeWord(const TbsDataSkinObject& object);
std::string_view SkinControlTypeWord(const TbsDataSkinControl& control);

// Splits a list entry "name:typeword" at its first ":"; an entry without ":" has an empty
// name and type word.
struct TbsSkinListEntry {
    std::string name;
    std::string typeWord;
};
TbsSkinListEntry SplitSkinListEntry(std::string_view entry);

} // namespace tavrik
