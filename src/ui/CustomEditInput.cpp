#include "core/Utf8.h"
#include "ui/CustomEdit.h"
#include "ui/ListScrolling.h"
#include "ui/PopupMenu.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

// While a drag that selects is outside the text, the selection follows the pointer on a timer,
// scrolling the text. The id stays clear of the small ids controls built on the edit use.
constexpr uint64_t kAutoScrollTimer = 0x4544;
constexpr UINT kAutoScrollInterval = 100;

constexpr char32_t kCtrlA = 0x01;
constexpr char32_t kCtrlC = 0x03;
constexpr char32_t kCtrlV = 0x16;
constexpr char32_t kCtrlX = 0x18;
constexpr char32_t kCtrlZ = 0x1A;
constexpr char32_t kCtrlBackspace = 0x7F;

} // namespace

void TCustomEdit::DefaultHandler(TMessage& m)
{
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        if (multiLine_ && wantReturns_) m.Result |= DLGC_WANTALLKEYS;
        if (multiLine_ && wantTabs_) m.Result |= DLGC_WANTTAB;
        return;
    case WM_KEYDOWN: WMKeyDown(m); return;
    case WM_CHAR: WMChar(m); return;
    case WM_IME_CHAR: Perform(WM_CHAR, m.WParam, m.LParam); return; // through the key-press events
    case WM_LBUTTONDOWN: WMLButtonDown(m); return;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(m); return;
    case WM_LBUTTONUP:
        selecting_ = false;
        StopAutoScroll();
        break;
    case WM_MOUSEMOVE: WMMouseMove(m); break;
    case WM_TIMER:
        if (m.WParam == kAutoScrollTimer) {
            WMTimer(m);
            return;
        }
        break;
    case WM_SETFOCUS: WMSetFocus(m); return;
    case WM_KILLFOCUS: WMKillFocus(m); return;
    case WM_SETTEXT: WMSetText(m); return;
    case WM_SIZE: WMSize(m); return;
    case WM_CONTEXTMENU: WMContextMenu(m); return;
    case WM_CUT: CutToClipboard(); return;
    case WM_COPY: CopyToClipboard(); return;
    case WM_PASTE: PasteFromClipboard(); return;
    case WM_CLEAR: ClearSelection(); return;
    case WM_UNDO:
        m.Result = CanUndo() ? 1 : 0;
        Undo();
        return;
    default:
        if (EditMessage(m) || ScrollMessage(m)) return;
        break;
    }
    TWinControl::DefaultHandler(m);
}

void TCustomEdit::WMKeyDown(TMessage& m)
{
    auto key = uint16_t(m.WParam);
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (MoveByKey(key, shift, ctrl)) return;
    if (key == VK_DELETE) {
        if (shift && !ctrl) CutToClipboard();
        else if (CanEdit()) DeleteText(true, ctrl);
        return;
    }
    if (key == VK_INSERT && ctrl && !shift) {
        CopyToClipboard();
        return;
    }
    if (key == VK_INSERT && shift && !ctrl) {
        PasteFromClipboard();
        return;
    }
    TWinControl::DefaultHandler(m);
}

bool TCustomEdit::MoveByKey(uint16_t key, bool shift, bool ctrl)
{
    const std::u32string& text = buffer_.Text();
    size_t caret = buffer_.Caret();
    size_t length = text.size();
    bool collapse = !shift && !ctrl && buffer_.HasSelection();
    if (!multiLine_ && key == VK_UP) key = VK_LEFT;
    if (!multiLine_ && key == VK_DOWN) key = VK_RIGHT;
    int line = layout_.LineOfChar(caret);
    switch (key) {
    case VK_LEFT:
        MoveCaret(collapse ? buffer_.SelStart() : ctrl ? WordLeft(text, caret) : caret > 0 ? caret - 1 : 0, shift);
        return true;
    case VK_RIGHT:
        MoveCaret(collapse ? buffer_.SelEnd() : ctrl ? WordRight(text, caret) : std::min(caret + 1, length), shift);
        return true;
    case VK_HOME: MoveCaret(ctrl || !multiLine_ ? 0 : layout_.Line(line).Start, shift); return true;
    case VK_END: {
        if (ctrl || !multiLine_) {
            MoveCaret(length, shift);
            return true;
        }
        const TEditLine& l = layout_.Line(line);
        bool wrapped = line + 1 < layout_.LineCount() && layout_.Line(line + 1).Start == l.End;
        // The end of a wrapped line is the start of the next; stay before its last character.
        MoveCaret(wrapped && l.End > l.Start ? l.End - 1 : l.End, shift);
        return true;
    }
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
        if (!multiLine_) return false;
        int step = key == VK_UP ? -1 : key == VK_DOWN ? 1 : key == VK_PRIOR ? -VisibleLineCount() : VisibleLineCount();
        int target = std::clamp(line + step, 0, layout_.LineCount() - 1);
        if (goalX_ < 0) goalX_ = PosFromChar(int(caret)).x + scrollX_;
        if (key == VK_PRIOR || key == VK_NEXT) ScrollBy(target - line, 0);
        size_t pos = layout_.CharAtX(target, goalX_ - scrollX_ - LineX(target));
        MoveCaret(pos, shift, true);
        return true;
    }
    default: return false;
    }
}

void TCustomEdit::MoveCaret(size_t pos, bool extend, bool keepGoal)
{
    if (!keepGoal) goalX_ = -1;
    buffer_.MoveCaret(pos, extend);
    SelectionChanged();
}

void TCustomEdit::WMChar(TMessage& m) { TypeChar(char32_t(m.WParam)); }

void TCustomEdit::TypeChar(char32_t c)
{
    switch (c) {
    case kCtrlA: SelectAll(); return;
    case kCtrlC: CopyToClipboard(); return;
    case kCtrlV: PasteFromClipboard(); return;
    case kCtrlX:
        if (CanEdit()) CutToClipboard();
        return;
    case kCtrlZ:
        if (CanEdit()) Undo();
        return;
    case '\b':
    case kCtrlBackspace:
        if (CanEdit()) DeleteText(false, c == kCtrlBackspace);
        return;
    case '\r':
    case '\n':
        if (!multiLine_ || (c == '\r' && !wantReturns_)) return;
        c = '\n';
        break;
    case '\t':
        if (!multiLine_ || !wantTabs_) return;
        break;
    default:
        if (c < 0x20) return;
        break;
    }
    if (!CanEdit()) return;
    goalX_ = -1;
    InsertText(ApplyCharCase(std::u32string(1, c)), TEditBuffer::TUndo::Typing);
}

void TCustomEdit::WMLButtonDown(TMessage& m)
{
    auto alive = Guard();
    if (!Focused() && CanFocus()) {
        mouseFocusing_ = true;
        SetFocus();
        if (!alive) return;
        mouseFocusing_ = false;
    }
    MoveCaret(size_t(CharFromPos(LParamToPoint(m.LParam))), (m.WParam & MK_SHIFT) != 0);
    selecting_ = true;
    TWinControl::DefaultHandler(m);
}

void TCustomEdit::WMLButtonDblClk(TMessage& m)
{
    auto word = WordAt(buffer_.Text(), size_t(CharFromPos(LParamToPoint(m.LParam))));
    goalX_ = -1;
    buffer_.Select(word.first, word.second);
    SelectionChanged();
    selecting_ = false;
    TWinControl::DefaultHandler(m);
}

void TCustomEdit::WMMouseMove(TMessage& m)
{
    if (!selecting_ || !(m.WParam & MK_LBUTTON)) return;
    TPoint p = LParamToPoint(m.LParam);
    bool outside = !FormatRect().Contains(p);
    if (outside && !autoScrolling_) autoScrolling_ = SetTimer(Handle(), kAutoScrollTimer, kAutoScrollInterval) != 0;
    else if (!outside) StopAutoScroll();
    auto pos = size_t(CharFromPos(p));
    if (pos != buffer_.Caret()) MoveCaret(pos, true);
}

void TCustomEdit::WMTimer(TMessage& m)
{
    (void)m;
    if (!selecting_ || GetCapture() != Handle()) {
        StopAutoScroll();
        return;
    }
    auto pos = size_t(CharFromPos(ScreenToClient(GetCursorPos())));
    if (pos != buffer_.Caret()) MoveCaret(pos, true);
}

void TCustomEdit::StopAutoScroll()
{
    if (!autoScrolling_) return;
    autoScrolling_ = false;
    if (HandleAllocated()) KillTimer(Handle(), kAutoScrollTimer);
}

void TCustomEdit::WMSetFocus(TMessage& m)
{
    TWinControl::DefaultHandler(m);
    CreateCaret(Handle(), 1, LineHeight());
    caretShown_ = false;
    if (autoSelect_ && !multiLine_ && !mouseFocusing_) buffer_.Select(0, buffer_.Length());
    SelectionChanged();
}

void TCustomEdit::WMKillFocus(TMessage& m)
{
    selecting_ = false;
    StopAutoScroll();
    DestroyCaret();
    caretShown_ = false;
    Invalidate();
    TWinControl::DefaultHandler(m);
}

void TCustomEdit::WMSetText(TMessage& m)
{
    const char* text = LParamToPtr<const char>(m.LParam);
    std::string value = text ? text : "";
    if (value != Text()) {
        SetText(value); // comes back with the text the control keeps
        m.Result = 1;
        return;
    }
    TWinControl::DefaultHandler(m);
}

void TCustomEdit::WMSize(TMessage& m)
{
    TWinControl::DefaultHandler(m);
    Relayout();
    SelectionChanged();
}

void TCustomEdit::WMContextMenu(TMessage& m)
{
    TPoint at = LParamToPoint(m.LParam);
    if (at.x == -1 && at.y == -1) at = ClientToScreen({Width() / 2, Height() / 2}); // from the keyboard
    if (!Focused() && CanFocus()) SetFocus();
    BuildContextMenu();
    contextMenu_->SetPopupComponent(this);
    contextMenu_->Popup(at.x, at.y);
    m.Result = 1;
}

void TCustomEdit::BuildContextMenu()
{
    if (!contextMenu_) contextMenu_ = new TPopupMenu(this);
    TMenuItem* items = contextMenu_->Items();
    items->Clear();
    bool selection = buffer_.HasSelection();
    bool hidden = passwordChar_ != 0;
    auto add = [&](const char* caption, bool enabled, void (TCustomEdit::*action)()) {
        auto* item = new TMenuItem(contextMenu_);
        item->SetCaption(caption);
        item->SetEnabled(enabled);
        if (action) item->OnClick = [this, action](TComponent*) { (this->*action)(); };
        items->Add(item);
    };
    add("&Undo", CanUndo() && !readOnly_, &TCustomEdit::Undo);
    add("-", true, nullptr);
    add("Cu&t", selection && !readOnly_ && !hidden, &TCustomEdit::CutToClipboard);
    add("&Copy", selection && !hidden, &TCustomEdit::CopyToClipboard);
    add("&Paste", !readOnly_ && !GetClipboardText().empty(), &TCustomEdit::PasteFromClipboard);
    add("&Delete", selection && !readOnly_, &TCustomEdit::ClearSelection);
    add("-", true, nullptr);
    add("Select &All", buffer_.SelLength() < buffer_.Length(), &TCustomEdit::SelectAll);
}

bool TCustomEdit::EditMessage(TMessage& m)
{
    auto wp = int64_t(m.WParam);
    switch (m.Msg) {
    case EM_GETSEL: {
        auto start = DWORD(buffer_.SelStart());
        auto end = DWORD(buffer_.SelEnd());
        if (m.WParam) *reinterpret_cast<DWORD*>(uintptr_t(m.WParam)) = start;
        if (m.LParam) *LParamToPtr<DWORD>(m.LParam) = end;
        m.Result = MAKELRESULT(int(start), int(end));
        return true;
    }
    case EM_SETSEL: {
        size_t caret = buffer_.Caret();
        size_t anchor = wp < 0 ? caret : size_t(wp);
        size_t end = wp < 0 ? caret : m.LParam < 0 ? buffer_.Length() : size_t(m.LParam);
        goalX_ = -1;
        buffer_.Select(anchor, end);
        SelectionChanged();
        return true;
    }
    case EM_REPLACESEL: {
        const char* text = LParamToPtr<const char>(m.LParam);
        std::u32string value = ClipboardInsertion(Utf8ToUtf32(text ? text : ""));
        InsertText(value, m.WParam ? TEditBuffer::TUndo::NewStep : TEditBuffer::TUndo::None);
        return true;
    }
    case EM_GETLINECOUNT: m.Result = LineCount(); return true;
    case EM_GETFIRSTVISIBLELINE:
        m.Result = multiLine_ ? firstLine_ : CharFromPos({FormatRect().Left, TextTop()});
        return true;
    case EM_LINEINDEX: {
        int line = wp < 0 ? layout_.LineOfChar(buffer_.Caret()) : int(std::min<int64_t>(wp, INT32_MAX));
        m.Result = line < LineCount() ? LRESULT(layout_.Line(line).Start) : -1;
        return true;
    }
    case EM_LINELENGTH: {
        size_t pos = wp < 0 ? buffer_.Caret() : std::min(size_t(wp), buffer_.Length());
        const TEditLine& l = layout_.Line(layout_.LineOfChar(pos));
        m.Result = LRESULT(l.End - l.Start);
        return true;
    }
    case EM_LINEFROMCHAR: {
        size_t pos = wp < 0 ? buffer_.SelStart() : std::min(size_t(wp), buffer_.Length());
        m.Result = layout_.LineOfChar(pos);
        return true;
    }
    case EM_LINESCROLL:
        ScrollBy(int(m.LParam), int(wp) * AverageCharWidth());
        m.Result = multiLine_ ? 1 : 0;
        return true;
    case EM_SCROLLCARET: SelectionChanged(); return true;
    case EM_GETRECT:
        if (m.LParam) *LParamToPtr<TRect>(m.LParam) = FormatRect();
        return true;
    case EM_SETRECT:
    case EM_SETRECTNP:
        customRect_ = m.LParam != 0;
        if (customRect_) formatRect_ = *LParamToPtr<const TRect>(m.LParam);
        Relayout();
        SelectionChanged();
        return true;
    case EM_SETMARGINS:
        if (m.WParam & EC_LEFTMARGIN) leftMargin_ = LOWORD(uint64_t(m.LParam));
        if (m.WParam & EC_RIGHTMARGIN) rightMargin_ = HIWORD(uint64_t(m.LParam));
        Relayout();
        SelectionChanged();
        return true;
    case EM_GETMARGINS: m.Result = MAKELRESULT(leftMargin_, rightMargin_); return true;
    case EM_CANUNDO: m.Result = CanUndo() ? 1 : 0; return true;
    case EM_UNDO:
        m.Result = CanUndo() ? 1 : 0;
        Undo();
        return true;
    case EM_EMPTYUNDOBUFFER: ClearUndo(); return true;
    case EM_GETMODIFY: m.Result = modified_ ? 1 : 0; return true;
    case EM_SETMODIFY: modified_ = m.WParam != 0; return true;
    case EM_SETREADONLY:
        readOnly_ = m.WParam != 0;
        m.Result = 1;
        return true;
    case EM_LIMITTEXT: SetMaxLength(int(std::clamp<int64_t>(wp, 0, INT32_MAX))); return true;
    case EM_GETLIMITTEXT: m.Result = MaxLength() > 0 ? MaxLength() : 0x7FFFFFFE; return true;
    case EM_SETPASSWORDCHAR: SetPasswordChar(char32_t(m.WParam)); return true;
    case EM_GETPASSWORDCHAR: m.Result = LRESULT(passwordChar_); return true;
    case EM_POSFROMCHAR: {
        TPoint p = PosFromChar(int(std::clamp<int64_t>(wp, 0, INT32_MAX)));
        m.Result = MAKELRESULT(p.x, p.y);
        return true;
    }
    case EM_CHARFROMPOS: {
        int pos = CharFromPos(LParamToPoint(m.LParam));
        m.Result = MAKELRESULT(pos, layout_.LineOfChar(size_t(pos)));
        return true;
    }
    default: return false;
    }
}

bool TCustomEdit::ScrollMessage(TMessage& m)
{
    bool vertical = m.Msg == WM_VSCROLL || m.Msg == EM_SCROLL;
    if (m.Msg != WM_VSCROLL && m.Msg != WM_HSCROLL && m.Msg != EM_SCROLL && m.Msg != WM_MOUSEWHEEL) return false;
    if (m.Msg == WM_MOUSEWHEEL) {
        if (!multiLine_) return false;
        ScrollBy(-WheelLines(GET_WHEEL_DELTA_WPARAM(m.WParam)), 0);
        return true;
    }
    int page = vertical ? VisibleLineCount() : std::max(1, FormatRect().Width() * 3 / 4);
    int unit = vertical ? 1 : std::max(1, FormatRect().Width() / 10);
    int position = vertical ? firstLine_ : scrollX_;
    int last = vertical ? LineCount() : layout_.MaxLineWidth();
    int target = position;
    switch (int(LOWORD(m.WParam))) {
    case SB_LINEUP: target -= unit; break;
    case SB_LINEDOWN: target += unit; break;
    case SB_PAGEUP: target -= page; break;
    case SB_PAGEDOWN: target += page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: target = HIWORD(m.WParam); break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = last; break;
    default: break;
    }
    if (vertical) ScrollBy(target - position, 0);
    else ScrollBy(0, target - position);
    int moved = (vertical ? firstLine_ : scrollX_) - position;
    m.Result = m.Msg == EM_SCROLL ? MAKELRESULT(moved, 1) : 0;
    return true;
}

} // namespace tavrik
