#include "WsysTestUtil.h"

#include "gfx/SystemColors.h"

#include <sstream>

namespace tavrik::testing {

std::string MessageName(UINT msg)
{
    static const std::map<UINT, const char*> names = {
        {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"}, {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"}, {WM_SETTEXT, "WM_SETTEXT"}, {WM_PAINT, "WM_PAINT"}, {WM_CLOSE, "WM_CLOSE"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"}, {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
        {WM_CANCELMODE, "WM_CANCELMODE"}, {WM_SETCURSOR, "WM_SETCURSOR"}, {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"}, {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"}, {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"}, {WM_STYLECHANGED, "WM_STYLECHANGED"}, {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_NCCALCSIZE, "WM_NCCALCSIZE"}, {WM_NCHITTEST, "WM_NCHITTEST"},
        {WM_NCPAINT, "WM_NCPAINT"}, {WM_NCACTIVATE, "WM_NCACTIVATE"}, {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
        {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"}, {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
        {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"}, {WM_NCRBUTTONDOWN, "WM_NCRBUTTONDOWN"},
        {WM_NCRBUTTONUP, "WM_NCRBUTTONUP"}, {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_SYSKEYUP, "WM_SYSKEYUP"}, {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"}, {WM_TIMER, "WM_TIMER"}, {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"}, {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"},
        {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"}, {WM_MBUTTONUP, "WM_MBUTTONUP"}, {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"}, {WM_SIZING, "WM_SIZING"}, {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_MOVING, "WM_MOVING"}, {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"}, {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
        {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"}, {WM_MOUSELEAVE, "WM_MOUSELEAVE"}, {WM_GETTEXT, "WM_GETTEXT"},
        {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"}, {WM_DISPLAYCHANGE, "WM_DISPLAYCHANGE"}, {WM_USER, "WM_USER"},
        {WM_USER + 1, "WM_USER+1"},
    };
    auto it = names.find(msg);
    if (it != names.end()) return it->second;
    std::ostringstream s;
    s << "0x" << std::hex << msg;
    return s.str();
}

std::vector<std::string> Split(const std::string& names)
{
    std::vector<std::string> out;
    std::istringstream in(names);
    for (std::string word; in >> word;) out.push_back(word);
    return out;
}

WsysTest::WsysTest(THeadlessOptions options)
{
    auto backend = std::make_unique<THeadlessBackend>(std::move(options));
    screen = backend.get();
    ws = std::make_unique<TWindowSystem>(std::move(backend));
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) { return Proc(h, m, w, l); };
    wc.hbrBackground = clWhite;
    wc.hCursor = LoadCursor(IDC_ARROW);
    wc.lpszClassName = "Test";
    RegisterClass(wc);
    wc.style = 0;
    wc.lpszClassName = "NoDblClk";
    RegisterClass(wc);
}

WsysTest::~WsysTest() { ws.reset(); } // its windows still log while they are destroyed

HWND WsysTest::Create(DWORD style, TRect bounds, HWND parent, DWORD exStyle, const char* cls)
{
    return CreateWindowEx(exStyle, cls, "", style, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), parent);
}

void WsysTest::HitCode(HWND hwnd, int code)
{
    Handle(hwnd, [code](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_NCHITTEST) return code;
        return std::nullopt;
    });
}

LRESULT WsysTest::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (std::optional<LRESULT> r = recorder_.Receive(hwnd, msg, wp, lp)) return *r;
    return DefWindowProc(hwnd, msg, wp, lp);
}

std::vector<std::string> WsysTest::Names(HWND hwnd) const
{
    std::vector<std::string> out;
    for (const TRecorded& r : recorder_.All())
        if ((!hwnd || r.hwnd == hwnd) && !ignored.count(r.msg)) out.push_back(MessageName(r.msg));
    return out;
}

std::vector<std::string> WsysTest::Trace(const std::map<HWND, std::string>& tags, const std::set<UINT>& wanted) const
{
    std::vector<std::string> out;
    for (const TRecorded& r : recorder_.All())
        if (wanted.count(r.msg) && tags.count(r.hwnd)) out.push_back(tags.at(r.hwnd) + ":" + MessageName(r.msg));
    return out;
}

} // namespace tavrik::testing
