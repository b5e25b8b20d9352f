#pragma once

#include "skincontrols/SkinStdLabel.h"

#include <functional>
#include <string>
#include <string_view>

namespace tavrik {

// A skinned label that reads as a link: underlined, in its hot colour while the pointer is
// over it (the skin's activefontcolor, or DefaultActiveFontColor without a skin), with the
// hand cursor. A click fires OnClick and then opens URL with the desktop's handler.
class TbsSkinLinkLabel : public TbsSkinStdLabel {
public:
    explicit TbsSkinLinkLabel(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinLinkLabel"; }

    const std::string& URL() const { return url_; }
    void SetURL(const std::string& url) { url_ = url; }
    TColor DefaultActiveFontColor() const { return defaultActiveFontColor_; }
    void SetDefaultActiveFontColor(TColor color);
    bool Hovered() const { return hovered_; }

    // Opens an address; the desktop's handler unless replaced (tests watch it here).
    std::function<void(std::string_view address)> OpenAddress;

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    TFontRequest TextFont() const override;

private:
    std::string url_;
    TColor defaultActiveFontColor_ = RGB(0, 0, 255);
    bool hovered_ = false;
};

} // namespace tavrik
