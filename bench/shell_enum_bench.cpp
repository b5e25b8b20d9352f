// Listing a large folder the way the file dialog does: enumerate, sort, then ask the detail
// texts of one screenful of rows.
#include "shell/NaturalCompare.h"
#include "shell/ShellNamespace.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 20000;
constexpr int kFolders = 200;

// A temporary home holding one folder of kFiles files and kFolders folders with names in
// mixed case and numbering; built once, removed at exit.
class TBigFolder {
public:
    TBigFolder()
    {
        root_ = fs::temp_directory_path() / ("tavrik-enum-bench-" + std::to_string(::getpid()));
        fs::path folder = root_ / "big";
        fs::create_directories(folder);
        const char* extensions[] = {".jpg", ".JPG", ".bmp", ".png", ".txt", ".zip"};
        for (int i = 0; i < kFiles; ++i)
            std::ofstream(folder / ((i % 3 ? "IMG_" : "photo ") + std::to_string(i) + extensions[i % 6]));
        for (int i = 0; i < kFolders; ++i) fs::create_directory(folder / ("Album " + std::to_string(i)));
    }
    ~TBigFolder() { fs::remove_all(root_); }
    std::string Home() const { return root_.string(); }

private:
    fs::path root_;
};

const TBigFolder& BigFolder()
{
    static TBigFolder folder;
    return folder;
}

TShellNamespace Shell()
{
    TShellEnvironment env = TShellEnvironment::ForHome(BigFolder().Home());
    return TShellNamespace(env);
}

void BM_EnumerateLargeFolder(benchmark::State& state)
{
    TShellNamespace shell = Shell();
    TItemIdList big = TShellNamespace::Home().Child("big");
    for (auto _ : state) {
        std::vector<TShellItem> items = shell.Enumerate(big, otFolders | otNonFolders);
        benchmark::DoNotOptimize(items.data());
    }
    state.SetItemsProcessed(state.iterations() * (kFiles + kFolders));
}
BENCHMARK(BM_EnumerateLargeFolder)->Unit(benchmark::kMillisecond);

void BM_EnumerateAndSortLargeFolder(benchmark::State& state)
{
    TShellNamespace shell = Shell();
    TItemIdList big = TShellNamespace::Home().Child("big");
    for (auto _ : state) {
        std::vector<TShellItem> items = shell.Enumerate(big, otFolders | otNonFolders);
        shell.SortForDisplay(big, items);
        benchmark::DoNotOptimize(items.data());
    }
    state.SetItemsProcessed(state.iterations() * (kFiles + kFolders));
}
BENCHMARK(BM_EnumerateAndSortLargeFolder)->Unit(benchmark::kMillisecond);

void BM_DetailTextsOfOneScreen(benchmark::State& state)
{
    TShellNamespace shell = Shell();
    TItemIdList big = TShellNamespace::Home().Child("big");
    std::vector<TShellItem> items = shell.Enumerate(big, otNonFolders);
    for (auto _ : state)
        for (size_t i = 0; i < 40; ++i) benchmark::DoNotOptimize(shell.DetailTexts(big.Child(items[i].id)));
}
BENCHMARK(BM_DetailTextsOfOneScreen)->Unit(benchmark::kMicrosecond);

void BM_HasSubfoldersOfLargeFolder(benchmark::State& state)
{
    TShellNamespace shell = Shell();
    TItemIdList big = TShellNamespace::Home().Child("big");
    for (auto _ : state) benchmark::DoNotOptimize(shell.HasSubfolders(big));
}
BENCHMARK(BM_HasSubfoldersOfLargeFolder)->Unit(benchmark::kMicrosecond);

void BM_CompareNatural(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(CompareNatural("IMG_12345.jpg", "img_12346.JPG"));
        benchmark::DoNotOptimize(CompareNatural("photo 7 of 9.bmp", "Photo 10 of 9.bmp"));
    }
}
BENCHMARK(BM_CompareNatural);

} // namespace

BENCHMARK_MAIN();
