#pragma once

#include "ui/GraphicControl.h"
#include "ui/Picture.h"

namespace tavrik {

// Shows a picture. Where it goes inside the control (DestRect):
//   Stretch on:          scaled to the whole control (Center has nothing to do then);
//   Stretch off, Center: its own size, centred (a picture larger than the control is cut
//                        equally on both sides; halves truncate toward zero);
//   neither:             its own size at the top-left corner.
// With AutoSize on, the control takes the picture's size whenever the picture changes, and
// keeps it against other size requests, as long as the picture is not empty.
// Transparent lets the parent show through: by the alpha byte of a 32-bit picture, by the
// colour of the bottom-left pixel otherwise.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    const char* ClassName() const override { return "TImage"; }

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    bool Center() const { return center_; }
    void SetCenter(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);

    TRect DestRect() const;

protected:
    void Paint() override;
    bool CanAutoSize(int& width, int& height) override;
    void Resize() override;

private:
    void PictureChanged();
    void UpdateOpacity();

    TPicture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

} // namespace tavrik
