#pragma once

#include "gfx/Bitmap.h"
#include "skin/DataSkinControl.h"
#include "skin/DataSkinObject.h"
#include "skin/DataSkinWindows.h"
#include "skin/SkinFormInfo.h"
#include "skin/SkinObjectFactory.h"

#include <array>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrik::skingen {

// Indices of the active pictures, in the order [PICTURES] lists them.
enum TPictureIndex : int32_t {
    kActivePicture,  // caption buttons
    kPopupPicture,   // popup menu window
    kMenuItemsPicture,
    kControlsPicture,
    kButtonMask,
    kCheckMask,
    kVTrackMask,
    kHTrackMask,
    kHintPicture,
    kMdiBackground,
    kPictureCount
};

// Everything the skin consists of while it is being drawn: the pictures, the [FORMINFO]
// values, the window skins and the objects and control skins by name.
struct TSkinArt {
    TBitmap picture; // frame, 8-bit
    TBitmap mask;    // frame mask, 4-bit
    std::array<TBitmap, kPictureCount> activepictures;
    TbsSkinFormInfo form;
    TbsDataSkinPopupWindow popup;
    TbsDataSkinHintWindow hint;
    std::map<std::string, std::unique_ptr<TbsDataSkinObject>> objects;
    std::map<std::string, std::unique_ptr<TbsDataSkinControl>> controls;

    template <class T>
    T& AddObject(const std::string& typeWord, const std::string& name)
    {
        return Add<T>(objects, CreateSkinObject(typeWord, name), name);
    }
    template <class T>
    T& AddControl(const std::string& typeWord, const std::string& name)
    {
        return Add<T>(controls, CreateSkinControl(typeWord, name), name);
    }

private:
    template <class T, class Base>
    static T& Add(std::map<std::string, std::unique_ptr<Base>>& map, std::unique_ptr<Base> created,
                  const std::string& name)
    {
        T* typed = dynamic_cast<T*>(created.get());
        if (typed == nullptr || map.count(name)) throw std::logic_error("bad skin element " + name);
        map[name] = std::move(created);
        return *typed;
    }
};

void DrawFrame(TSkinArt& art);    // frame picture and mask, caption, caption buttons
void DrawMenus(TSkinArt& art);    // popup and hint windows, menu items, background tile
void DrawControls(TSkinArt& art); // every control skin and its masks

// The skin text, with the lists in the order the program's windows expect.
std::vector<std::string> SkinText(const TSkinArt& art);
// File names and pictures: frame, mask, then the active pictures in index order.
std::vector<std::pair<std::string, const TBitmap*>> SkinFiles(const TSkinArt& art);

void DrawSkin(TSkinArt& art);

} // namespace tavrik::skingen
