// From the call to the box's first paint; Esc then closes it.
void BM_ShowMessageBox(benchmark::State& state)
{
    TSkinScene scene;
    TbsSkinMessage message(nullptr);
    message.SetSkinData(&scene.skin);
    message.SetCtrlSkinData(&scene.skin);
    for (auto _ : state) {
        scene.Screen().WhenIdle([&] { scene.Screen().PressKey(VK_ESCAPE); });
        message.ShowMessageBox("请导入图片！", TMsgDlgType::mtInformation, MsgDlgButtons({TMsgDlgBtn::mbOK}));
    }
}
BENCHMARK(BM_ShowMessageBox)->Unit(benchmark::kMillisecond);

