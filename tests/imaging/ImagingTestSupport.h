#pragma once

#include "gfx/Bitmap.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tavrik::test {

std::string TestDataPath(const std::string& relative);

// A fresh folder per test, removed afterwards.
class TempDirTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return folder_.Path(name); }
    const std::filesystem::path& Dir() const { return folder_.Root(); }

private:
    TTempFolder folder_{"tavrik-imaging"};
};

// Runs a shell command line; returns its exit status (-1 when it did not exit normally).
int RunCommand(const std::string& commandLine);
// Fails the current test with an installation hint when a reference tool is missing.
::testing::AssertionResult ToolAvailable(const std::string& tool);
std::string ShellQuote(const std::string& text);

// Binary PNM: P6 (RGB) and P5 (gray, read as 24-bit gray) with maxval 255.
TBitmap ReadPnm(const std::string& path);
void WritePpm(const TBitmap& picture, const std::string& path);

// Deterministic test pictures.
TBitmap GradientPicture(int width, int height);
TBitmap NoisePicture(int width, int height, uint32_t seed);

// Position and value of the first differing pixel, for readable failures.
::testing::AssertionResult SamePixels(const TBitmap& expected, const TBitmap& actual);

} // namespace tavrik::test
