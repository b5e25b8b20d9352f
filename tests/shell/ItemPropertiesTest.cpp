#include "shell/ItemProperties.h"

#include "shell/ShellError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

// Sets the local time zone for the test and puts the previous one back.
class TTimeZone {
public:
    explicit TTimeZone(const char* zone)
    {
        if (const char* previous = std::getenv("TZ")) previous_ = previous;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TTimeZone()
    {
        if (previous_) ::setenv("TZ", previous_->c_str(), 1);
        else ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> previous_;
};

void SetModified(const std::string& path, std::time_t when)
{
    timeval times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(::lutimes(path.c_str(), times), 0);
}

TEST(ItemProperties, SizesReadInBytesAndInTheNearestUnit)
{
    struct TCase {
        uint64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0 bytes"},
        {1, "1 byte"},
        {1023, "1,023 bytes"},
        {1024, "1.0 KB (1,024 bytes)"},
        {1536, "1.5 KB (1,536 bytes)"},
        {1048524, "1023.9 KB (1,048,524 bytes)"},
        {1048575, "1.0 MB (1,048,575 bytes)"}, // not "1024.0 KB"
        {12345678, "11.8 MB (12,345,678 bytes)"},
        {5368709120, "5.0 GB (5,368,709,120 bytes)"},
        {uint64_t(3) << 50, "3072.0 TB (3,377,699,720,527,872 bytes)"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(FormatReadableSize(c.bytes), c.text);
    }
}

TEST(ItemProperties, FilesFoldersAndLinksAsTheBoxShowsThem)
{
    TTimeZone utc("UTC");
    test::TTempFolder folder("tavrik-props");
    folder.WriteText("pics/photo.jpg", std::string(1536, 'x'));
    folder.WriteText("pics/README", "");
    for (const char* name : {"a", "b", ".hidden"}) folder.WriteText(std::string("full/") + name, "");
    fs::create_symlink("photo.jpg", folder.Path("pics/link.jpg"));
    fs::create_symlink("nowhere", folder.Path("pics/broken"));
    ::chmod(folder.Path("pics/photo.jpg").c_str(), 0640);
    SetModified(folder.Path("pics/photo.jpg"), 1781094896); // 2026-06-10 12:34:56 UTC
    const passwd* me = ::getpwuid(::getuid());
    const std::string owner = me ? me->pw_name : std::to_string(::getuid());
    const std::string pics = folder.Path("pics");

    struct TCase {
        const char* name;
        int countLimit;
        std::string text;
    } cases[] = {
        {"photo.jpg", 10, "Name: photo.jpg\nKind: JPG file\nSize: 1.5 KB (1,536 bytes)\nLocation: " + pics +
                              "\nModified: 2026-06-10 12:34:56\nPermissions: rw-r----- (owner " + owner + ")"},
        {"README", 10, "Name: README\nKind: File\nSize: 0 bytes\nLocation: " + pics},
        {"link.jpg", 10, "Name: link.jpg\nKind: JPG file (link)\nSize: 1.5 KB (1,536 bytes)\nLocation: " + pics},
        {"broken", 10, "Name: broken\nKind: File (link)\nSize: 7 bytes\nLocation: " + pics},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = FormatItemProperties(ReadItemProperties(pics + "/" + c.name, c.name, c.countLimit));
        EXPECT_EQ(text.substr(0, c.text.size()), c.text);
    }

    struct TFolderCase {
        int countLimit;
        const char* contains;
    } folders[] = {{10, "3 items"}, {3, "3 items"}, {2, "more than 2 items"}};
    for (const TFolderCase& c : folders) {
        SCOPED_TRACE(c.countLimit);
        TItemProperties full = ReadItemProperties(folder.Path("full"), "full", c.countLimit);
        EXPECT_EQ(full.kind, "Folder");
        EXPECT_FALSE(full.size);
        std::string text = FormatItemProperties(full);
        EXPECT_NE(text.find("\nContains: " + std::string(c.contains) + "\n"), std::string::npos) << text;
        EXPECT_EQ(text.find("Size"), std::string::npos);
    }
    folder.WriteText("one/only", "");
    EXPECT_NE(FormatItemProperties(ReadItemProperties(folder.Path("one"), "one", 10)).find("Contains: 1 item\n"),
              std::string::npos);
    EXPECT_THROW(ReadItemProperties(folder.Path("missing"), "missing", 10), EShellError);
}

} // namespace
