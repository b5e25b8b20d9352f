#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

namespace tavrik::test {

// A fresh, empty folder under the system's temporary folder, removed with everything in it
// when the object goes, unreadable folders included. Its name holds the process, a serial number and the running test, so
// that tests running side by side never share one and a folder left by a crash is easy to
// place.
class TTempFolder {
public:
    explicit TTempFolder(const std::string& tag = "tavrik")
    {
        static int serial = 0;
        std::string name = tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
        if (const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info())
            name += std::string("-") + test->name();
        std::replace(name.begin(), name.end(), '/', '_'); // parameterised tests are named a/b
        root_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~TTempFolder()
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        // Folders a test made unreadable must be opened up again to be removed.
        for (auto it = fs::recursive_directory_iterator(root_, fs::directory_options::skip_permission_denied, ignored);
             it != fs::recursive_directory_iterator(); it.increment(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(root_, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    // A path inside the folder; the folder itself without a name.
    std::string Path(const std::string& name = "") const { return name.empty() ? root_.string() : (root_ / name).string(); }
    // Writes a file inside the folder, making the folders on its way.
    void WriteText(const std::string& name, const std::string& text) const
    {
        std::filesystem::path path = root_ / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

private:
    std::filesystem::path root_;
};

} // namespace tavrik::test
