// Costs of the skinned list and text controls on the headless screen, in the program's own
// skin: opening a combo box's list of 1,000 items (target 5 ms), typing one character into a
// skinned memo of 10,000 lines, shown on the screen (target 2 ms), and painting a page of a
// 10,000-row skinned list view in report style, header included (target 3 ms).
#include "FormScene.h"

#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skincontrols/SkinComboBox.h"
#include "skincontrols/SkinListView.h"
#include "skincontrols/SkinMemo.h"
#include "wsys/WinApi.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tavrik;

namespace {

struct TScene : TFormScene {
    TbsSkinData* data = nullptr;

    TScene() : TFormScene(640, 480)
    {
        data = new TbsSkinData(form);
        TbsStoredSkin stored;
        LoadProgramSkin(stored);
        data->ApplyStoredSkin(stored);
    }
};

void BM_OpenComboList(benchmark::State& state)
{
    TScene scene;
    auto* combo = new TbsSkinComboBox(scene.form);
    combo->SetParent(scene.form);
    combo->SetBounds(10, 10, 200, 20);
    combo->SetSkinData(scene.data);
    for (int i = 0; i < int(state.range(0)); ++i) combo->Items().Add("picture " + std::to_string(i) + ".jpg");
    combo->SetItemIndex(int(state.range(0)) / 2);
    ProcessMessages();
    for (auto _ : state) {
        combo->DropDown();
        UpdateWindow(combo->PopupList().Handle());
        combo->CloseUp(false);
    }
}
BENCHMARK(BM_OpenComboList)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_TypeIntoSkinnedMemo(benchmark::State& state)
{
    TScene scene;
    auto* memo = new TbsSkinMemo(scene.form);
    memo->SetParent(scene.form);
    memo->SetBounds(10, 10, 600, 400);
    memo->SetSkinData(scene.data);
    std::string text;
    for (int i = 0; i < int(state.range(0)); ++i) text += "第" + std::to_string(i) + "行 with a few words to wrap\n";
    memo->SetText(text);
    memo->SetFocus();
    memo->SetSelStart(memo->GetTextLen() - 10);
    HWND h = memo->Handle();
    UpdateWindow(h);
    bool type = true;
    for (auto _ : state) {
        SendMessage(h, WM_CHAR, type ? 'x' : '\b', 0);
        type = !type;
        UpdateWindow(h);
    }
}
BENCHMARK(BM_TypeIntoSkinnedMemo)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_PaintSkinnedListViewPage(benchmark::State& state)
{
    TScene scene;
    auto* list = new TbsSkinListView(scene.form);
    list->SetParent(scene.form);
    list->SetBounds(10, 10, 600, 400);
    list->SetViewStyle(TViewStyle::vsReport);
    list->SetRowSelect(true);
    for (const char* caption : {"File", "Size", "Folder"}) {
        TListColumn* column = list->Columns().Add();
        column->SetCaption(caption);
        column->SetWidth(180);
    }
    list->Items().BeginUpdate();
    for (int i = 0; i < int(state.range(0)); ++i) {
        TListItem* item = list->Items().Add();
        item->SetCaption("picture " + std::to_string(i) + ".jpg");
        item->SetSubItems({std::to_string(i * 37 % 9000) + " KB", "/home/user/pictures"});
    }
    list->Items().EndUpdate();
    list->SetSkinData(scene.data);
    list->SetItemSelected(int(state.range(0)) / 2, true);
    list->MakeItemVisible(int(state.range(0)) / 2, false);
    ProcessMessages();
    for (auto _ : state) {
        RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}
BENCHMARK(BM_PaintSkinnedListViewPage)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
