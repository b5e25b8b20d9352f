#include "skincontrols/EditContextMenu.h"

#include "skincontrols/SkinMenuHost.h"
#include "skincontrols/SkinPopupMenu.h"
#include "ui/CustomEdit.h"
#include "ui/Form.h"
#include "ui/MenuItem.h"

namespace tavrik {

namespace {

void AddEntries(TCustomEdit& edit, TbsSkinPopupMenu& menu)
{
    const bool selection = edit.SelLength() > 0;
    const bool writable = !edit.ReadOnly();
    const bool hidden = edit.PasswordChar() != 0;
    auto add = [&](const char* caption, bool enabled, void (TCustomEdit::*action)()) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption(caption);
        item->SetEnabled(enabled);
        if (action) item->OnClick = [&edit, action](TComponent*) { (edit.*action)(); };
        menu.Items()->Add(item);
    };
    add("Undo", edit.CanUndo() && writable, &TCustomEdit::Undo);
    add("-", true, nullptr);
    add("Cut", selection && writable && !hidden, &TCustomEdit::CutToClipboard);
    add("Copy", selection && !hidden, &TCustomEdit::CopyToClipboard);
    add("Paste", writable && !GetClipboardText().empty(), &TCustomEdit::PasteFromClipboard);
    add("Delete", selection && writable, &TCustomEdit::ClearSelection);
    add("-", true, nullptr);
    add("Select All", edit.SelLength() < edit.GetTextLen(), &TCustomEdit::SelectAll);
}

} // namespace

void FreeSkinEditMenu(TComponentRef<TbsSkinPopupMenu>& menu)
{
    if (TbsSkinPopupMenu* old = menu.Get()) old->Free();
    menu = nullptr;
}

bool PopupSkinEditMenu(TCustomEdit& edit, TbsSkinData* skinData, TComponentRef<TbsSkinPopupMenu>& menu, TPoint screen)
{
    TForm* form = GetParentForm(&edit);
    TbsSkinMenuHost* host = FindSkinMenuHost(form);
    if (!host || !host->SkinMenu()) return false;
    // A menu closed without a choice is freed now.
    FreeSkinEditMenu(menu);
    auto* fresh = new TbsSkinPopupMenu(&edit);
    menu = fresh;
    fresh->SetPopupForm(form);
    if (skinData) fresh->SetSkinData(skinData);
    AddEntries(edit, *fresh);
    fresh->PopupAtPoint(&edit, screen);
    return true;
}

} // namespace tavrik
