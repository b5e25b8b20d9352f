#pragma once

#include "gfx/Bitmap.h"
#include "imaging/ProgressSink.h"
#include "ui/Image.h"
#include "ui/ProgressBar.h"

namespace tavrik {

class TForm;

// What the colour dialog and the capture window reach of the main window: the picture view
// whose picture is the work picture, the window itself, and the hidden row-progress bar of the
// colour routines.
struct TWorkPictureHost {
    TForm* window = nullptr;
    TImage* view = nullptr;
    TProgressBar* applyProgress = nullptr;
};

// The work picture, or nullptr while there is none (it may be present and empty).
inline TBitmap* WorkPicture(TImage* view) { return view ? view->Picture().Graphic() : nullptr; }

// Makes the work picture a 24-bit copy of the picture; the caller keeps its own.
void SetWorkPicture(TImage* view, const TBitmap& picture);

// A nearest-neighbour copy of the picture at width x height, 24 bits per pixel (empty when
// either is 0 or less).
TBitmap StretchedCopy(const TBitmap& picture, int width, int height);

// Row progress of the colour routines on a progress bar.
class TProgressBarSink final : public TProgressSink {
public:
    explicit TProgressBarSink(TProgressBar* bar) : bar_(bar) {}
    void SetMax(int max) override
    {
        if (bar_) bar_->SetRange(std::min(0, max), max);
    }
    void SetPosition(int position) override
    {
        if (bar_) bar_->SetPosition(position);
    }

private:
    TProgressBar* bar_;
};

} // namespace tavrik
