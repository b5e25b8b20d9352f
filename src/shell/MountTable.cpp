#include "shell/MountTable.h"

#include "core/Exception.h"
#include "core/FileIO.h"
#include "shell/ShellPath.h"

#include <algorithm>
#include <array>
#include <map>

namespace tavrik {

namespace {

constexpr std::string_view kRootName = "File System";

constexpr std::array<std::string_view, 34> kPseudoTypes = {
    "proc",        "sysfs",       "devtmpfs",     "devpts",      "tmpfs",      "ramfs",
    "cgroup",      "cgroup2",     "securityfs",   "pstore",      "debugfs",    "tracefs",
    "configfs",    "fusectl",     "mqueue",       "hugetlbfs",   "bpf",        "binfmt_misc",
    "autofs",      "rpc_pipefs",  "nsfs",         "efivarfs",    "overlay",    "squashfs",
    "selinuxfs",   "nfsd",        "rootfs",       "devfs",       "usbfs",      "fuse.gvfsd-fuse",
    "fuse.portal", "fuse.lxcfs",  "fuse.snapfuse", "none",
};

constexpr std::array<std::string_view, 10> kSystemPlaces = {
    "/proc", "/sys", "/dev", "/run", "/boot", "/efi", "/snap", "/usr", "/etc", "/var",
};

bool IsSystemPlace(std::string_view mountPoint)
{
    if (IsPathUnder(mountPoint, "/run/media")) return false;
    return std::any_of(kSystemPlaces.begin(), kSystemPlaces.end(),
                       [&](std::string_view place) { return IsPathUnder(mountPoint, place); });
}

bool IsPseudoType(std::string_view type)
{
    return std::find(kPseudoTypes.begin(), kPseudoTypes.end(), type) != kPseudoTypes.end();
}

int OctalDigit(char c) { return c >= '0' && c <= '7' ? c - '0' : -1; }

// Splits a line at blanks and tabs; the table escapes those inside fields.
std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t pos = 0;
    while (pos < line.size()) {
        size_t start = line.find_first_not_of(" \t", pos);
        if (start == std::string_view::npos) break;
        size_t end = line.find_first_of(" \t", start);
        if (end == std::string_view::npos) end = line.size();
        fields.push_back(line.substr(start, end - start));
        pos = end;
    }
    return fields;
}

std::string LastPart(std::string_view mountPoint) { return std::string(mountPoint.substr(mountPoint.rfind('/') + 1)); }

void NameVolumes(std::vector<TVolume>& volumes)
{
    std::map<std::string, int> uses;
    for (size_t i = 1; i < volumes.size(); ++i) ++uses[LastPart(volumes[i].mountPoint)];
    volumes[0].name = kRootName;
    for (size_t i = 1; i < volumes.size(); ++i) {
        std::string last = LastPart(volumes[i].mountPoint);
        volumes[i].name = uses[last] > 1 ? last + " (" + volumes[i].mountPoint + ")" : last;
    }
}

} // namespace

std::string UnescapeMountField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            int d0 = OctalDigit(field[i + 1]), d1 = OctalDigit(field[i + 2]), d2 = OctalDigit(field[i + 3]);
            if (d0 >= 0 && d0 <= 3 && d1 >= 0 && d2 >= 0) {
                out += char(d0 * 64 + d1 * 8 + d2);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

std::vector<TVolume> VolumesFromMountTable(std::string_view table)
{
    std::vector<TVolume> volumes{{"/", ""}};
    size_t pos = 0;
    while (pos < table.size()) {
        size_t end = table.find('\n', pos);
        if (end == std::string_view::npos) end = table.size();
        std::vector<std::string_view> fields = Fields(table.substr(pos, end - pos));
        pos = end + 1;
        if (fields.size() < 3) continue;
        std::string mountPoint = UnescapeMountField(fields[1]);
        mountPoint = WithoutTrailingSlash(std::move(mountPoint));
        if (mountPoint.empty() || mountPoint.front() != '/' || mountPoint == "/") continue;
        if (IsPseudoType(fields[2]) || IsSystemPlace(mountPoint)) continue;
        bool seen = std::any_of(volumes.begin(), volumes.end(),
                                [&](const TVolume& v) { return v.mountPoint == mountPoint; });
        if (!seen) volumes.push_back({mountPoint, ""});
    }
    NameVolumes(volumes);
    return volumes;
}

std::vector<TVolume> ReadVolumes(const std::string& mountTablePath)
{
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadFileBytes(mountTablePath, uint64_t(16) << 20);
    } catch (const Exception&) {
        // Without a table the computer still has its root file system.
    }
    return VolumesFromMountTable(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace tavrik
