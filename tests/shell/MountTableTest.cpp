#include "shell/MountTable.h"

#include <gtest/gtest.h>

using namespace tavrik;

TEST(MountTable, KeepsTheVolumesAUserCaresAbout)
{
    const char* table =
        "sysfs /sys sysfs rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "/dev/nvme0n1p2 / ext4 rw 0 0\n"
        "/dev/nvme0n1p1 /boot/efi vfat rw 0 0\n"
        "tmpfs /run tmpfs rw 0 0\n"
        "tmpfs /media/ram tmpfs rw 0 0\n"
        "/dev/sdb1 /run/media/anna/CAMERA vfat rw 0 0\n"
        "/dev/sdc1 /media/anna/My\\040Photos exfat rw 0 0\n"
        "server:/export /mnt/archive nfs4 rw 0 0\n"
        "/dev/loop3 /snap/core/123 squashfs ro 0 0\n"
        "overlay /var/lib/docker/overlay2/x/merged overlay rw 0 0\n"
        "/dev/sda1 /etc/hosts ext4 rw 0 0\n"
        "/dev/sdd1 /data/ xfs rw 0 0\n"
        "/dev/sdd1 /data xfs rw 0 0\n"
        "broken line\n"
        "\n"
        "/dev/sde1 relative ext4 rw 0 0\n"
        "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n";
    std::vector<TVolume> expected = {
        {"/", "File System"},
        {"/run/media/anna/CAMERA", "CAMERA"},
        {"/media/anna/My Photos", "My Photos"},
        {"/mnt/archive", "archive"},
        {"/data", "data"},
    };
    EXPECT_EQ(VolumesFromMountTable(table), expected);
}

TEST(MountTable, NamesSharedByTwoVolumesShowTheirMountPoints)
{
    std::vector<TVolume> volumes =
        VolumesFromMountTable("/dev/sdb1 /media/a/disk ext4 rw 0 0\n/dev/sdc1 /mnt/disk ext4 rw 0 0\n"
                              "/dev/sdd1 /mnt/other ext4 rw 0 0\n");
    ASSERT_EQ(volumes.size(), 4u);
    EXPECT_EQ(volumes[1].name, "disk (/media/a/disk)");
    EXPECT_EQ(volumes[2].name, "disk (/mnt/disk)");
    EXPECT_EQ(volumes[3].name, "other");
}

TEST(MountTable, RootIsThereEvenWithoutATable)
{
    std::vector<TVolume> rootOnly = {{"/", "File System"}};
    EXPECT_EQ(VolumesFromMountTable(""), rootOnly);
    EXPECT_EQ(ReadVolumes("/nonexistent/mounts"), rootOnly);
    // The real table of this machine parses and starts with the root.
    EXPECT_EQ(ReadVolumes("/proc/self/mounts").front(), rootOnly.front());
}

TEST(MountTable, UnescapesOctalFieldsAndLeavesOtherBackslashes)
{
    EXPECT_EQ(UnescapeMountField("a\\040b\\011c\\012d\\134e"), "a b\tc\nd\\e");
    EXPECT_EQ(UnescapeMountField("end\\04"), "end\\04");
    EXPECT_EQ(UnescapeMountField("x\\400y\\08z"), "x\\400y\\08z");
    EXPECT_EQ(UnescapeMountField("\\"), "\\");
}
