#include "SkinScene.h"

#include "skin/ProgramSkin.h"
#include "skin/StoredSkin.h"
#include "ui/WndHookChain.h"

namespace tavrik::testing {

SkinScene::SkinScene()
{
    form = host.app->CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(100, 100, 400, 300);
    form->AddWindowHook([this](TMessage& m, const TWndNext& next) {
        if (m.Msg >= SKM_BEFORECHANGE && m.Msg <= SKM_AFTERCHANGE) form->RelayToControls(m);
        next(m);
    });
    data = new TbsSkinData(form);
    form->Show();
    ProcessMessages();
}

void SkinScene::LoadSkin(const std::vector<std::string>& lines, std::vector<TBitmap> pictures)
{
    TbsStoredSkin stored;
    stored.SetIniStrings(lines);
    stored.activepictures = std::move(pictures);
    data->ApplyStoredSkin(stored);
    ProcessMessages();
}

void SkinScene::LoadProgramSkin()
{
    TbsStoredSkin stored;
    tavrik::LoadProgramSkin(stored);
    data->ApplyStoredSkin(stored);
    ProcessMessages();
}

} // namespace tavrik::testing
