#include "ui/Memo.h"

#include "core/Exception.h"
#include "wsys/WinApi.h"

namespace tavrik {

std::vector<std::string> TMemoLines::Split() const
{
    std::vector<std::string> lines;
    const std::string& text = memo_.Text();
    size_t start = 0;
    while (start < text.size()) {
        size_t br = text.find('\n', start);
        if (br == std::string::npos) br = text.size();
        lines.push_back(text.substr(start, br - start));
        start = br + 1;
    }
    return lines;
}

void TMemoLines::Join(const std::vector<std::string>& lines)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    memo_.SetText(text);
}

void TMemoLines::CheckIndex(int index, int count) const
{
    if (index < 0 || index >= count) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TMemoLines::Strings(int index) const
{
    std::vector<std::string> lines = Split();
    CheckIndex(index, int(lines.size()));
    return lines[size_t(index)];
}

void TMemoLines::SetStrings(int index, const std::string& line)
{
    std::vector<std::string> lines = Split();
    CheckIndex(index, int(lines.size()));
    lines[size_t(index)] = line;
    Join(lines);
}

void TMemoLines::Add(const std::string& line) { Insert(Count(), line); }

void TMemoLines::Insert(int index, const std::string& line)
{
    std::vector<std::string> lines = Split();
    CheckIndex(index, int(lines.size()) + 1);
    lines.insert(lines.begin() + index, line);
    Join(lines);
}

void TMemoLines::Delete(int index)
{
    std::vector<std::string> lines = Split();
    CheckIndex(index, int(lines.size()));
    lines.erase(lines.begin() + index);
    Join(lines);
}

void TMemoLines::Clear() { memo_.SetText({}); }

std::string TMemoLines::Text() const
{
    std::string text;
    for (const std::string& line : Split()) text += line + '\n';
    return text;
}

void TMemoLines::SetText(const std::string& text) { memo_.SetText(text); }

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoLines>(*this))
{
    SetMultiLine(true);
    SetWordWrapping(true);
    SetBounds(Left(), Top(), 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetScrollBars(TScrollStyle style)
{
    if (style == scrollBars_) return;
    scrollBars_ = style;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool on)
{
    if (on == WordWrap()) return;
    SetWordWrapping(on);
    if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    bool vertical = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    bool horizontal = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
    if (vertical) params.Style |= WS_VSCROLL;
    if (horizontal && !WordWrap()) params.Style |= WS_HSCROLL;
}

void TCustomMemo::CreateWnd()
{
    TCustomEdit::CreateWnd();
    UpdateScrollBars();
}

void TCustomMemo::UpdateScrollBars()
{
    if (!HandleAllocated() || updatingBars_) return;
    updatingBars_ = true;
    HWND h = Handle();
    LONG_PTR style = GetWindowLongPtr(h, GWL_STYLE);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    if (style & WS_VSCROLL) {
        info.nMax = LineCount() - 1;
        info.nPage = UINT(VisibleLineCount());
        info.nPos = FirstVisibleLine();
        SetScrollInfo(h, SB_VERT, &info, true);
    }
    if (style & WS_HSCROLL) {
        info.nMax = Layout().MaxLineWidth();
        info.nPage = UINT(FormatRect().Width());
        info.nPos = ScrollX();
        SetScrollInfo(h, SB_HORZ, &info, true);
    }
    updatingBars_ = false;
}

TPoint TCustomMemo::CaretLineAndColumn() const
{
    int line = Layout().LineOfChar(Buffer().Caret());
    return {int(Buffer().Caret() - Layout().Line(line).Start), line};
}

std::u32string TCustomMemo::NormalizeText(std::u32string text) const
{
    std::u32string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') out += text[i];
        else if (i + 1 >= text.size() || text[i + 1] != '\n') out += U'\n';
    }
    return TCustomEdit::NormalizeText(std::move(out));
}

std::u32string TCustomMemo::ClipboardInsertion(std::u32string text) const { return NormalizeText(std::move(text)); }

void TCustomMemo::ScrollChanged()
{
    UpdateScrollBars();
    if (OnScroll) OnScroll(this);
}

} // namespace tavrik
