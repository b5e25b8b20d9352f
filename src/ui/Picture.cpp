#include "ui/Picture.h"

#include "gfx/BmpFile.h"

namespace tavrik {

TBitmap& TPicture::Bitmap()
{
    if (!bitmap_) {
        bitmap_ = std::make_unique<TBitmap>();
        Changed();
    }
    return *bitmap_;
}

void TPicture::Assign(const TBitmap& bitmap)
{
    if (bitmap_.get() == &bitmap) return;
    bitmap_ = std::make_unique<TBitmap>(bitmap);
    Changed();
}

void TPicture::SetBitmap(TBitmap&& bitmap)
{
    bitmap_ = std::make_unique<TBitmap>(std::move(bitmap));
    Changed();
}

void TPicture::Clear()
{
    if (!bitmap_) return;
    bitmap_.reset();
    Changed();
}

void TPicture::LoadFromFile(const std::string& path) { SetBitmap(ReadBmpFile(path)); }

void TPicture::Changed()
{
    if (OnChange) OnChange();
}

} // namespace tavrik
