// Cost of the skinned message box on the headless screen, in the program's skin: from the call
// to the box's first paint.
#include "FormScene.h"

#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skinforms/SkinMessage.h"
#include "wsys/WinApi.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <chrono>

using namespace tavrik;

namespace {

// The idle action runs once the shown box has painted and nothing else waits; the time up to
// there counts, then Esc closes the box.
void BM_ShowMessageBox(benchmark::State& state)
{
    TFormScene scene(640, 480);
    TbsStoredSkin stored;
    LoadProgramSkin(stored);
    TbsSkinData skin;
    skin.ApplyStoredSkin(stored);
    THeadlessBackend& screen = *scene.screen;
    {
        TbsSkinMessage message(nullptr);
        message.SetSkinData(&skin);
        message.SetCtrlSkinData(&skin);
        for (auto _ : state) {
            const auto start = std::chrono::steady_clock::now();
            screen.WhenIdle([&] {
                state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
                screen.PressKey(VK_ESCAPE);
            });
            message.ShowMessageBox("请导入图片！", TMsgDlgType::mtInformation, MsgDlgButtons({TMsgDlgBtn::mbOK}));
        }
    }
    scene.app.reset(); // the forms go while their skin is still there
}
BENCHMARK(BM_ShowMessageBox)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
