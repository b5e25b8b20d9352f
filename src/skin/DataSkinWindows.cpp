#include "skin/DataSkinWindows.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinPopupWindow::DeclareKeys(TbsSkinKeys& keys)
{
    BS_POPUP_WINDOW_KEYS(BS_KEY)
}

void TbsDataSkinHintWindow::DeclareKeys(TbsSkinKeys& keys)
{
    BS_HINT_WINDOW_KEYS(BS_KEY)
}

} // namespace tavrik
