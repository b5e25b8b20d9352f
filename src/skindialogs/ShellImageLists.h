#pragma once

#include <memory>

namespace tavrik {

class TImageList;

// The namespace's icon artwork (shell/ShellIcons.h) as image lists that controls draw from,
// at 16 or 32 pixels; the indices are those of ShellImageIndex.
std::unique_ptr<TImageList> MakeShellImageList(bool large);

} // namespace tavrik
