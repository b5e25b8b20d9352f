#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavrik {

// The special folders a browsing control's Root may name instead of a path.
enum class TRootFolder : uint8_t {
    rfDesktop,
    rfMyComputer,
    rfNetwork,
    rfRecycleBin,
    rfAppData,
    rfCommonDesktopDirectory,
    rfCommonPrograms,
    rfCommonStartMenu,
    rfCommonStartup,
    rfControlPanel,
    rfDesktopDirectory,
    rfFavorites,
    rfFonts,
    rfInternet,
    rfPersonal,
    rfPrinters,
    rfPrintHood,
    rfPrograms,
    rfRecent,
    rfSendTo,
    rfStartMenu,
    rfStartup,
    rfTemplates,
};
constexpr int kRootFolderCount = int(TRootFolder::rfTemplates) + 1;

// The root's name as Root holds it, e.g. "rfMyComputer".
std::string_view RootFolderName(TRootFolder root);
// The root a name denotes (exact, case-sensitive match), or nothing for any other text.
std::optional<TRootFolder> RootFolderFromName(std::string_view name);

} // namespace tavrik
