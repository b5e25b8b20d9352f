// To join bench/skincontrols_bench.cpp once the skinned message box lands (it needs
// skinforms/SkinMessage.h and <chrono>).
// From the call to the box's first paint: the idle callback runs once the shown box has
// painted and nothing else waits; the time up to there counts, then Esc closes the box.
void BM_ShowMessageBox(benchmark::State& state)
{
    TSkinScene scene;
    TbsSkinMessage message(nullptr);
    message.SetSkinData(&scene.skin);
    message.SetCtrlSkinData(&scene.skin);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        scene.Screen().WhenIdle([&] {
            state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            scene.Screen().PressKey(VK_ESCAPE);
        });
        message.ShowMessageBox("请导入图片！", TMsgDlgType::mtInformation, MsgDlgButtons({TMsgDlgBtn::mbOK}));
    }
}
BENCHMARK(BM_ShowMessageBox)->UseManualTime()->Unit(benchmark::kMillisecond);
