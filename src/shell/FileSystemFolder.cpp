#include "shell/FileSystemFolder.h"

#include "core/Exception.h"
#include "core/FileName.h"
#include "core/Utf8.h"
#include "shell/ShellError.h"
#include "shell/ShellPath.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrik {

namespace {

constexpr std::array<std::string_view, 14> kPictureExtensions = {
    ".BMP", ".DIB", ".JPG", ".JPEG", ".JPE", ".JFIF", ".PNG", ".GIF", ".TIF", ".TIFF", ".ICO", ".EMF", ".WMF", ".WEBP",
};

[[noreturn]] void ThrowFolderError(const std::string& what, const std::string& path, int error)
{
    throw EShellError(what + " \"" + path + "\": " + std::strerror(error), std::strerror(error));
}

// Owns an open directory stream.
class TDirectory {
public:
    explicit TDirectory(const std::string& path) : dir_(::opendir(path.c_str())) {}
    ~TDirectory()
    {
        if (dir_) ::closedir(dir_);
    }
    TDirectory(const TDirectory&) = delete;
    TDirectory& operator=(const TDirectory&) = delete;
    bool IsOpen() const { return dir_ != nullptr; }
    int Descriptor() const { return ::dirfd(dir_); }
    // The next entry other than "." and "..", or null at the end; error is set on failure.
    const dirent* Next(int& error)
    {
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir_);
            error = entry ? 0 : errno;
            if (!entry) return nullptr;
            std::string_view name = entry->d_name;
            if (name != "." && name != "..") return entry;
        }
    }

private:
    DIR* dir_;
};

enum class TEntryKind { Folder, NonFolder, Unreachable };

struct TEntryType {
    TEntryKind kind = TEntryKind::Unreachable;
    bool link = false;
};

// The directory entry's type from the cheap d_type, asking the file system only for links
// and for file systems that do not fill d_type in.
TEntryType TypeOf(int dirFd, const dirent& entry)
{
    TEntryType type;
    unsigned char d = entry.d_type;
    if (d == DT_DIR || (d != DT_LNK && d != DT_UNKNOWN)) {
        type.kind = d == DT_DIR ? TEntryKind::Folder : TEntryKind::NonFolder;
        return type;
    }
    struct stat st {};
    if (d == DT_UNKNOWN) {
        if (::fstatat(dirFd, entry.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return type;
        type.link = S_ISLNK(st.st_mode);
        if (!type.link) {
            type.kind = S_ISDIR(st.st_mode) ? TEntryKind::Folder : TEntryKind::NonFolder;
            return type;
        }
    }
    type.link = true;
    if (::fstatat(dirFd, entry.d_name, &st, 0) != 0) return type;
    type.kind = S_ISDIR(st.st_mode) ? TEntryKind::Folder : TEntryKind::NonFolder;
    return type;
}

bool Wanted(TEntryKind kind, TShellObjectTypes types)
{
    return kind == TEntryKind::Folder ? (types & otFolders) != 0 : (types & otNonFolders) != 0;
}

TShellItem MakeItem(std::string name, bool folder, bool link)
{
    TShellItem item;
    item.attributes = saFileSystem | (folder ? saFolder : 0) | (name.front() == '.' ? saHidden : 0) |
                      (link ? saLink : 0);
    item.icon = folder ? TShellIconKind::Folder : IconForFileName(name);
    item.id = name;
    item.name = std::move(name);
    return item;
}

} // namespace

bool IsPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

TShellIconKind IconForFileName(std::string_view name)
{
    // Runs for every entry of a listing, so it compares in place instead of building strings.
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return TShellIconKind::OtherFile;
    std::string_view ext = name.substr(dot);
    for (std::string_view picture : kPictureExtensions)
        if (SameTextAscii(ext, picture)) return TShellIconKind::PictureFile;
    return TShellIconKind::OtherFile;
}

std::vector<TShellItem> EnumerateDirectory(const std::string& path, TShellObjectTypes types)
{
    TDirectory dir(path);
    if (!dir.IsOpen()) ThrowFolderError("Cannot read folder", path, errno);
    std::vector<TShellItem> items;
    if (!(types & (otFolders | otNonFolders))) return items;
    int error = 0;
    while (const dirent* entry = dir.Next(error)) {
        if (entry->d_name[0] == '.' && !(types & otHidden)) continue;
        TEntryType type = TypeOf(dir.Descriptor(), *entry);
        if (type.kind == TEntryKind::Unreachable || !Wanted(type.kind, types)) continue;
        items.push_back(MakeItem(entry->d_name, type.kind == TEntryKind::Folder, type.link));
    }
    if (error != 0) ThrowFolderError("Cannot read folder", path, error);
    return items;
}

TShellItem DescribeFileSystemEntry(const std::string& path)
{
    struct stat target {}, self {};
    if (::lstat(path.c_str(), &self) != 0) ThrowFolderError("Cannot find", path, errno);
    if (::stat(path.c_str(), &target) != 0) ThrowFolderError("Cannot reach", path, errno);
    std::string name = path == "/" ? path : ExtractFileName(path);
    return MakeItem(name, S_ISDIR(target.st_mode), S_ISLNK(self.st_mode));
}

bool DirectoryHasSubfolders(const std::string& path, bool includeHidden)
{
    TDirectory dir(path);
    if (!dir.IsOpen()) return false;
    int error = 0;
    while (const dirent* entry = dir.Next(error)) {
        if (entry->d_name[0] == '.' && !includeHidden) continue;
        if (entry->d_type != DT_DIR && entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) continue;
        if (TypeOf(dir.Descriptor(), *entry).kind == TEntryKind::Folder) return true;
    }
    return false;
}

void CreateDirectory(const std::string& folder, const std::string& name)
{
    std::string path = JoinPath(folder, name);
    int error = IsPlainFileName(name) ? (::mkdir(path.c_str(), 0777) == 0 ? 0 : errno) : EINVAL;
    if (error != 0) throw EFileError("Cannot create folder \"" + path + "\": " + std::strerror(error));
}

void RenameEntry(const std::string& folder, const std::string& oldName, const std::string& newName)
{
    std::string message = "Rename to " + newName + " failed";
    if (!IsPlainFileName(newName) || !IsPlainFileName(oldName)) throw EShellError(message, "not a plain file name");
    std::string from = JoinPath(folder, oldName), to = JoinPath(folder, newName);
    if (newName == oldName) {
        struct stat st {};
        if (::lstat(from.c_str(), &st) == 0) return;
        throw EShellError(message, std::strerror(errno));
    }
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return;
    int error = errno;
    if (error == EINVAL) {
        // The file system cannot refuse to replace by itself; check first, then rename.
        struct stat st {};
        if (::lstat(to.c_str(), &st) == 0) error = EEXIST;
        else if (::rename(from.c_str(), to.c_str()) == 0) return;
        else error = errno;
    }
    throw EShellError(message, std::strerror(error));
}

} // namespace tavrik
