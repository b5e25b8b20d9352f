#include "SkinScene.h"

#include "skin/ProgramSkin.h"
#include "skin/StoredSkin.h"
#include "ui/WndHookChain.h"

namespace tavrik::testing {

TColor CellColor(int x, int y, uint8_t tag) { return RGB(uint8_t(10 * x + 5), uint8_t(20 * y + 5), tag); }

TBitmap CellPicture(int width, int height, uint8_t tag)
{
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, CellColor(x, y, tag));
    return b;
}

SkinScene::SkinScene()
{
    THeadlessOptions options;
    options.width = 800;
    options.height = 600;
    auto backend = std::make_unique<THeadlessBackend>(options);
    screen = backend.get();
    ws = std::make_unique<TWindowSystem>(std::move(backend));
    app = std::make_unique<TApplication>();
    form = app->CreateForm<TForm>();
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

SkinScene::~SkinScene()
{
    app.reset();
    ws.reset();
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
