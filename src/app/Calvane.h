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
#include <optional>
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

    // The names are the program's own; each comment says what the control is for.
    TWorkbenchPageControl* bsSkinPageControl2; // the three pages, filling the window
    TWorkbenchTabSheet* bsSkinTabSheet1;       // "图片处理": one picture
    TWorkbenchTabSheet* bsSkinTabSheet3;       // "批量压缩": the batch
    TWorkbenchTabSheet* bsSkinTabSheet2;       // "帮助": usage notes

    // Page "图片处理".
    TWorkbenchPanel* bsSkinPanel1;                // left column holding the three roll-up panels
    TWorkbenchExPanel* bsSkinExPanel3;            // "文件": the file commands and zoom
    TWorkbenchButton* bsSkinButton1;              // "打开图片": opens a picture
    TWorkbenchButton* bsSkinButton10;             // "截屏": captures a screen rectangle
    TWorkbenchButton* bsSkinButton3;              // "图片另存": saves the work picture
    TWorkbenchSpeedButton* bigbutton;             // zooms in
    TWorkbenchSpeedButton* smallbutton;           // zooms out
    TWorkbenchExPanel* bsSkinExPanel1;            // "图像设置": quality and output size
    TWorkbenchLabel* Label3;                      // "压缩：" before the quality slider
    TWorkbenchTrackBar* bsSkinTrackBar1;          // JPEG quality of the save command, 0 to 100
    TWorkbenchLabel* Label4;                      // the quality as a percentage
    TWorkbenchCheckBox* bsSkinCheckRadioBox1;     // "自定义图片大小": save JPEG at the size below
    TWorkbenchLabel* Label2;                      // "宽度："
    TWorkbenchNumericEdit* bsSkinNumericEdit1;    // output width in pixels
    TWorkbenchLabel* Label7;                      // "象素" after the width
    TWorkbenchLabel* Label1;                      // "高度："
    TWorkbenchNumericEdit* bsSkinNumericEdit2;    // output height in pixels
    TWorkbenchLabel* Label8;                      // "象素" after the height
    TWorkbenchCheckBox* bsSkinCheckRadioBox2;     // "约束比例": keep the proportions
    TWorkbenchSplitter* bsSkinSplitter2;          // resizes the settings panel above it
    TWorkbenchExPanel* bsSkinExPanel2;            // the colour commands
    TWorkbenchButton* bsSkinButton7;              // "对比度": contrast dialog
    TWorkbenchButton* bsSkinButton8;              // "饱和度": saturation dialog
    TWorkbenchButton* bsSkinButton9;              // "RGB": colour channel dialog
    TWorkbenchPanel* bsSkinPanel3;                // the picture view's frame
    TWorkbenchScrollBox* bsSkinScrollBox1;        // scrolls the picture
    TImage* Image1;                               // shows the work picture
    TWorkbenchScrollBar* bsSkinScrollBar2;        // vertical scroll bar of the picture
    TWorkbenchScrollBar* bsSkinScrollBar1;        // horizontal scroll bar of the picture
    TWorkbenchStatusBar* bsSkinStatusBar1;        // the page's status bar
    TWorkbenchStatusPanel* bsSkinStatusPanel1;    // the picture's path, or "未加载图片"
    TWorkbenchStatusPanel* bsSkinStatusPanel2;    // the picture's size and file size

    // Page "批量压缩".
    TWorkbenchPanel* bsSkinPanel2;                // left column holding the two roll-up panels
    TWorkbenchExPanel* bsSkinExPanel5;            // "文件": the list commands
    TWorkbenchButton* bsSkinButton5;              // "导入图片": adds pictures to the list
    TWorkbenchButton* bsSkinButton6;              // "移除": removes the selected pictures
    TWorkbenchExPanel* bsSkinExPanel4;            // "设置": output folder and quality
    TWorkbenchButton* bsSkinButton2;              // "设置输出目录": chooses the output folder
    TWorkbenchEdit* bsSkinEdit1;                  // the output folder
    TWorkbenchLabel* Label5;                      // "设置压缩值：" above the quality slider
    TWorkbenchTrackBar* bsSkinTrackBar2;          // JPEG quality of the batch, 0 to 100
    TWorkbenchLabel* Label6;                      // the quality as a percentage
    TWorkbenchButton* bsSkinButton4;              // "开始批量压缩": starts the batch
    TWorkbenchPanel* bsSkinPanel4;                // the list's frame
    TWorkbenchListView* bsSkinListView1;          // the pictures of the batch, full paths
    TWorkbenchScrollBar* bsSkinScrollBar3;        // vertical scroll bar of the list
    TWorkbenchStatusBar* bsSkinStatusBar2;        // the page's status bar
    TWorkbenchStatusPanel* bsSkinStatusPanel3;    // the batch's state and the file at work
    TWorkbenchGauge* bsSkinGauge1;                // the share of the batch done

    // Page "帮助".
    TWorkbenchLabel* bsSkinLabel1;                // the program's name
    TWorkbenchLinkLabel* bsSkinLinkLabel2;        // opens the home page (kHomePage)
    TWorkbenchLabel* Label9;                      // the version
    TWorkbenchLabel* Label10;                     // the copyright line
    TWorkbenchGroupBox* bsSkinGroupBox1;          // "使用说明" around the notes
    TWorkbenchMemo* bsSkinMemo1;                  // the usage notes, read-only

    // Without a place on screen.
    TWorkbenchOpenPictureDialog* bsSkinOpenPictureDialog1;       // picks pictures to open or import
    TWorkbenchSavePictureDialog* bsSkinSavePictureDialog1;       // picks the file to save to
    TWorkbenchSelectDirectoryDialog* bsSkinSelectDirectoryDialog1; // picks the output folder
    TWorkbenchMessage* bsSkinMessage1;            // the message box of the commands' notices
    TImageList* ImageList1;                       // the batch list's picture icon
    TWorkbenchPopupMenu* bsSkinPopupMenu1;        // the picture's right-click menu
    TMenuItem* N901;                              // "旋转90度": rotates the picture
    TMenuItem* N1;                                // "水平翻转": mirrors it
    TMenuItem* N2;                                // "帮助？": shows the help page
    TOBThread* OBThread1;                         // the worker thread component, never started

    // Row progress of the saturation and RGB routines; made by FormCreate, never shown.
    TProgressBar* ApplyProgress = nullptr;
    // The last pointer position over the batch list while it held items.
    int ListMouseX = 0;
    int ListMouseY = 0;

    void FormCreate(TComponent* sender);
    void FormDestroy(TComponent* sender);

    // The page "图片处理".
    // Lets the user choose one file and makes it the work picture; false when the dialog was
    // cancelled or nothing could be read from the file (which is then said).
    bool OpenPicture();
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

    // The page "批量压缩".
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

    // Pictures the desktop hands over (command line, drag and drop).
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

    // The page "帮助".
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
    void AppendBatchItem(const std::string& file);
    // Files dragged in from another program: pictures onto the batch list are added to it,
    // one picture onto the picture page opens; anything else is refused. With dropped off,
    // only answers whether a drop would be taken.
    bool TakeDroppedFiles(HDROP drop, bool dropped);
    bool HasWorkPicture() const { return Image1->Picture().Graphic() != nullptr; }
    void EnablePictureControls();
    void ShowPictureScrollBars();
    // Makes the picture of a file the work picture. A file that yields no picture (an
    // extension we do not read, a picture without pixels) is said to be unreadable and the
    // current picture stays; damaged files raise as their reader does.
    bool LoadWorkPicture(const std::string& fileName);
    // Shows a work picture that replaced the previous one: the view at the picture's own size,
    // centred, and the status panels and size fields describing it.
    void ShowNewWorkPicture();
    // As ShowNewWorkPicture, for an opened picture: the picture controls and scroll bars too.
    void ShowOpenedPicture();
    void DescribeWorkPicture();
    void WorkPictureCaptured();
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
    // Where the work picture came from: its file and that file's size, or no file after a
    // screen capture.
    std::string pictureFile_;
    std::optional<uint64_t> pictureFileSize_;
};

// The help page's usage notes, twelve lines.
std::string UsageText();

// The text the second status panel shows for the work picture; the file size part only for a
// picture read from a file.
std::string PictureStatusText(int height, int width, std::optional<uint64_t> fileSize);

// The first status panel's text for a picture taken from the screen.
inline constexpr const char* kCapturedPictureStatus = "截屏图片";

} // namespace tavrik
