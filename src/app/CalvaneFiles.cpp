#include "app/Calvane.h"

#include "wsys/WinApi.h"

namespace tavrik {

namespace {

bool IsOver(const TControl* control, TPoint screen)
{
    return control->Showing() && PtInRect(control->ClientRect(), control->ScreenToClient(screen));
}

} // namespace

void TCalvane::OpenFiles(const std::vector<std::string>& files)
{
    if (files.empty()) return;
    if (files.size() > 1 && AddBatchFiles(files) > 0) bsSkinPageControl2->SetActivePage(bsSkinTabSheet3);
    OpenPictureFile(files.front());
}

void TCalvane::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.ExStyle |= WS_EX_ACCEPTFILES; // pictures dragged in from file managers
}

bool TCalvane::TakeDroppedFiles(HDROP drop, bool dropped)
{
    const std::vector<std::string>& files = DragQueryFiles(drop);
    const TPoint screen = ClientToScreen(DragQueryPoint(drop));
    if (IsOver(bsSkinListView1, screen)) {
        std::vector<std::string> pictures;
        for (const std::string& file : files)
            if (IsImportablePicture(file)) pictures.push_back(file);
        if (pictures.empty()) return false;
        if (dropped) AddBatchFiles(pictures);
        return true;
    }
    if (IsOver(bsSkinTabSheet1, screen)) {
        if (files.size() != 1 || !IsImportablePicture(files.front())) return false;
        if (dropped) OpenPictureFile(files.front());
        return true;
    }
    return false;
}

} // namespace tavrik
