#pragma once

#include "ui/CustomControl.h"

namespace tavrik {

// A frame with a caption in its top edge, grouping the controls inside it. Aligned children
// share the area inside the frame, below the caption.
class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* owner);
    const char* ClassName() const override { return "TGroupBox"; }

    void AdjustClientRect(TRect& rect) const override;

protected:
    void Paint() override;
    void TextChanged() override;

private:
    int CaptionHeight() const;
};

} // namespace tavrik
