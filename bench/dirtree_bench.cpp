// What the folder tree does when the user opens a large folder: list 5,000 folders, guess for
// each whether it holds folders (the guess stops at its budget), and make the nodes; then the
// first paint of the opened tree. The guess's share shows against a budget of nothing.
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinDirTreeView.h"

#include "FormScene.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

constexpr int kFolders = 5000;

// A temporary home with one folder of kFolders folders, every third holding one; removed at
// exit.
class TBenchHome {
public:
    TBenchHome()
    {
        root_ = fs::temp_directory_path() / ("tavrik-tree-bench-" + std::to_string(::getpid()));
        for (int i = 0; i < kFolders; ++i) {
            fs::path folder = root_ / "many" / ("folder " + std::to_string(i));
            fs::create_directories(i % 3 ? folder : folder / "inner");
        }
    }
    ~TBenchHome() { fs::remove_all(root_); }
    std::string Home() const { return root_.string(); }

private:
    fs::path root_;
};

void BM_OpenFolderOf5000Folders(benchmark::State& state)
{
    static TBenchHome home;
    TFormScene scene(300, 600);
    auto shell = std::make_shared<TShellNamespace>(TShellEnvironment::ForHome(home.Home()));
    auto* tree = new TbsSkinDirTreeView(scene.form);
    tree->SetParent(scene.form);
    tree->SetBounds(0, 0, 280, 580);
    tree->SetMarkerBudget(std::chrono::milliseconds(state.range(0)));
    tree->SetShellAccess(std::make_shared<TShellAccess>(shell));
    tree->SetRoot(home.Home());
    for (auto _ : state) {
        TTreeNode* many = tree->Items().GetFirstNode()->GetFirstChild();
        tree->RefreshNode(many); // forgets what was read
        many->Expand(false);
        tree->Repaint();
        benchmark::DoNotOptimize(many->Count());
        many->Collapse(false);
    }
    state.SetItemsProcessed(state.iterations() * kFolders);
}
BENCHMARK(BM_OpenFolderOf5000Folders)->Arg(0)->Arg(150)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
