#pragma once

#include "gfx/Bitmap.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrik::testing {

// How far a picture may stray from its golden image: pixels whose channels all lie within
// Channel of the golden's are equal; at most Pixels pixels may be unequal (text rendering
// differs by a shade between font builds).
struct TGoldenTolerance {
    int Channel = 24;
    int Pixels = 8;
};

// Compares a whole control's picture with tests/skincontrols/golden/<name>.bmp. A missing or
// different golden fails the test and writes the picture as golden-out/<name>.bmp and .png in
// the working folder, for a person to look at and, when it is right, to copy over the golden.
::testing::AssertionResult MatchesGolden(const TBitmap& picture, const std::string& name, TGoldenTolerance tolerance = {});

} // namespace tavrik::testing
