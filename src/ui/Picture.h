#pragma once

#include "gfx/Bitmap.h"

#include <functional>
#include <memory>
#include <string>

namespace tavrik {

// The picture of an image control: no picture at all, or a bitmap (which may be empty,
// 0 x 0). Changes through this class fire OnChange; after changing the bitmap's pixels in
// place, call Changed.
class TPicture {
public:
    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // The bitmap, or nullptr while there is no picture.
    TBitmap* Graphic() { return bitmap_.get(); }
    const TBitmap* Graphic() const { return bitmap_.get(); }
    // The bitmap, made (empty) when there is none yet.
    TBitmap& Bitmap();
    // Copies the bitmap in; the caller keeps its own.
    void Assign(const TBitmap& bitmap);
    // Takes the bitmap over without copying it.
    void SetBitmap(TBitmap&& bitmap);
    void Clear();
    // Reads a Windows bitmap file; throws as ReadBmpFile does, leaving the picture unchanged.
    void LoadFromFile(const std::string& path);

    int Width() const { return bitmap_ ? bitmap_->Width() : 0; }
    int Height() const { return bitmap_ ? bitmap_->Height() : 0; }
    void Changed();

    std::function<void()> OnChange;

private:
    std::unique_ptr<TBitmap> bitmap_;
};

} // namespace tavrik
