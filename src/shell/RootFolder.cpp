#include "shell/RootFolder.h"

#include <array>

namespace tavrik {

namespace {

constexpr std::array<std::string_view, kRootFolderCount> kNames = {
    "rfDesktop",  "rfMyComputer",       "rfNetwork",  "rfRecycleBin",
    "rfAppData",  "rfCommonDesktopDirectory", "rfCommonPrograms", "rfCommonStartMenu",
    "rfCommonStartup", "rfControlPanel", "rfDesktopDirectory", "rfFavorites",
    "rfFonts",    "rfInternet",         "rfPersonal", "rfPrinters",
    "rfPrintHood", "rfPrograms",        "rfRecent",   "rfSendTo",
    "rfStartMenu", "rfStartup",         "rfTemplates",
};

} // namespace

std::string_view RootFolderName(TRootFolder root) { return kNames[size_t(root)]; }

std::optional<TRootFolder> RootFolderFromName(std::string_view name)
{
    for (size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name) return TRootFolder(i);
    return std::nullopt;
}

} // namespace tavrik
