#include "app/Calvane.h"
#include "app/FileFilter.h"
#include "core/FileIO.h"
#include "core/FileName.h"
#include "core/TickClock.h"
#include "imaging/BatchConversion.h"
#include "imaging/BatchPipeline.h"
#include "ui/Application.h"
#include "wsys/WinApi.h"

#include <optional>
#include <vector>

namespace tavrik {

namespace {

// Enables a control again when a run ends, also by an error, unless the window went away.
class TEnableAgain {
public:
    explicit TEnableAgain(TControl* control) : control_(control) { control->SetEnabled(false); }
    ~TEnableAgain()
    {
        if (TControl* c = control_.Get()) c->SetEnabled(true);
    }
    TEnableAgain(const TEnableAgain&) = delete;
    TEnableAgain& operator=(const TEnableAgain&) = delete;

private:
    TComponentRef<TControl> control_;
};

} // namespace

void TCalvane::bsSkinButton5Click(TComponent*)
{
    bsSkinOpenPictureDialog1->SetMultiSelection(true);
    if (!bsSkinOpenPictureDialog1->Execute()) return;
    for (const std::string& file : bsSkinOpenPictureDialog1->Files()) AppendBatchItem(file);
}

void TCalvane::AppendBatchItem(const std::string& file)
{
    TListItem* item = bsSkinListView1->Items().Add();
    item->SetImageIndex(IsBmpSource(file) ? 0 : 1);
    item->SetCaption(file);
    bsSkinButton6->SetEnabled(true);
}

bool TCalvane::IsImportablePicture(const std::string& file) const
{
    // What the open dialog lets the user choose under its first filter, "All (*.jpg;*.jpeg;*.bmp;)".
    std::vector<TFileFilterEntry> filter = ParseFileFilter(bsSkinOpenPictureDialog1->Filter());
    return !filter.empty() && MatchesFilter(ExtractFileName(file), filter.front()) && FileExists(file);
}

int TCalvane::AddBatchFiles(const std::vector<std::string>& files)
{
    int added = 0;
    for (const std::string& file : files) {
        if (!IsImportablePicture(file)) continue;
        AppendBatchItem(file);
        ++added;
    }
    return added;
}

void TCalvane::bsSkinButton6Click(TComponent*)
{
    if (ListMouseX > 0 && ListMouseY > 0) {
        if (TListItem* focused = bsSkinListView1->ItemFocused()) focused->Delete();
    }
    if (bsSkinListView1->Items().Count() == 0) bsSkinButton6->SetEnabled(false);
}

void TCalvane::bsSkinButton2Click(TComponent*)
{
    if (bsSkinSelectDirectoryDialog1->Execute()) bsSkinEdit1->SetText(bsSkinSelectDirectoryDialog1->Directory());
}

void TCalvane::bsSkinButton4Click(TComponent*)
{
    if (!DirectoryExists(bsSkinEdit1->Text())) {
        bsSkinStatusPanel3->SetCaption("不是有效的路径！请重新选择！");
        return;
    }
    if (bsSkinListView1->Items().Count() == 0) {
        bsSkinMessage1->Inform("请导入图片！");
        return;
    }
    OBThread1Execute(this, nullptr);
}

void TCalvane::bsSkinTrackBar2Change(TComponent*)
{
    Label6->SetCaption(std::to_string(bsSkinTrackBar2->Value()) + "%");
}

void TCalvane::OBThread1Execute(TComponent*, void*)
{
    // The run works from the list as it stands now: changes made while it handles messages
    // do not reach it, and a second run cannot start meanwhile.
    std::vector<std::string> files;
    for (int i = 0; i < bsSkinListView1->Items().Count(); ++i) files.push_back(bsSkinListView1->Items()[i]->Caption());
    const std::string folder = bsSkinEdit1->Text();
    TEnableAgain startButton(bsSkinButton4);
    auto alive = Guard();
    batchRunning_ = true;
    // The window may close while the run handles messages: it is then gone, flag and all.
    struct TRunEnds {
        TCalvane* window;
        const TComponentGuard& alive;
        ~TRunEnds()
        {
            if (alive) window->batchRunning_ = false;
        }
    } runEnds{this, alive};

    const size_t n = files.size();
    bsSkinGauge1->SetMaxValue(int(n));
    auto stopped = [&] { return !alive || (Application() && Application()->Terminated()); };
    // Every core converts files ahead, into memory; a file is written only after every file
    // before it was, so the outputs appear in list order and a failing file leaves exactly
    // the outputs before it. The workers post a message for each file done, which ends the
    // wait below while the window goes on handling its messages.
    TBatchPipeline pipeline(batchWorkers_, [] { PostMessage(nullptr, WM_NULL); });
    TWorkerWait waitingForWorkers;
    size_t next = 0;
    for (size_t i = 0; i < n; ++i) {
        bsSkinGauge1->SetValue(int(i + 1));
        bsSkinStatusPanel3->SetCaption(files[i]);
        std::optional<TBatchResult> result;
        RunMessageLoopUntil([&] {
            if (stopped()) return true;
            // The quality is read as each file enters work: the slider stays usable.
            while (next < n && pipeline.HasRoom())
                pipeline.Submit({files[next++], folder, uint8_t(bsSkinTrackBar2->Value()), decodeMode_});
            result = pipeline.TakeReady();
            return result.has_value();
        });
        if (stopped() || !result) return;
        if (result->error) std::rethrow_exception(result->error);
        WriteBatchOutput(result->output);
        PumpMessagesFor(1);
        if (stopped()) return;
    }
    bsSkinStatusPanel3->SetCaption("压缩完成！");
}

void TCalvane::PumpMessagesFor(unsigned ms)
{
    const uint64_t start = GetTickCount();
    for (;;) {
        if (Application()) Application()->ProcessMessages();
        else ProcessMessages();
        if (GetTickCount() - start >= ms) return;
        Sleep(1);
    }
}

void TCalvane::bsSkinListView1MouseMove(TComponent*, TShiftState, int x, int y)
{
    if (bsSkinListView1->Items().Count() == 0) return;
    ListMouseX = x;
    ListMouseY = y;
}

void TCalvane::bsSkinListView1DblClick(TComponent*)
{
    TListItem* item = bsSkinListView1->Selected();
    if (!item || ListMouseX <= 0 || ListMouseY <= 0) return;
    const std::string fileName = item->Caption();
    bsSkinPageControl2->SetActivePage(bsSkinTabSheet1);
    if (!LoadWorkPicture(fileName)) return;
    Image1->SetStretch(true);
    ShowNewWorkPicture();
}

} // namespace tavrik
