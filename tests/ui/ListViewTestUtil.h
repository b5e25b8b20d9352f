#pragma once

#include "support/UiTest.h"

#include "support/Placement.h"
#include "ui/ImageList.h"
#include "ui/ListView.h"

#include <string>
#include <vector>

namespace tavrik::testing {

// A form with a list view of `count` items named "item 0", "item 1", ...
class ListViewTest : public UiTest {
protected:
    TForm* form = nullptr;
    TListView* list = nullptr;

    void SetUp() override
    {
        form = NewForm(0, 0, 400, 300);
        list = test::NewChild<TListView>(form, 10, 10, 300, 200);
    }
    void Fill(int count)
    {
        list->Items().BeginUpdate();
        for (int i = 0; i < count; ++i) list->Items().Add()->SetCaption("item " + std::to_string(i));
        list->Items().EndUpdate();
        ProcessMessages();
    }
    // The screen point in the middle of an item's caption.
    TPoint OnItem(int index)
    {
        TRect r = list->ItemRect(index, TDisplayCode::drSelectBounds);
        return list->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    }
    void ClickItem(int index, UINT modifier = 0)
    {
        screen->Advance(1000); // no double click with the click before
        if (modifier) screen->KeyDown(modifier);
        TPoint p = OnItem(index);
        screen->Click(p.x, p.y);
        if (modifier) screen->KeyUp(modifier);
    }
    void Press(UINT key, UINT modifier = 0)
    {
        if (modifier) screen->KeyDown(modifier);
        screen->PressKey(key);
        if (modifier) screen->KeyUp(modifier);
    }
    std::vector<int> SelectedIndices() { return list->Items().SelectedIndices(); }
    int Focus() { return list->FocusedIndex(); }
    TColor ListPixel(int x, int y)
    {
        ProcessMessages();
        return Pixel(list->ClientToScreen({x, y}));
    }
    // An image list of 16 x 16 images, each filled with one of the colours.
    TImageList* SolidImages(std::vector<TColor> colors)
    {
        auto* images = new TImageList(form);
        for (TColor c : colors) {
            TBitmap b(16, 16);
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) b.SetPixel(x, y, c);
            images->AddMasked(b, clNone);
        }
        return images;
    }
};

} // namespace tavrik::testing
