#include "ui/CustomEdit.h"

#include "core/Utf8.h"
#include "gfx/Canvas.h"
#include "gfx/FontInstance.h"
#include "gfx/SystemColors.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <utility>

namespace tavrik {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetTabStop(true);
    SetColor(clWindow);
    SetCursor(crIBeam);
    SetBounds(0, 0, 121, 21);
    Relayout();
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    if (borderStyle_ == TBorderStyle::bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
    p.Style |= multiLine_ ? (ES_MULTILINE | ES_AUTOVSCROLL) : ES_AUTOHSCROLL;
    if (!wordWrap_) p.Style |= ES_AUTOHSCROLL;
    if (alignment_ == TAlignment::taRightJustify) p.Style |= ES_RIGHT;
    if (alignment_ == TAlignment::taCenter) p.Style |= ES_CENTER;
    if (readOnly_) p.Style |= ES_READONLY;
    if (!hideSelection_) p.Style |= ES_NOHIDESEL;
    if (passwordChar_) p.Style |= ES_PASSWORD;
    if (charCase_ == TEditCharCase::ecUpperCase) p.Style |= ES_UPPERCASE;
    if (charCase_ == TEditCharCase::ecLowerCase) p.Style |= ES_LOWERCASE;
    if (wantReturns_ && multiLine_) p.Style |= ES_WANTRETURN;
}

void TCustomEdit::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
    Relayout();
}

void TCustomEdit::SetCharCase(TEditCharCase charCase)
{
    if (charCase == charCase_) return;
    charCase_ = charCase;
    std::u32string converted = ApplyCharCase(buffer_.Text());
    if (converted == buffer_.Text()) return;
    buffer_.ConvertText(std::move(converted));
    CommitEdit();
}

void TCustomEdit::SetHideSelection(bool on)
{
    if (on == hideSelection_) return;
    hideSelection_ = on;
    Invalidate();
}

void TCustomEdit::SetMaxLength(int length) { buffer_.SetMaxLength(size_t(std::max(0, length))); }

void TCustomEdit::SetPasswordChar(char32_t c)
{
    if (c == passwordChar_) return;
    passwordChar_ = c;
    Relayout();
    SelectionChanged();
}

void TCustomEdit::SetAlignment(TAlignment alignment)
{
    if (alignment == alignment_) return;
    alignment_ = alignment;
    SelectionChanged();
}

void TCustomEdit::SetMultiLine(bool on)
{
    if (on == multiLine_) return;
    multiLine_ = on;
    Relayout();
    SelectionChanged();
}

void TCustomEdit::SetWordWrapping(bool on)
{
    if (on == wordWrap_) return;
    wordWrap_ = on;
    scrollX_ = 0;
    Relayout();
    SelectionChanged();
}

std::u32string TCustomEdit::ApplyCharCase(std::u32string text) const
{
    if (charCase_ == TEditCharCase::ecUpperCase)
        std::transform(text.begin(), text.end(), text.begin(), UpperCaseChar);
    else if (charCase_ == TEditCharCase::ecLowerCase)
        std::transform(text.begin(), text.end(), text.begin(), LowerCaseChar);
    return text;
}

std::u32string TCustomEdit::NormalizeText(std::u32string text) const { return ApplyCharCase(std::move(text)); }

std::u32string TCustomEdit::ClipboardInsertion(std::u32string text) const
{
    size_t br = text.find_first_of(U"\r\n");
    if (br != std::u32string::npos) text.resize(br);
    return ApplyCharCase(std::move(text));
}

void TCustomEdit::TextChanged()
{
    // An OnChange handler may set the text again; that is a text from code.
    bool fromBuffer = std::exchange(committing_, false);
    if (!fromBuffer) {
        std::u32string text = NormalizeText(Utf8ToUtf32(Text()));
        std::string normalized = Utf32ToUtf8(text);
        if (normalized != Text()) {
            SetText(normalized); // comes back here once, with the text as it stays
            return;
        }
        buffer_.SetText(std::move(text));
        modified_ = false;
        firstLine_ = 0;
        scrollX_ = 0;
        goalX_ = -1;
    }
    auto alive = Guard();
    TWinControl::TextChanged();
    Relayout();
    ScrollToCaret();
    UpdateCaret();
    ScrollChanged();
    if (alive) Change();
}

void TCustomEdit::CommitEdit()
{
    auto alive = Guard();
    committing_ = true;
    SetText(Utf32ToUtf8(buffer_.Text()));
    if (!alive) return;
    committing_ = false;
    modified_ = true;
    SelectionChanged();
}

void TCustomEdit::Change()
{
    if (OnChange) OnChange(this);
}

void TCustomEdit::FontChanged()
{
    TWinControl::FontChanged();
    Relayout();
    if (HandleAllocated() && Focused()) {
        DestroyCaret();
        CreateCaret(Handle(), 1, LineHeight());
        caretShown_ = false;
    }
    SelectionChanged();
}

void TCustomEdit::Resize()
{
    Relayout();
    SelectionChanged();
    TWinControl::Resize();
}

void TCustomEdit::EnabledChanged()
{
    TWinControl::EnabledChanged();
    Invalidate();
}

void TCustomEdit::SetSelStart(int start)
{
    size_t pos = size_t(std::max(0, start));
    buffer_.Select(pos, pos);
    SelectionChanged();
}

void TCustomEdit::SetSelLength(int length)
{
    size_t start = buffer_.SelStart();
    buffer_.Select(start, start + size_t(std::max(0, length)));
    SelectionChanged();
}

std::string TCustomEdit::SelText() const { return Utf32ToUtf8(buffer_.SelText()); }

void TCustomEdit::SetSelText(const std::string& text)
{
    InsertText(ApplyCharCase(Utf8ToUtf32(text)), TEditBuffer::TUndo::NewStep);
}

void TCustomEdit::SelectAll()
{
    buffer_.Select(0, buffer_.Length());
    SelectionChanged();
}

void TCustomEdit::ClearSelection()
{
    if (readOnly_ || !buffer_.HasSelection()) return;
    DeleteText(true, false);
}

void TCustomEdit::CopyToClipboard()
{
    if (passwordChar_ || !buffer_.HasSelection()) return;
    SetClipboardText(SelText());
}

void TCustomEdit::CutToClipboard()
{
    if (passwordChar_ || readOnly_ || !buffer_.HasSelection()) return;
    CopyToClipboard();
    ClearSelection();
}

void TCustomEdit::PasteFromClipboard()
{
    if (!CanEdit()) return;
    std::u32string text = ClipboardInsertion(Utf8ToUtf32(GetClipboardText()));
    InsertText(text, TEditBuffer::TUndo::NewStep);
}

void TCustomEdit::Undo()
{
    if (readOnly_) return;
    if (buffer_.Undo()) CommitEdit();
}

void TCustomEdit::InsertText(std::u32string_view text, TEditBuffer::TUndo undo)
{
    if (buffer_.ReplaceSelection(text, undo)) CommitEdit();
    else if (!text.empty()) MessageBeep(MB_OK); // the length limit left no room
}

void TCustomEdit::DeleteText(bool forward, bool word)
{
    bool changed = forward ? buffer_.DeleteForward(word) : buffer_.DeleteBackward(word);
    if (changed) CommitEdit();
}

bool TCustomEdit::CanEdit()
{
    if (!readOnly_) return true;
    MessageBeep(MB_OK);
    return false;
}

int TCustomEdit::LineHeight() const { return font_ ? std::max(1, font_->Height()) : 1; }

int TCustomEdit::AverageCharWidth() const { return font_ ? std::max(1, font_->Glyph(U'0').advance) : 1; }

TRect TCustomEdit::FormatRect() const
{
    if (customRect_) return formatRect_;
    TRect c = ClientRect();
    return {c.Left + leftMargin_, c.Top, std::max(c.Left + leftMargin_, c.Right - rightMargin_), c.Bottom};
}

int TCustomEdit::VisibleLineCount() const { return std::max(1, FormatRect().Height() / LineHeight()); }

char32_t TCustomEdit::DisplayChar(char32_t c) const { return passwordChar_ ? passwordChar_ : c; }

void TCustomEdit::Relayout()
{
    std::shared_ptr<TFontInstance> font = TFontInstance::Get(Font().Request());
    // Other glyphs measure every character again; a change of the text alone only its run.
    bool sameGlyphs = font == font_ && passwordChar_ == laidOutPasswordChar_;
    font_ = std::move(font);
    laidOutPasswordChar_ = passwordChar_;
    TEditLayout::TOptions options;
    options.MultiLine = multiLine_;
    options.WordWrap = wordWrap_;
    options.WrapWidth = FormatRect().Width();
    options.TabWidth = 8 * AverageCharWidth();
    auto advance = [this](char32_t c) { return font_->Glyph(DisplayChar(c)).advance; };
    if (sameGlyphs) layout_.Update(buffer_.Text(), options, advance);
    else layout_.Build(buffer_.Text(), options, advance);
    ClampScroll();
}

int TCustomEdit::TextTop() const
{
    TRect r = FormatRect();
    // A single line sits in the middle of a taller control.
    if (!multiLine_) return r.Top + std::max(0, (r.Height() - LineHeight()) / 2);
    return r.Top;
}

int TCustomEdit::LineX(int line) const
{
    TRect r = FormatRect();
    int free = r.Width() - layout_.LineWidth(line);
    int shift = 0;
    if (free > 0 && alignment_ == TAlignment::taRightJustify) shift = free - 1; // room for the caret
    else if (free > 0 && alignment_ == TAlignment::taCenter) shift = free / 2;
    return r.Left + shift - scrollX_;
}

TPoint TCustomEdit::PosFromChar(int pos) const
{
    size_t p = std::min(size_t(std::max(0, pos)), buffer_.Length());
    int line = layout_.LineOfChar(p);
    std::vector<int> xs = layout_.Offsets(line);
    int x = LineX(line) + xs[p - layout_.Line(line).Start];
    return {x, TextTop() + (line - firstLine_) * LineHeight()};
}

int TCustomEdit::CharFromPos(TPoint client) const
{
    int row = client.y - TextTop();
    int line = firstLine_ + (row >= 0 ? row / LineHeight() : -1);
    line = std::clamp(line, 0, layout_.LineCount() - 1);
    return int(layout_.CharAtX(line, client.x - LineX(line)));
}

void TCustomEdit::ClampScroll()
{
    int maxFirst = std::max(0, layout_.LineCount() - VisibleLineCount());
    firstLine_ = multiLine_ ? std::clamp(firstLine_, 0, maxFirst) : 0;
    int maxX = std::max(0, layout_.MaxLineWidth() + 1 - FormatRect().Width());
    scrollX_ = wordWrap_ && multiLine_ ? 0 : std::clamp(scrollX_, 0, maxX);
}

void TCustomEdit::ScrollToCaret()
{
    size_t caret = buffer_.Caret();
    int line = layout_.LineOfChar(caret);
    if (multiLine_) {
        if (line < firstLine_) firstLine_ = line;
        else if (line >= firstLine_ + VisibleLineCount()) firstLine_ = line - VisibleLineCount() + 1;
    }
    if (!(multiLine_ && wordWrap_)) {
        TRect r = FormatRect();
        int x = PosFromChar(int(caret)).x; // with the current scrolling
        if (x < r.Left) scrollX_ -= r.Left - x;
        else if (x >= r.Right) scrollX_ += x - r.Right + 1;
    }
    ClampScroll();
}

void TCustomEdit::ScrollBy(int lines, int pixels)
{
    int oldFirst = firstLine_;
    int oldX = scrollX_;
    if (multiLine_) firstLine_ += lines;
    scrollX_ += pixels;
    ClampScroll();
    if (firstLine_ == oldFirst && scrollX_ == oldX) return;
    UpdateCaret();
    Invalidate();
    ScrollChanged();
}

void TCustomEdit::SelectionChanged()
{
    ScrollToCaret();
    UpdateCaret();
    Invalidate();
    ScrollChanged();
}

void TCustomEdit::UpdateCaret()
{
    if (!HandleAllocated() || GetFocus() != Handle()) return;
    TPoint p = PosFromChar(int(buffer_.Caret()));
    TRect r = FormatRect();
    bool inside = p.y >= r.Top && p.y < r.Bottom && p.x >= r.Left - 1 && p.x < r.Right + 1;
    SetCaretPos(p.x, p.y);
    if (inside == caretShown_) return;
    caretShown_ = inside;
    if (inside) ShowCaret(Handle());
    else HideCaret(Handle());
}

void TCustomEdit::EraseBackground(TCanvas& canvas) { (void)canvas; } // PaintWindow covers everything

void TCustomEdit::PaintBackground(TCanvas& canvas)
{
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = Enabled() ? Color() : clBtnFace;
    canvas.FillRect(ClientRect());
}

TColor TCustomEdit::TextColor() const { return Enabled() ? Font().Color() : clGrayText; }

void TCustomEdit::PaintWindow(TCanvas& canvas)
{
    PaintBackground(canvas);
    TCanvasStateSaver saver(canvas);
    canvas.SetFont(Font().Request());
    canvas.IntersectClipRect(FormatRect());
    bool showSelection = buffer_.HasSelection() && (!hideSelection_ || Focused());
    int last = std::min(layout_.LineCount(), firstLine_ + VisibleLineCount() + 1);
    for (int line = firstLine_; line < last; ++line)
        PaintLine(canvas, line, TextTop() + (line - firstLine_) * LineHeight(), showSelection);
}

void TCustomEdit::PaintLine(TCanvas& canvas, int line, int y, bool showSelection)
{
    const TEditLine& l = layout_.Line(line);
    std::vector<int> xs = layout_.Offsets(line);
    int x0 = LineX(line);
    size_t selStart = showSelection ? buffer_.SelStart() : 0;
    size_t selEnd = showSelection ? buffer_.SelEnd() : 0;
    TColor textColor = TextColor();
    const std::u32string& text = buffer_.Text();
    // Runs of characters with the same colours, drawn one by one at their laid-out places so
    // that tabs and the selection's edges fall exactly where the caret goes.
    size_t i = l.Start;
    while (i < l.End) {
        bool selected = i >= selStart && i < selEnd;
        size_t j = i;
        std::string run;
        while (j < l.End && (j >= selStart && j < selEnd) == selected && text[j] != '\t') {
            Utf8Append(run, DisplayChar(text[j]));
            ++j;
        }
        if (j == i) j = i + 1; // a tab: nothing to draw but its selection
        int left = x0 + xs[i - l.Start];
        int right = x0 + xs[j - l.Start];
        if (selected) {
            canvas.Brush().Style = TBrushStyle::bsSolid;
            canvas.Brush().Color = clHighlight;
            canvas.FillRect({left, y, right, y + LineHeight()});
        }
        canvas.Brush().Style = TBrushStyle::bsClear;
        canvas.Font().Color = selected ? clHighlightText : textColor;
        if (!run.empty()) canvas.TextOut(left, y, run);
        i = j;
    }
}

} // namespace tavrik
