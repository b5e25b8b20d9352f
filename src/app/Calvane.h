#pragma once

#include "app/OBThread.h"
#include "app/WorkPicture.h"
#include "app/WorkbenchControls.h"
#include "imaging/JpegCodec.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/ImageList.h"
#include "ui/MenuItem.h"
#include "ui/ProgressBar.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tavrik {

class TfrmsetC;
class TfrmScreen;

// The workbench's main window: one picture on the page "图片处理" (open, zoom, output size,
// colour adjustments, flip and rotate, screen capture, save as JPEG or BMP), a batch of
// pictures recompressed into one folder on "批量压缩", and the usage notes on "帮助".
//
// The work picture is the picture of Image1: absent until a picture is opened, captured or
// loaded from the batch list, and possibly empty (0 x 0) after that.
class TCalvane : public TForm {
public:
    explicit TCalvane(TComponent* owner);
    ~TCalvane() override;
    const char* ClassName() const override { return "TCalvane"; }

    // The dialogs this window opens; created after it (start-up order).
    void SetDialogs(TfrmsetC* colourDialog, TfrmScreen* captureWindow);

    // How JPEG files are decoded: through a palette on screens of 8 bits per pixel or fewer.
    TJpegDecodeMode DecodeMode() const { return decodeMode_; }
    void SetDecodeMode(TJpegDecodeMode mode) { decodeMode_ = mode; }
    // The address the help page's link opens.
    static constexpr const char* kHomePage = "https://tavrik.example.org/";

    // --- Components ----------------------------------------------------------------------
    TWorkbenchPageControl* bsSkinPageControl2;
    TWorkbenchTabSheet* bsSkinTabSheet1;
    TWorkbenchTabSheet* bsSkinTabSheet3;
    TWorkbenchTabSheet* bsSkinTabSheet2;

    // Page "图片处理".
    TWorkbenchPanel* bsSkinPanel1;
    TWorkbenchExPanel* bsSkinExPanel3;
    TWorkbenchButton* bsSkinButton1;
    TWorkbenchButton* bsSkinButton10;
    TWorkbenchButton* bsSkinButton3;
    TWorkbenchSpeedButton* bigbutton;
    TWorkbenchSpeedButton* smallbutton;
    TWorkbenchExPanel* bsSkinExPanel1;
    TWorkbenchLabel* Label3;
    TWorkbenchTrackBar* bsSkinTrackBar1;
    TWorkbenchLabel* Label4;
    TWorkbenchCheckBox* bsSkinCheckRadioBox1;
    TWorkbenchLabel* Label2;
    TWorkbenchNumericEdit* bsSkinNumericEdit1;
    TWorkbenchLabel* Label7;
    TWorkbenchLabel* Label1;
    TWorkbenchNumericEdit* bsSkinNumericEdit2;
    TWorkbenchLabel* Label8;
    TWorkbenchCheckBox* bsSkinCheckRadioBox2;
    TWorkbenchSplitter* bsSkinSplitter2;
    TWorkbenchExPanel* bsSkinExPanel2;
    TWorkbenchButton* bsSkinButton7;
    TWorkbenchButton* bsSkinButton8;
    TWorkbenchButton* bsSkinButton9;
    TWorkbenchPanel* bsSkinPanel3;
    TWorkbenchScrollBox* bsSkinScrollBox1;
    TImage* Image1;
    TWorkbenchScrollBar* bsSkinScrollBar2;
    TWorkbenchScrollBar* bsSkinScrollBar1;
    TWorkbenchStatusBar* bsSkinStatusBar1;
    TWorkbenchStatusPanel* bsSkinStatusPanel1;
    TWorkbenchStatusPanel* bsSkinStatusPanel2;

    // Page "批量压缩".
    TWorkbenchPanel* bsSkinPanel2;
    TWorkbenchExPanel* bsSkinExPanel5;
    TWorkbenchButton* bsSkinButton5;
    TWorkbenchButton* bsSkinButton6;
    TWorkbenchExPanel* bsSkinExPanel4;
    TWorkbenchButton* bsSkinButton2;
    TWorkbenchEdit* bsSkinEdit1;
    TWorkbenchLabel* Label5;
    TWorkbenchTrackBar* bsSkinTrackBar2;
    TWorkbenchLabel* Label6;
    TWorkbenchButton* bsSkinButton4;
    TWorkbenchPanel* bsSkinPanel4;
    TWorkbenchListView* bsSkinListView1;
    TWorkbenchScrollBar* bsSkinScrollBar3;
    TWorkbenchStatusBar* bsSkinStatusBar2;
    TWorkbenchStatusPanel* bsSkinStatusPanel3;
    TWorkbenchGauge* bsSkinGauge1;

    // Page "帮助".
    TWorkbenchLabel* bsSkinLabel1;
    TWorkbenchLinkLabel* bsSkinLinkLabel2;
    TWorkbenchLabel* Label9;
    TWorkbenchLabel* Label10;
    TWorkbenchGroupBox* bsSkinGroupBox1;
    TWorkbenchMemo* bsSkinMemo1;

    // Without a place on screen.
    TWorkbenchOpenPictureDialog* bsSkinOpenPictureDialog1;
    TWorkbenchSavePictureDialog* bsSkinSavePictureDialog1;
    TWorkbenchSelectDirectoryDialog* bsSkinSelectDirectoryDialog1;
    TWorkbenchMessage* bsSkinMessage1;
    TImageList* ImageList1;
    TWorkbenchPopupMenu* bsSkinPopupMenu1;
    TMenuItem* N901;
    TMenuItem* N1;
    TMenuItem* N2;
    TOBThread* OBThread1;

    // Row progress of the saturation and RGB routines; made by FormCreate, never shown.
    TProgressBar* ApplyProgress = nullptr;
    // The last pointer position over the batch list while it held items.
    int ListMouseX = 0;
    int ListMouseY = 0;

    // --- Form events -----------------------------------------------------------------------
    void FormCreate(TComponent* sender);
    void FormDestroy(TComponent* sender);

    // --- Page "图片处理" -------------------------------------------------------------------
    void OpenPicture();
    void SetPictureMiddle();
    void bsSkinButton1Click(TComponent* sender);
    void bsSkinButton10Click(TComponent* sender);
    void bsSkinButton3Click(TComponent* sender);
    void bigbuttonClick(TComponent* sender);
    void smallbuttonClick(TComponent* sender);
    void bsSkinTrackBar1Change(TComponent* sender);
    void bsSkinCheckRadioBox1Click(TComponent* sender);
    void bsSkinNumericEdit1Change(TComponent* sender);
    void bsSkinNumericEdit2Exit(TComponent* sender);
    void bsSkinButton7Click(TComponent* sender);
    void bsSkinButton8Click(TComponent* sender);
    void bsSkinButton9Click(TComponent* sender);
    void N901Click(TComponent* sender);
    void N1Click(TComponent* sender);
    void N2Click(TComponent* sender);

    // --- Page "批量压缩" -------------------------------------------------------------------
    void bsSkinButton5Click(TComponent* sender);
    void bsSkinButton6Click(TComponent* sender);
    void bsSkinButton2Click(TComponent* sender);
    void bsSkinButton4Click(TComponent* sender);
    void bsSkinTrackBar2Change(TComponent* sender);
    void OBThread1Execute(TComponent* sender, void* params);
    void bsSkinListView1MouseMove(TComponent* sender, TShiftState shift, int x, int y);
    void bsSkinListView1DblClick(TComponent* sender);
    // Handles window messages until at least ms milliseconds have passed (at least once).
    void PumpMessagesFor(unsigned ms);
    // Whether a batch run is under way (its start button is disabled meanwhile).
    bool BatchRunning() const { return batchRunning_; }
    // How many files a batch run converts at once; one per usable processor at start.
    unsigned BatchWorkers() const { return batchWorkers_; }
    void SetBatchWorkers(unsigned workers) { batchWorkers_ = std::max(workers, 1u); }

    // --- Pictures the desktop hands over (command line, drag and drop) -----------------------
    // Opens a picture as the open command opens the file chosen in its dialog.
    void OpenPictureFile(const std::string& fileName);
    // Whether the file exists and the open dialog's first filter ("All") shows it: what the
    // import lets the user choose.
    bool IsImportablePicture(const std::string& file) const;
    // Appends the importable files to the batch list as the import command does, in their
    // order; answers how many.
    int AddBatchFiles(const std::vector<std::string>& files);
    // The pictures of the command line: the first opens; with several, all of them go to the
    // batch list too and its page is shown.
    void OpenFiles(const std::vector<std::string>& files);

    // --- Page "帮助" -----------------------------------------------------------------------
    void bsSkinLinkLabel2Click(TComponent* sender);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void BuildPicturePage();
    void BuildPictureFilePanel();
    void BuildPictureSettingsPanel();
    void BuildPictureView();
    void BuildBatchPage();
    void BuildHelpPage();
    void BuildComponents();
    void BuildPopupMenu();
    TMenuItem* NewMenuItem(const char* name, const char* caption, void (TCalvane::*handler)(TComponent*));

    // The picture commands' shared steps.
    void LoadWorkPicture(const std::string& fileName);
    void ShowOpenedPicture(const std::string& fileName);
    void AppendBatchItem(const std::string& file);
    // Files dragged in from another program: pictures onto the batch list are added to it,
    // one picture onto the picture page opens; anything else is refused. With dropped off,
    // only answers whether a drop would be taken.
    bool TakeDroppedFiles(HDROP drop, bool dropped);
    bool HasWorkPicture() const { return Image1->Picture().Graphic() != nullptr; }
    void EnablePictureControls();
    void ShowPictureScrollBars();
    void ShowColourDialog(TWorkbenchGroupBox* TfrmsetC::*group, const char* caption);
    void TransformWorkPicture(void (*transform)(TBitmap&));
    void ZoomView(int numerator, int denominator);
    void SaveWorkPicture(const std::string& fileName, int filterIndex, int width, int height);
    // The wheel turned over the picture scrolls it, whichever control has the focus.
    bool WheelOverPicture(const TMessage& wheel);

    TComponentRef<TfrmsetC> colourDialog_;
    TComponentRef<TfrmScreen> captureWindow_;
    TJpegDecodeMode decodeMode_ = TJpegDecodeMode::TrueColor;
    bool batchRunning_ = false;
    unsigned batchWorkers_;
};

// The help page's usage notes, twelve lines.
std::string UsageText();

// The text the second status panel shows for an opened picture.
std::string PictureStatusText(int height, int width, uint64_t fileSize);

} // namespace tavrik
