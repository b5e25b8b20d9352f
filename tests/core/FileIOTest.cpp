#include "core/Exception.h"
#include "core/FileIO.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

class FileIOTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return folder_.Path(name); }

    test::TTempFolder folder_{"tavrik-fileio"};
    const fs::path& dir_ = folder_.Root();
};

} // namespace

TEST_F(FileIOTest, WritesReplacesAndReadsBack)
{
    std::vector<uint8_t> first{1, 2, 3}, second{9};
    WriteFileAtomically(PathOf("a.bin"), first);
    EXPECT_EQ(ReadFileBytes(PathOf("a.bin")), first);
    WriteFileAtomically(PathOf("a.bin"), second);
    EXPECT_EQ(ReadFileBytes(PathOf("a.bin")), second);
    EXPECT_EQ(FileSizeOf(PathOf("a.bin")), 1u);
    WriteFileAtomically(PathOf("empty.bin"), {});
    EXPECT_TRUE(FileExists(PathOf("empty.bin")));
    EXPECT_EQ(FileSizeOf(PathOf("empty.bin")), 0u);
    // Only the target itself is left behind: no temporary files.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST_F(FileIOTest, FailuresNameThePathAndLeaveNothingBehind)
{
    std::string missingFolder = PathOf("no/such/out.jpg");
    try {
        WriteFileAtomically(missingFolder, std::vector<uint8_t>{1});
        FAIL() << "writing into a missing folder succeeded";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find(missingFolder), std::string::npos);
    }
    EXPECT_THROW(ReadFileBytes(PathOf("missing")), EFileError);
    EXPECT_THROW(ReadFileBytes(dir_.string()), EFileError);
    EXPECT_THROW(FileSizeOf(PathOf("missing")), EFileError);
    WriteFileAtomically(PathOf("big"), std::vector<uint8_t>(100));
    EXPECT_THROW(ReadFileBytes(PathOf("big"), 99), EFileError);
    EXPECT_FALSE(FileExists(dir_.string()));
    EXPECT_TRUE(DirectoryExists(dir_.string()));
}
