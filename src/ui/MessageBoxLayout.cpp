#include "ui/MessageBoxLayout.h"

#include <algorithm>
#include <bit>

namespace tavrik {

namespace {

constexpr unsigned kButtonCount = 11;
constexpr TMsgDlgButtons kAllButtons = (1u << kButtonCount) - 1;

} // namespace

int MessageButtonRowWidth(TMsgDlgButtons buttons)
{
    const int n = std::popcount(buttons & kAllButtons);
    return n > 0 ? n * kMessageButtonWidth + (n - 1) * kMessageButtonGap : 0;
}

TSize MessageBoxClientSize(TSize textSize, TMsgDlgButtons buttons, int buttonHeight)
{
    const int textRight = kMessageTextOrigin.x + textSize.cx;
    const int row = MessageButtonRowWidth(buttons);
    return {(row < textRight ? textRight : row) + 40, buttonHeight + textSize.cy + 50};
}

TRect MessageIconRect(int textHeight)
{
    return Bounds(5, std::max(10, kMessageTextOrigin.y + textHeight / 2 - 16), 32, 32);
}

std::vector<TMessageButtonPlace> MessageButtonRow(TMsgDlgButtons buttons, TSize clientSize, int buttonHeight)
{
    std::vector<TMessageButtonPlace> row;
    int x = (clientSize.cx - MessageButtonRowWidth(buttons)) / 2;
    const int y = clientSize.cy - buttonHeight - 10;
    for (unsigned b = 0; b < kButtonCount; ++b) {
        if (!HasButton(buttons, TMsgDlgBtn(b))) continue;
        row.push_back({TMsgDlgBtn(b), Bounds(x, y, kMessageButtonWidth, buttonHeight)});
        x += kMessageButtonWidth + kMessageButtonGap;
    }
    return row;
}

TMsgDlgBtn MessageDefaultButton(TMsgDlgButtons buttons)
{
    if (HasButton(buttons, TMsgDlgBtn::mbOK)) return TMsgDlgBtn::mbOK;
    if (HasButton(buttons, TMsgDlgBtn::mbYes)) return TMsgDlgBtn::mbYes;
    return TMsgDlgBtn::mbRetry;
}

TMsgDlgBtn MessageCancelButton(TMsgDlgButtons buttons)
{
    if (HasButton(buttons, TMsgDlgBtn::mbCancel)) return TMsgDlgBtn::mbCancel;
    if (HasButton(buttons, TMsgDlgBtn::mbNo)) return TMsgDlgBtn::mbNo;
    return TMsgDlgBtn::mbOK;
}

bool MessageBoxIcon(TMsgDlgType type, TSystemIcon& icon)
{
    switch (type) {
    case TMsgDlgType::mtWarning: icon = TSystemIcon::Warning; return true;
    case TMsgDlgType::mtError: icon = TSystemIcon::Error; return true;
    case TMsgDlgType::mtInformation: icon = TSystemIcon::Information; return true;
    case TMsgDlgType::mtConfirmation: icon = TSystemIcon::Question; return true;
    default: return false;
    }
}

} // namespace tavrik
