#pragma once

#include "ui/CustomEdit.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrik {

class TCustomMemo;

enum class TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// The lines of a memo's text, as a list of strings. The lines are the ones the text's line
// breaks make; word wrap does not split them (EM_GETLINECOUNT counts the lines as shown).
// A text that ends with a line break has no empty last line. Every change is one change of
// the memo's text (one OnChange).
class TMemoLines {
public:
    explicit TMemoLines(TCustomMemo& memo) : memo_(memo) {}

    int Count() const { return int(Split().size()); }
    // An index outside [0, Count()) throws Exception.
    std::string Strings(int index) const;
    std::string operator[](int index) const { return Strings(index); }
    void SetStrings(int index, const std::string& line);
    void Add(const std::string& line);
    // Inserts before index; Count() appends.
    void Insert(int index, const std::string& line);
    void Delete(int index);
    void Clear();
    // Every line followed by a line break.
    std::string Text() const;
    // The memo's text becomes exactly this.
    void SetText(const std::string& text);

private:
    std::vector<std::string> Split() const;
    void Join(const std::vector<std::string>& lines);
    void CheckIndex(int index, int count) const;

    TCustomMemo& memo_;
};

// A multi-line edit: line breaks ("\n"; "\r\n" and "\r" that come in are turned into it),
// word wrap at the formatting rectangle (on by default), Enter inserting a line break
// (WantReturns) and Tab a tab (WantTabs, off by default: Tab moves the focus), Up/Down keeping
// the column, Page Up/Down, Ctrl+Home/End. Scrolled by the wheel, EM_LINESCROLL, EM_SCROLL
// and WM_VSCROLL / WM_HSCROLL with the SB_ codes, so that an outside scroll bar can drive it;
// ScrollChanged reports every change of what it shows.
class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;
    const char* ClassName() const override { return "TCustomMemo"; }

    TMemoLines& Lines() { return *lines_; }
    const TMemoLines& Lines() const { return *lines_; }
    bool WordWrap() const { return WordWrapping(); }
    // A wrapped memo has nothing to scroll sideways: it shows no horizontal bar.
    void SetWordWrap(bool on);
    bool WantReturns() const { return WantReturnKeys(); }
    void SetWantReturns(bool on) { SetWantReturnKeys(on); }
    bool WantTabs() const { return WantTabKeys(); }
    void SetWantTabs(bool on) { SetWantTabKeys(on); }
    // The window's own bars; the vertical one stays (disabled) while there is nothing to
    // scroll, and both follow every change of what the memo shows.
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);
    // The caret as a line (of those shown) and a character in it.
    TPoint CaretLineAndColumn() const;

    // Fired after the lines shown, the first visible line or the horizontal scrolling changed.
    TNotifyEvent OnScroll;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    std::u32string NormalizeText(std::u32string text) const override;
    std::u32string ClipboardInsertion(std::u32string text) const override;
    void ScrollChanged() override;

private:
    void UpdateScrollBars();

    std::unique_ptr<TMemoLines> lines_;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool updatingBars_ = false; // a bar that appears resizes the client area, which comes back here
};

// The memo as forms place it.
class TMemo : public TCustomMemo {
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
    const char* ClassName() const override { return "TMemo"; }
};

} // namespace tavrik
