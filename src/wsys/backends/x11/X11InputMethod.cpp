#include "wsys/backends/x11/X11InputMethod.h"

#include "core/Utf8.h"

#include <X11/Xutil.h>

#include <vector>

namespace tavrik {

TX11InputMethod::TX11InputMethod(Display* display) : display_(display)
{
    XSetLocaleModifiers(""); // honours XMODIFIERS
    Open();
    if (!im_) {
        // The input method named in XMODIFIERS is not running (yet): use the built-in one
        // now, and switch when it appears.
        XRegisterIMInstantiateCallback(display_, nullptr, nullptr, nullptr, &TX11InputMethod::Instantiated,
                                       reinterpret_cast<XPointer>(this));
        XSetLocaleModifiers("@im=none");
        Open();
        XSetLocaleModifiers("");
    }
}

TX11InputMethod::~TX11InputMethod()
{
    XUnregisterIMInstantiateCallback(display_, nullptr, nullptr, nullptr, &TX11InputMethod::Instantiated,
                                     reinterpret_cast<XPointer>(this));
    for (auto& [w, ic] : contexts_)
        if (ic) XDestroyIC(ic);
    if (im_) XCloseIM(im_);
}

void TX11InputMethod::Open()
{
    if (!XSupportsLocale()) return;
    im_ = XOpenIM(display_, nullptr, nullptr, nullptr);
    if (!im_) return;
    XIMCallback destroy{reinterpret_cast<XPointer>(this), &TX11InputMethod::Destroyed};
    XSetIMValues(im_, XNDestroyCallback, &destroy, nullptr);
    // The input method's own windows show what is being composed and the candidates.
    style_ = 0;
    XIMStyles* styles = nullptr;
    if (!XGetIMValues(im_, XNQueryInputStyle, &styles, nullptr) && styles) {
        for (unsigned short i = 0; i < styles->count_styles; ++i) {
            XIMStyle s = styles->supported_styles[i];
            if (s == (XIMPreeditNothing | XIMStatusNothing)) style_ = s;
            else if (!style_ && s == (XIMPreeditNone | XIMStatusNone)) style_ = s;
        }
        XFree(styles);
    }
    if (!style_) {
        XCloseIM(im_);
        im_ = nullptr;
    }
}

void TX11InputMethod::Instantiated(Display*, XPointer self, XPointer)
{
    auto* me = reinterpret_cast<TX11InputMethod*>(self);
    for (auto& [w, ic] : me->contexts_)
        if (ic) XDestroyIC(ic), ic = nullptr;
    if (me->im_) XCloseIM(me->im_);
    me->im_ = nullptr;
    me->Open();
    if (!me->im_) return;
    XUnregisterIMInstantiateCallback(me->display_, nullptr, nullptr, nullptr, &TX11InputMethod::Instantiated, self);
    for (auto& [w, ic] : me->contexts_) me->CreateContext(w);
    if (me->focused_) me->SetFocus(me->focused_, true);
}

void TX11InputMethod::Destroyed(XIM, XPointer self, XPointer)
{
    // The input method server went away; its contexts are gone with it.
    auto* me = reinterpret_cast<TX11InputMethod*>(self);
    me->im_ = nullptr;
    for (auto& [w, ic] : me->contexts_) ic = nullptr;
    XRegisterIMInstantiateCallback(me->display_, nullptr, nullptr, nullptr, &TX11InputMethod::Instantiated, self);
}

void TX11InputMethod::CreateContext(Window w)
{
    XIC& ic = contexts_[w];
    ic = im_ ? XCreateIC(im_, XNInputStyle, style_, XNClientWindow, w, XNFocusWindow, w, nullptr) : nullptr;
}

long TX11InputMethod::AddWindow(Window w)
{
    CreateContext(w);
    long mask = 0;
    if (XIC ic = contexts_[w]) XGetICValues(ic, XNFilterEvents, &mask, nullptr);
    return mask;
}

void TX11InputMethod::RemoveWindow(Window w)
{
    auto it = contexts_.find(w);
    if (it == contexts_.end()) return;
    if (it->second) XDestroyIC(it->second);
    contexts_.erase(it);
    if (focused_ == w) focused_ = None;
}

void TX11InputMethod::SetFocus(Window w, bool focused)
{
    auto it = contexts_.find(w);
    if (focused) focused_ = w;
    else if (focused_ == w) focused_ = None;
    if (it == contexts_.end() || !it->second) return;
    if (focused) XSetICFocus(it->second);
    else XUnsetICFocus(it->second);
}

TX11InputMethod::TLookup TX11InputMethod::Lookup(XKeyEvent& press)
{
    TLookup out;
    auto it = contexts_.find(press.window);
    XIC ic = it != contexts_.end() ? it->second : nullptr;
    // Key events reported to another of our windows (during a grab) use the focused context.
    if (!ic && focused_) {
        auto f = contexts_.find(focused_);
        if (f != contexts_.end()) ic = f->second;
    }
    if (ic) {
        std::vector<char> buffer(64);
        Status status = 0;
        int n = Xutf8LookupString(ic, &press, buffer.data(), int(buffer.size()), &out.keysym, &status);
        if (status == XBufferOverflow) {
            buffer.resize(size_t(n) + 1);
            n = Xutf8LookupString(ic, &press, buffer.data(), int(buffer.size()), &out.keysym, &status);
        }
        if (status == XLookupChars || status == XLookupBoth) out.text.assign(buffer.data(), size_t(std::max(n, 0)));
        if (status != XLookupKeySym && status != XLookupBoth) out.keysym = NoSymbol;
        return out;
    }
    // Without an input method the key's Latin-1 text is all there is.
    char latin1[32];
    int n = XLookupString(&press, latin1, sizeof latin1, &out.keysym, nullptr);
    for (int i = 0; i < n; ++i) out.text += Utf8Encode(char32_t(uint8_t(latin1[i])));
    return out;
}

} // namespace tavrik
