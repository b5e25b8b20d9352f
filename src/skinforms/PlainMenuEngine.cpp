#include "skinforms/PlainMenuEngine.h"

#include "skin/SkinMessages.h"
#include "ui/Application.h"
#include "ui/MenuItem.h"
#include "ui/MenuTracker.h"

namespace tavrik {

void TbsPlainMenuEngine::Popup(TMenuItem* root, const TRect& at, int placement)
{
    if (!root || root->Count() == 0 || open_) return;
    TComponentRef<TMenuItem> chosen;
    {
        TMenuTracker tracker(root, nullptr);
        open_ = true;
        chosen = tracker.Run(placement == 1 ? TPoint{at.Right, at.Top} : TPoint{at.Left, at.Bottom});
        open_ = false;
    }
    if (TForm* form = form_.Get()) form->Perform(SKM_MENUCLOSED);
    if (!chosen) return;
    try {
        chosen->Click();
    } catch (...) {
        if (TApplication* app = Application()) app->HandleException(chosen.Get());
        else throw;
    }
}

void TbsPlainMenuEngine::CloseAll()
{
    if (TMenuTracker* tracker = TMenuTracker::Current(); open_ && tracker) tracker->Close(nullptr);
}

} // namespace tavrik
