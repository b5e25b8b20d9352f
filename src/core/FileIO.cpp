#include "core/FileIO.h"

#include "core/Exception.h"
#include "core/FileName.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrik {

namespace {

[[noreturn]] void ThrowFileError(const std::string& what, const std::string& path, int error)
{
    throw EFileError(what + " \"" + path + "\": " + std::strerror(error));
}

// Closes the descriptor on every path out of a function.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : fd_(fd) {}
    ~TFileDescriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    int Get() const { return fd_; }
    int Release()
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

} // namespace

std::vector<uint8_t> ReadFileBytes(const std::string& path, uint64_t maxBytes)
{
    TFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) ThrowFileError("Cannot open file", path, errno);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) ThrowFileError("Cannot read file", path, errno);
    if (S_ISDIR(st.st_mode)) ThrowFileError("Cannot read file", path, EISDIR);
    if (uint64_t(st.st_size) > maxBytes)
        throw EFileError("Cannot read file \"" + path + "\": it is larger than " + std::to_string(maxBytes) + " bytes");
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(st.st_size));
    uint8_t chunk[65536];
    for (;;) {
        ssize_t n = ::read(fd.Get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ThrowFileError("Cannot read file", path, errno);
        if (n == 0) break;
        if (bytes.size() + size_t(n) > maxBytes)
            throw EFileError("Cannot read file \"" + path + "\": it is larger than " + std::to_string(maxBytes) + " bytes");
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

void WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes)
{
    std::string folder = ExtractFileDir(path);
    std::string temp = (folder.empty() ? std::string() : IncludeTrailingPathDelimiter(folder)) + "." +
                       ExtractFileName(path) + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    TFileDescriptor fd(::mkstemp(name.data()));
    if (fd.Get() < 0) ThrowFileError("Cannot create file", path, errno);
    std::string tempPath(name.data());
    auto fail = [&](int error) {
        ::unlink(tempPath.c_str());
        ThrowFileError("Cannot write file", path, error);
    };
    // mkstemp creates the file for its owner only; give it the permissions a new file gets.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd.Get(), 0666 & ~mask);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd.Get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(errno);
        done += size_t(n);
    }
    if (::close(fd.Release()) != 0) fail(errno);
    if (::rename(tempPath.c_str(), path.c_str()) != 0) fail(errno);
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

uint64_t FileSizeOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) ThrowFileError("Cannot read the size of file", path, errno);
    return uint64_t(st.st_size);
}

} // namespace tavrik
