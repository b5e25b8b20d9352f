#pragma once

#include "ui/Component.h"
#include "ui/ControlTypes.h"
#include "ui/ShortCut.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// One entry of a menu: a command, a separator (Caption "-") or a submenu (it has items of its
// own). An item frees its sub-items; it may have an owner as well (whichever frees it first,
// the other forgets it).
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    const char* ClassName() const override { return "TMenuItem"; }

    // "&x" marks x as the item's accelerator key.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    bool IsLine() const { return caption_ == "-"; }
    // The accelerator's upper-case character, or 0.
    char32_t Accelerator() const;

    // A checked radio item unchecks the other radio items of its GroupIndex among its siblings.
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool on) { radioItem_ = on; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    // Clicking toggles Checked (radio items: checks).
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool on) { autoCheck_ = on; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    bool Visible() const { return visible_; }
    void SetVisible(bool on) { visible_ = on; }
    // Shown in bold: the command a double click would choose.
    bool Default() const { return default_; }
    void SetDefault(bool on) { default_ = on; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut) { shortCut_ = shortCut; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }

    virtual void Click();
    TNotifyEvent OnClick;

    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(size_t(index)); }
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    int IndexOf(const TMenuItem* item) const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item); // the item stays alive
    void Delete(int index);       // frees the item
    void Clear();
    // The first item (not in submenus) whose caption, without "&", is the text.
    TMenuItem* Find(std::string_view caption) const;
    // The enabled, visible command item with this shortcut, at any depth.
    TMenuItem* FindShortCut(TShortCut shortCut) const;

private:
    std::string caption_;
    bool checked_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    bool autoCheck_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    TShortCut shortCut_ = scNone;
    int imageIndex_ = -1;
    std::string hint_;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
};

// The caption without its "&" marks ("&&" is a literal "&").
std::string StripHotkey(std::string_view caption);

} // namespace tavrik
