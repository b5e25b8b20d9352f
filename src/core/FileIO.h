#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavrik {

// Reads a whole file. Throws EFileError naming the path when it cannot be opened or read, or
// when it is larger than maxBytes.
std::vector<uint8_t> ReadFileBytes(const std::string& path, uint64_t maxBytes = uint64_t(1) << 31);

// Writes bytes so that the file appears complete or not at all: a temporary file in the same
// folder is written, flushed and renamed over path. An existing file is replaced. Throws
// EFileError naming the path on failure, leaving any previous file untouched.
void WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

bool FileExists(const std::string& path);      // a regular file (links followed)
bool DirectoryExists(const std::string& path); // a folder (links followed)
// Size in bytes; throws EFileError naming the path when it cannot be read.
uint64_t FileSizeOf(const std::string& path);

} // namespace tavrik
