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
    Close();
}

void TX11InputMethod::Close()
{
    for (auto& [w, ic] : contexts_)
        if (ic) XDestroyIC(ic), ic = nullptr;
    if (im_) XCloseIM(im_);
    im_ = nullptr;
    if (fontSet_) XFreeFontSet(display_, fontSet_);
    fontSet_ = nullptr;
}

void TX11InputMethod::Open()
{
    if (!XSupportsLocale()) return;
    im_ = XOpenIM(display_, nullptr, nullptr, nullptr);
    if (!im_) return;
    XIMCallback destroy{reinterpret_cast<XPointer>(this), &TX11InputMethod::Destroyed};
    XSetIMValues(im_, XNDestroyCallback, &destroy, nullptr);
    // The composed text over the caret where the server can, else in the server's own
    // window; the candidates always in the server's windows.
    bool overTheSpot = false;
    fallbackStyle_ = 0;
    XIMStyles* styles = nullptr;
    if (!XGetIMValues(im_, XNQueryInputStyle, &styles, nullptr) && styles) {
        for (unsigned short i = 0; i < styles->count_styles; ++i) {
            XIMStyle s = styles->supported_styles[i];
            if (s == (XIMPreeditPosition | XIMStatusNothing)) overTheSpot = true;
            else if (s == (XIMPreeditNothing | XIMStatusNothing)) fallbackStyle_ = s;
            else if (!fallbackStyle_ && s == (XIMPreeditNone | XIMStatusNone)) fallbackStyle_ = s;
        }
        XFree(styles);
    }
    style_ = overTheSpot ? XIMPreeditPosition | XIMStatusNothing : fallbackStyle_;
    if (!style_) {
        XCloseIM(im_);
        im_ = nullptr;
        return;
    }
    if (overTheSpot) {
        char** missing = nullptr;
        int missingCount = 0;
        char* defaultText = nullptr;
        fontSet_ = XCreateFontSet(display_, "-*-*-medium-r-normal--16-*-*-*-*-*-*-*,*", &missing, &missingCount,
                                  &defaultText);
        if (missing) XFreeStringList(missing);
    }
}

void TX11InputMethod::Instantiated(Display*, XPointer self, XPointer)
{
    auto* me = reinterpret_cast<TX11InputMethod*>(self);
    me->Close();
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
    if (me->fontSet_) XFreeFontSet(me->display_, me->fontSet_);
    me->fontSet_ = nullptr;
    XRegisterIMInstantiateCallback(me->display_, nullptr, nullptr, nullptr, &TX11InputMethod::Instantiated, self);
}

XIC TX11InputMethod::CreateContext(Window w, XIMStyle style)
{
    XPoint spot = spots_.count(w) ? spots_[w] : XPoint{0, 0};
    if (!(style & XIMPreeditPosition))
        return XCreateIC(im_, XNInputStyle, style, XNClientWindow, w, XNFocusWindow, w, nullptr);
    XVaNestedList preedit = fontSet_ ? XVaCreateNestedList(0, XNSpotLocation, &spot, XNFontSet, fontSet_, nullptr)
                                     : XVaCreateNestedList(0, XNSpotLocation, &spot, nullptr);
    XIC ic = XCreateIC(im_, XNInputStyle, style, XNClientWindow, w, XNFocusWindow, w, XNPreeditAttributes, preedit,
                       nullptr);
    XFree(preedit);
    return ic;
}

void TX11InputMethod::CreateContext(Window w)
{
    XIC& ic = contexts_[w];
    ic = im_ ? CreateContext(w, style_) : nullptr;
    if (!ic && im_ && style_ != fallbackStyle_ && fallbackStyle_) {
        style_ = fallbackStyle_; // the server offers over the spot but will not make it
        ic = CreateContext(w, style_);
    }
    if (ic && spots_.count(w)) SetSpot(w, spots_[w]);
}

void TX11InputMethod::SetSpot(Window w, XPoint spot)
{
    spots_[w] = spot;
    auto it = contexts_.find(w);
    if (it == contexts_.end() || !it->second) return;
    // Servers that compose in their own window still read the spot to place it.
    XVaNestedList preedit = XVaCreateNestedList(0, XNSpotLocation, &spot, nullptr);
    XSetICValues(it->second, XNPreeditAttributes, preedit, nullptr);
    XFree(preedit);
}

bool TX11InputMethod::QuerySpot(Window w, XPoint& spot) const
{
    auto it = contexts_.find(w);
    if (it == contexts_.end() || !it->second) return false;
    XPoint* got = nullptr;
    XVaNestedList preedit = XVaCreateNestedList(0, XNSpotLocation, &got, nullptr);
    bool ok = !XGetICValues(it->second, XNPreeditAttributes, preedit, nullptr) && got;
    XFree(preedit);
    if (ok) spot = *got;
    if (got) XFree(got);
    return ok;
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
    spots_.erase(w);
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
