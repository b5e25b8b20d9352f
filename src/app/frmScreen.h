#pragma once

#include "app/WorkPicture.h"
#include "ui/Form.h"
#include "ui/Image.h"

namespace tavrik {

// The capture window: a borderless window over the whole screen showing a screenshot taken as
// it opens. The first click sets one corner, a rubber band follows the pointer, the second
// click sets the other corner; the rectangle becomes the work picture and the window closes.
// Esc, or a right click before the first corner, abandons the capture.
//
//   state      | first click (left/middle) | right click | move          | Esc
//   -----------+---------------------------+-------------+---------------+---------
//   waiting    | selecting, band drawn     | abandon     |               | abandon
//   selecting  | capture, close            | capture     | band follows  | abandon
class TfrmScreen : public TForm {
public:
    explicit TfrmScreen(TComponent* owner);
    const char* ClassName() const override { return "TfrmScreen"; }

    void SetHost(const TWorkPictureHost& host) { host_ = host; }

    TImage* Image1;

    // Fired once a capture has replaced the work picture, before the window closes.
    TNotifyEvent OnCaptured;

    void FormShow(TComponent* sender);
    void Image1MouseDown(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y);
    void Image1MouseMove(TComponent* sender, TShiftState shift, int x, int y);

    int StartX = 0, StartY = 0;
    int CurX = 0, CurY = 0;
    int EndX = 0, EndY = 0;
    bool Selecting = false;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;

private:
    // Draws the band's outline inverted on the screenshot: drawing it twice restores it.
    void InvertBand(int x1, int y1, int x2, int y2);
    void Finish();
    void Abandon();

    TWorkPictureHost host_;
};

} // namespace tavrik
