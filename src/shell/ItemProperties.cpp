#include "shell/ItemProperties.h"

#include "core/FileName.h"
#include "core/Utf8.h"
#include "shell/ShellError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <vector>

namespace tavrik {

namespace {

std::string WithThousands(uint64_t value)
{
    std::string digits = std::to_string(value), out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::string PermissionText(mode_t mode)
{
    static constexpr mode_t bits[] = {S_IRUSR, S_IWUSR, S_IXUSR, S_IRGRP, S_IWGRP, S_IXGRP, S_IROTH, S_IWOTH, S_IXOTH};
    std::string text = "rwxrwxrwx";
    for (size_t i = 0; i < text.size(); ++i)
        if (!(mode & bits[i])) text[i] = '-';
    return text;
}

std::string OwnerName(uid_t uid)
{
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found) return found->pw_name;
    return std::to_string(uid);
}

std::string KindOf(const std::string& name, bool folder)
{
    if (folder) return "Folder";
    std::string extension = ExtractFileExt(name);
    if (extension.size() <= 1) return "File";
    return UpperCaseAscii(extension.substr(1)) + " file";
}

// Counts the entries without describing them, so that a folder of thousands answers quickly.
void CountEntries(const std::string& path, int limit, TItemProperties& properties)
{
    DIR* folder = ::opendir(path.c_str());
    if (!folder) return;
    int count = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
        if (count == limit) {
            properties.countStopped = true;
            break;
        }
        ++count;
    }
    ::closedir(folder);
    properties.itemCount = count;
}

} // namespace

TItemProperties ReadItemProperties(const std::string& path, const std::string& displayName, int countLimit)
{
    struct stat own {};
    if (::lstat(path.c_str(), &own) != 0)
        throw EShellError("Cannot read the properties of \"" + displayName + "\"", std::strerror(errno));
    struct stat target = own;
    const bool link = S_ISLNK(own.st_mode);
    // A link that leads nowhere is shown as the link it is.
    if (link && ::stat(path.c_str(), &target) != 0) target = own;
    const bool folder = S_ISDIR(target.st_mode);

    TItemProperties properties;
    properties.name = displayName;
    properties.kind = KindOf(displayName, folder) + (link ? " (link)" : "");
    properties.location = ExtractFileDir(path);
    if (!folder) properties.size = uint64_t(target.st_size);
    properties.modified = target.st_mtime;
    properties.permissions = PermissionText(target.st_mode);
    properties.owner = OwnerName(target.st_uid);
    if (folder) CountEntries(path, countLimit, properties);
    return properties;
}

std::string FormatReadableSize(uint64_t bytes)
{
    if (bytes == 1) return "1 byte";
    const std::string exact = WithThousands(bytes) + " bytes";
    if (bytes < 1024) return exact;
    static constexpr const char* units[] = {"KB", "MB", "GB", "TB"};
    double value = double(bytes) / 1024;
    size_t unit = 0;
    // 1023.95 KB and above would print as "1024.0 KB": that is 1.0 MB.
    while (value >= 1023.95 && unit + 1 < std::size(units)) {
        value /= 1024;
        ++unit;
    }
    char readable[32];
    std::snprintf(readable, sizeof readable, "%.1f %s", value, units[unit]);
    return std::string(readable) + " (" + exact + ")";
}

std::string FormatItemProperties(const TItemProperties& p)
{
    std::string text = "Name: " + p.name + "\nKind: " + p.kind;
    if (p.size) text += "\nSize: " + FormatReadableSize(*p.size);
    if (p.itemCount) {
        const int n = *p.itemCount;
        text += "\nContains: " + std::string(p.countStopped ? "more than " : "") + WithThousands(uint64_t(n)) +
                (n == 1 && !p.countStopped ? " item" : " items");
    }
    if (!p.location.empty()) text += "\nLocation: " + p.location;
    if (p.modified) {
        std::tm local{};
        char when[32] = "";
        if (::localtime_r(&*p.modified, &local)) std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
        text += "\nModified: " + std::string(when);
    }
    if (!p.permissions.empty()) text += "\nPermissions: " + p.permissions + " (owner " + p.owner + ")";
    return text;
}

} // namespace tavrik
