// Costs of the list controls on the headless screen: a folder tree taking the children of a
// large folder when it expands, and a long list box filled and painted.
#include "FormScene.h"

#include "ui/ListBox.h"
#include "ui/TreeView.h"
#include "wsys/WinApi.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace tavrik;

namespace {

struct TScene : TFormScene {
    TScene() : TFormScene(400, 400) {}
};

// One folder node whose children are read on expanding, as the folder tree does, then
// collapsed and emptied for the next round.
void BM_TreeExpandLargeFolder(benchmark::State& state)
{
    TScene scene;
    auto* tree = new TTreeView(scene.form);
    tree->SetParent(scene.form);
    tree->SetBounds(0, 0, 300, 380);
    int children = int(state.range(0));
    TTreeNode* folder = tree->Items().Add(nullptr, "folder");
    tree->OnExpanding = [&](TComponent*, TTreeNode* node, bool&) {
        tree->Items().BeginUpdate();
        for (int i = 0; i < children; ++i) tree->Items().AddChild(node, "subfolder " + std::to_string(i))->SetHasChildren(true);
        node->AlphaSort();
        tree->Items().EndUpdate();
    };
    for (auto _ : state) {
        folder->SetHasChildren(true);
        folder->Expand(false);
        ProcessMessages();
        folder->DeleteChildren();
    }
    state.SetItemsProcessed(state.iterations() * children);
}
BENCHMARK(BM_TreeExpandLargeFolder)->Arg(100)->Arg(2000);

void BM_ListBoxFillAndPaint(benchmark::State& state)
{
    TScene scene;
    auto* list = new TListBox(scene.form);
    list->SetParent(scene.form);
    list->SetBounds(0, 0, 300, 380);
    int count = int(state.range(0));
    for (auto _ : state) {
        list->Items().BeginUpdate();
        list->Items().Clear();
        for (int i = 0; i < count; ++i) list->Items().Add("item " + std::to_string(i));
        list->Items().EndUpdate();
        list->SetItemIndex(count / 2);
        ProcessMessages();
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ListBoxFillAndPaint)->Arg(100)->Arg(10000);

} // namespace

BENCHMARK_MAIN();
