#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// A mounted file system as the computer folder shows it.
struct TVolume {
    std::string mountPoint; // absolute path, no trailing '/' except for the root itself
    std::string name;       // readable name: "File System" for "/", else the mount point's
                            // last part, with the mount point added when two volumes share it
    friend bool operator==(const TVolume&, const TVolume&) = default;
};

// The volumes a user cares about among the lines of a mount table in /proc/self/mounts form:
// the root file system first, always, then every other mount in table order, leaving out
// pseudo and memory file systems, system places (/proc, /sys, /dev, /run except /run/media,
// /boot, /efi, /snap, /usr, /etc, /var) and repeated mount points. Malformed lines are
// skipped. The mount points are not touched, so a dead network mount cannot block.
std::vector<TVolume> VolumesFromMountTable(std::string_view table);
// As above from a file; an unreadable table gives the root file system alone.
std::vector<TVolume> ReadVolumes(const std::string& mountTablePath);

// Undoes the octal escapes (\040 for a blank, \011, \012, \134) of a mount table field.
std::string UnescapeMountField(std::string_view field);

} // namespace tavrik
