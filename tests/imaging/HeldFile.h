#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tavrik::test {

// A picture file whose reader waits until the test hands over its bytes: a named pipe. It
// lets a test hold a conversion in work for as long as it likes, without sleeping.
class THeldFile {
public:
    explicit THeldFile(std::string path) : path_(std::move(path)) { EXPECT_EQ(::mkfifo(path_.c_str(), 0600), 0); }
    ~THeldFile()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    THeldFile(const THeldFile&) = delete;
    THeldFile& operator=(const THeldFile&) = delete;

    const std::string& Path() const { return path_; }
    // Waits until a reader has opened the file: its conversion is then in work.
    void WaitForReader()
    {
        if (fd_ < 0) fd_ = ::open(path_.c_str(), O_WRONLY);
        ASSERT_GE(fd_, 0);
    }
    // Hands over the bytes and ends the file (waiting for a reader first if need be).
    void Release(const std::vector<uint8_t>& bytes)
    {
        WaitForReader();
        EXPECT_EQ(::write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
        ::close(fd_);
        fd_ = -1;
    }

private:
    std::string path_;
    int fd_ = -1;
};

} // namespace tavrik::test
