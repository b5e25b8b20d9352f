#pragma once

#include "gfx/Region.h"
#include "wsys/WinTypes.h"

namespace tavrik {

class TWindowSystem;
struct TWindow;

// The one text caret of the program: a rectangle in a window's client area, drawn by
// inverting the pixels under it and blinking on a windowless timer. It is created hidden;
// ShowCaret and HideCaret nest. While a canvas of the caret's top-level window is handed
// out (BeginPaint, GetDC) the caret is taken off the pixels, so painting never mixes with it.
// Wherever the caret goes, the backend is told, so that the input method's candidates
// appear beside it.
class TCaret {
public:
    explicit TCaret(TWindowSystem& ws) : ws_(ws) {}
    ~TCaret();

    bool Create(TWindow* owner, int width, int height);
    bool Destroy();
    bool SetPos(TPoint clientPos);
    TPoint Pos() const { return pos_; }
    bool Show(TWindow* w);
    bool Hide(TWindow* w);
    void SetBlinkTime(uint32_t ms);
    uint32_t BlinkTime() const { return blinkMs_; }
    TWindow* Owner() const { return owner_; }
    bool IsDrawn() const { return drawn_; }

    void Suspend(TWindow* root);
    void Resume(TWindow* root);
    void Forget(TWindow* w);

private:
    void Blink();
    void Draw(bool on);
    void Invert(TWindow* root, const TRegion& area);
    void Restart();
    void TellInputMethod();
    TWindow* Root() const;

    TWindowSystem& ws_;
    TWindow* owner_ = nullptr;
    TSize size_;
    TPoint pos_;
    int hideCount_ = 0;
    int suspended_ = 0;
    bool drawn_ = false;   // the pixels are inverted now...
    TRegion drawnArea_;    // ...here, in the coordinates of...
    TWindow* drawnRoot_ = nullptr; // ...this top-level window (the owner may have moved since)
    bool blinkOn_ = true;  // the blink phase wants it shown
    uint32_t blinkMs_ = 530;
    uint64_t timerId_ = 0;
};

} // namespace tavrik
