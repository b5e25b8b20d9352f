#include "skindialogs/ShellImageLists.h"

#include "shell/ShellIcons.h"
#include "ui/ImageList.h"

namespace tavrik {

std::unique_ptr<TImageList> MakeShellImageList(bool large)
{
    const TShellImageList& source = large ? ShellLargeImages() : ShellSmallImages();
    auto icons = std::make_unique<TImageList>(nullptr);
    icons->SetSize(source.size, source.size);
    for (const TBitmap& image : source.images) icons->AddMasked(image, source.transparentColor);
    return icons;
}

} // namespace tavrik
