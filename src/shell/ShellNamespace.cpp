#include "shell/ShellNamespace.h"

#include "core/FileIO.h"
#include "core/FileName.h"
#include "shell/FileSystemFolder.h"
#include "shell/ShellError.h"
#include "shell/ShellLauncher.h"
#include "shell/ShellPath.h"
#include "shell/UserDirs.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace tavrik {

namespace {

[[noreturn]] void ThrowCannotSetPath(std::string_view requested, const std::string& reason)
{
    throw EShellError("Error setting path: \"" + std::string(requested) + "\"", reason);
}

// The parts of path below folder, which must contain it.
std::vector<std::string> PartsBelow(const std::string& path, const std::string& folder)
{
    std::vector<std::string> parts;
    size_t pos = folder == "/" ? 1 : folder.size() + 1;
    while (pos < path.size()) {
        size_t end = path.find('/', pos);
        if (end == std::string::npos) end = path.size();
        parts.push_back(path.substr(pos, end - pos));
        pos = end + 1;
    }
    return parts;
}

struct TAnchor {
    std::string path;
    TItemIdList id;
};

} // namespace

TShellNamespace::TShellNamespace(TShellEnvironment environment) : env_(std::move(environment)) {}

std::string TShellNamespace::DesktopDirectory() const
{
    std::string folder = ReadUserDir(env_.configHome, "DESKTOP", env_.homeDir, JoinPath(env_.homeDir, "Desktop"));
    return folder != env_.homeDir && DirectoryExists(folder) ? folder : std::string();
}

std::vector<TVolume> TShellNamespace::Volumes() const { return ReadVolumes(env_.mountTable); }

std::string TShellNamespace::VolumeName(const std::string& mountPoint) const
{
    for (const TVolume& volume : Volumes())
        if (volume.mountPoint == mountPoint) return volume.name;
    return mountPoint == "/" ? "/" : ExtractFileName(mountPoint);
}

TShellNamespace::TLocation TShellNamespace::Locate(const TItemIdList& item) const
{
    const std::vector<std::string>& parts = item.Parts();
    if (parts.empty()) return {TPlace::Desktop, {}, false};
    size_t first = 1;
    std::string base;
    if (parts[0] == kHomePart) {
        base = env_.homeDir;
    } else if (parts[0] == kDesktopFolderPart) {
        base = DesktopDirectory();
        if (base.empty()) throw EShellError("The desktop folder does not exist");
    } else if (parts[0] == kComputerPart) {
        if (parts.size() == 1) return {TPlace::Computer, {}, false};
        if (NormaliseAbsolutePath(parts[1]) != parts[1]) throw EShellError("Invalid item identity");
        base = parts[1];
        first = 2;
    } else {
        throw EShellError("Invalid item identity");
    }
    TLocation location{TPlace::FileSystem, base, parts.size() == first};
    for (size_t i = first; i < parts.size(); ++i) {
        if (!IsPlainFileName(parts[i])) throw EShellError("Invalid item identity");
        location.path = JoinPath(location.path, parts[i]);
    }
    return location;
}

TItemIdList TShellNamespace::ParsePath(std::string_view path) const
{
    if (path == kDesktopParsingName) return Desktop();
    if (path == kComputerPart) return Computer();
    if (path == kHomePart) return Home();
    if (path == kDesktopFolderPart) {
        if (DesktopDirectory().empty()) ThrowCannotSetPath(path, "the desktop folder does not exist");
        return DesktopFolder();
    }
    std::string normal = NormaliseAbsolutePath(path);
    if (normal.empty()) ThrowCannotSetPath(path, "not an absolute path");
    struct stat st {};
    if (::stat(normal.c_str(), &st) != 0) ThrowCannotSetPath(path, std::strerror(errno));

    // Home first, so that it wins over a volume mounted at the same place.
    std::vector<TAnchor> anchors{{env_.homeDir, Home()}};
    if (std::string desktop = DesktopDirectory(); !desktop.empty())
        anchors.push_back({desktop, DesktopFolder()});
    for (const TVolume& volume : Volumes())
        anchors.push_back({volume.mountPoint, TItemIdList({std::string(kComputerPart), volume.mountPoint})});
    const TAnchor* best = nullptr;
    for (const TAnchor& anchor : anchors)
        if (IsPathUnder(normal, anchor.path) && (!best || anchor.path.size() > best->path.size())) best = &anchor;
    // The root volume is always an anchor; this only guards against a broken volume list.
    if (!best) ThrowCannotSetPath(path, "no volume holds it");
    TItemIdList id = best->id;
    for (std::string& part : PartsBelow(normal, best->path)) id = id.Child(std::move(part));
    return id;
}

TItemIdList TShellNamespace::FolderIdentity(const std::string& folder, std::string_view requested) const
{
    if (!DirectoryExists(folder)) ThrowCannotSetPath(requested, "the folder does not exist");
    return ParsePath(folder);
}

TItemIdList TShellNamespace::RootFolder(TRootFolder root) const
{
    std::string_view name = RootFolderName(root);
    switch (root) {
    case TRootFolder::rfDesktop: return Desktop();
    case TRootFolder::rfMyComputer: return Computer();
    case TRootFolder::rfPersonal: return Home();
    case TRootFolder::rfDesktopDirectory:
        if (DesktopDirectory().empty()) ThrowCannotSetPath(name, "the desktop folder does not exist");
        return DesktopFolder();
    case TRootFolder::rfTemplates: {
        std::string folder =
            ReadUserDir(env_.configHome, "TEMPLATES", env_.homeDir, JoinPath(env_.homeDir, "Templates"));
        if (folder == env_.homeDir) ThrowCannotSetPath(name, "no templates folder is set");
        return FolderIdentity(folder, name);
    }
    case TRootFolder::rfAppData: return FolderIdentity(env_.configHome, name);
    case TRootFolder::rfRecycleBin: return FolderIdentity(env_.dataHome + "/Trash/files", name);
    case TRootFolder::rfFonts: return FolderIdentity(env_.dataHome + "/fonts", name);
    case TRootFolder::rfPrograms:
    case TRootFolder::rfStartMenu: return FolderIdentity(env_.dataHome + "/applications", name);
    case TRootFolder::rfStartup: return FolderIdentity(env_.configHome + "/autostart", name);
    case TRootFolder::rfCommonPrograms:
    case TRootFolder::rfCommonStartMenu: return FolderIdentity(env_.systemDataDir + "/applications", name);
    case TRootFolder::rfCommonStartup: return FolderIdentity(env_.systemConfigDir + "/autostart", name);
    default: ThrowCannotSetPath(name, "this desktop has no such folder");
    }
}

TItemIdList TShellNamespace::Resolve(std::string_view rootOrPath) const
{
    if (auto root = RootFolderFromName(rootOrPath)) return RootFolder(*root);
    return ParsePath(rootOrPath);
}

std::string TShellNamespace::PathOf(const TItemIdList& item) const { return Locate(item).path; }

std::string TShellNamespace::DisplayName(const TItemIdList& item, TShellNameKind kind) const
{
    TLocation location = Locate(item);
    if (kind == TShellNameKind::ForParsing) {
        if (location.place == TPlace::Desktop) return std::string(kDesktopParsingName);
        if (location.place == TPlace::Computer) return std::string(kComputerPart);
        return location.path;
    }
    if (location.place == TPlace::Desktop) return "Desktop";
    if (location.place == TPlace::Computer) return "Computer";
    if (!location.anchor) return item.Last();
    if (item.Last() == kHomePart) return "Home";
    if (item.Last() == kDesktopFolderPart) return ExtractFileName(location.path);
    return VolumeName(location.path);
}

bool TShellNamespace::OpenAddress(std::string_view address) const
{
    return ShellOpen(address, env_.openCommand, env_.executableSearchPath);
}

} // namespace tavrik
