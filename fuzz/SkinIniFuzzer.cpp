// Skin texts of any bytes: the reader must not fail, its text must read back to itself, and
// loading it as a skin may only end in a conversion error.
#include "core/Exception.h"
#include "skin/SkinData.h"
#include "skin/SkinIni.h"
#include "skin/StoredSkin.h"

#include <cstdlib>
#include <string_view>

using namespace tavrik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> lines = TbsSkinIni::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    TbsSkinIni ini(lines);
    std::vector<std::string> text = ini.Lines();
    if (TbsSkinIni(text).Lines() != text) std::abort();

    TbsStoredSkin stored;
    stored.SetIniStrings(lines);
    TbsSkinData skin;
    try {
        skin.ApplyStoredSkin(stored);
    } catch (const EConvertError&) {
        if (!skin.NoSkinLoaded()) std::abort();
        return 0;
    }
    if (skin.NoSkinLoaded() == IsSkinDefinition(ini)) std::abort();
    TbsSkinIni saved;
    skin.SaveToIni(saved);
    for (const auto& control : skin.SkinControls)
        if (skin.IndexOfSkinControl(control->IDName) < 0) std::abort();
    return 0;
}
