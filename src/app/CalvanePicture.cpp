#include "app/Calvane.h"
#include "app/frmScreen.h"
#include "app/frmsetC.h"
#include "core/FileIO.h"
#include "core/Rounding.h"
#include "imaging/OutputNames.h"
#include "imaging/PictureFiles.h"
#include "imaging/PictureLoader.h"
#include "imaging/PictureTransforms.h"
#include "ui/ListScrolling.h"
#include "ui/MessageDlg.h"
#include "wsys/Messages.h"
#include "wsys/WinConstants.h"
#include "wsys/WinTypes.h"

namespace tavrik {

namespace {

constexpr int kZoomInLimit = 4000; // wider than this: no zooming in
constexpr int kZoomOutLimit = 40;  // narrower than this: no zooming out
constexpr int kWheelLineStep = 16; // pixels the picture scrolls for one line of a wheel notch

int RoundValue(double v) { return int(Round(v)); }

// The size a field asks for, 0 while its text is no number (cleared by the user).
int FieldSize(const TWorkbenchNumericEdit* field)
{
    return field->IsValidText(field->Text()) ? RoundValue(field->Value()) : 0;
}

} // namespace

std::string PictureStatusText(int height, int width, std::optional<uint64_t> fileSize)
{
    std::string text = "图片高:" + std::to_string(height) + ";  图片宽:" + std::to_string(width);
    if (fileSize) text += ";  图片大小:" + std::to_string(*fileSize / 1024) + "KB";
    return text;
}

void TCalvane::EnablePictureControls()
{
    bsSkinButton3->SetEnabled(true);
    bsSkinTrackBar1->SetEnabled(true);
    bsSkinCheckRadioBox1->SetEnabled(true);
}

void TCalvane::ShowPictureScrollBars()
{
    bsSkinScrollBar1->Show();
    bsSkinScrollBar2->Show();
}

bool TCalvane::OpenPicture()
{
    bsSkinOpenPictureDialog1->SetMultiSelection(false);
    if (!bsSkinOpenPictureDialog1->Execute()) return false;
    return LoadWorkPicture(bsSkinOpenPictureDialog1->FileName());
}

bool TCalvane::LoadWorkPicture(const std::string& fileName)
{
    SetDoubleBuffered(true);
    std::unique_ptr<TBitmap> picture = LoadPictureFromFile(fileName, decodeMode_);
    if (!picture || picture->Empty()) {
        Inform("没有读取图片，程序错误");
        return false;
    }
    const uint64_t fileSize = FileSizeOf(fileName);
    SetWorkPicture(Image1, *picture);
    pictureFile_ = fileName;
    pictureFileSize_ = fileSize;
    return true;
}

void TCalvane::ShowNewWorkPicture()
{
    const TPicture& picture = Image1->Picture();
    Image1->SetHeight(picture.Height());
    Image1->SetWidth(picture.Width());
    SetPictureMiddle();
    DescribeWorkPicture();
}

void TCalvane::ShowOpenedPicture()
{
    EnablePictureControls();
    ShowPictureScrollBars();
    ShowNewWorkPicture();
}

void TCalvane::DescribeWorkPicture()
{
    const TPicture& picture = Image1->Picture();
    bsSkinStatusPanel1->SetCaption(pictureFileSize_ ? "文件位置:" + pictureFile_ : kCapturedPictureStatus);
    bsSkinStatusPanel2->SetCaption(PictureStatusText(picture.Height(), picture.Width(), pictureFileSize_));
    // The height first: the width field's handler sizes the view from both fields, and would
    // otherwise pair the new width with the previous picture's height.
    bsSkinNumericEdit2->SetValue(picture.Height());
    bsSkinNumericEdit1->SetValue(picture.Width());
}

void TCalvane::WorkPictureCaptured()
{
    pictureFile_.clear();
    pictureFileSize_.reset();
    ShowNewWorkPicture();
}

void TCalvane::SetPictureMiddle()
{
    // At the top-left, unscrolled, first: the box then shows exactly the scroll bars the
    // view's size needs, and the view is centred in the room they leave.
    ResetPictureScrolling();
    Image1->SetBounds(0, 0, Image1->Width(), Image1->Height());
    int boxWidth = bsSkinScrollBox1->Width(), boxHeight = bsSkinScrollBox1->Height();
    Image1->SetTop(Image1->Height() < boxHeight ? boxHeight / 2 - Image1->Height() / 2 : 0);
    Image1->SetLeft(Image1->Width() < boxWidth ? boxWidth / 2 - Image1->Width() / 2 : 0);
}

void TCalvane::bsSkinButton1Click(TComponent*)
{
    if (!OpenPicture()) {
        // A cancelled dialog leaves the picture and its description as they are; only the very
        // first cancel, with no file ever chosen, is answered.
        if (bsSkinOpenPictureDialog1->FileName().empty()) Inform("没有选取确定的图片");
        return;
    }
    ShowOpenedPicture();
}

void TCalvane::OpenPictureFile(const std::string& fileName)
{
    // As if the file had been chosen in the open dialog, which starts from it next time.
    bsSkinOpenPictureDialog1->SetFileName(fileName);
    if (LoadWorkPicture(fileName)) ShowOpenedPicture();
}

void TCalvane::bsSkinTrackBar1Change(TComponent*)
{
    Label4->SetCaption(std::to_string(bsSkinTrackBar1->Value()) + "%");
}

void TCalvane::bsSkinCheckRadioBox1Click(TComponent*)
{
    bool custom = bsSkinCheckRadioBox1->Checked();
    bsSkinNumericEdit1->SetEnabled(custom);
    bsSkinNumericEdit2->SetEnabled(custom);
    bsSkinCheckRadioBox2->SetEnabled(custom);
}

void TCalvane::bsSkinNumericEdit1Change(TComponent*)
{
    const TBitmap* picture = Image1->Picture().Graphic();
    if (!picture) return;
    // An empty picture has no proportions to keep.
    if (bsSkinCheckRadioBox2->Checked() && picture->Width() > 0) {
        long double height = (long double)picture->Height() * bsSkinNumericEdit1->Value() / picture->Width();
        bsSkinNumericEdit2->SetValue(double(Round(double(height))));
    }
    Image1->SetAutoSize(false);
    Image1->SetStretch(true);
    Image1->SetWidth(RoundValue(bsSkinNumericEdit1->Value()));
    Image1->SetHeight(RoundValue(bsSkinNumericEdit2->Value()));
    SetPictureMiddle();
}

void TCalvane::bsSkinNumericEdit2Exit(TComponent*)
{
    const TBitmap* picture = Image1->Picture().Graphic();
    if (!picture) return;
    if (bsSkinCheckRadioBox2->Checked() && picture->Height() > 0) {
        long double width = (long double)picture->Width() * bsSkinNumericEdit2->Value() / picture->Height();
        bsSkinNumericEdit1->SetValue(double(Round(double(width))));
    }
    Image1->SetAutoSize(false);
    Image1->SetStretch(true);
    Image1->SetWidth(RoundValue(bsSkinNumericEdit1->Value()));
    Image1->SetHeight(RoundValue(bsSkinNumericEdit2->Value()));
    SetPictureMiddle();
}

void TCalvane::ZoomView(int numerator, int denominator)
{
    Image1->SetAutoSize(false);
    Image1->SetStretch(true);
    Image1->SetHeight(Image1->Height() * numerator / denominator);
    Image1->SetWidth(Image1->Width() * numerator / denominator);
}

void TCalvane::bigbuttonClick(TComponent*)
{
    ZoomView(5, 4);
    if (Image1->Width() > kZoomOutLimit) smallbutton->SetEnabled(true);
    if (Image1->Width() > kZoomInLimit) bigbutton->SetEnabled(false);
    SetPictureMiddle();
}

void TCalvane::smallbuttonClick(TComponent*)
{
    ZoomView(4, 5);
    if (Image1->Width() < kZoomOutLimit) smallbutton->SetEnabled(false);
    if (Image1->Width() <= kZoomInLimit) bigbutton->SetEnabled(true);
    SetPictureMiddle();
}

void TCalvane::bsSkinButton3Click(TComponent*)
{
    const int width = FieldSize(bsSkinNumericEdit1);
    const int height = FieldSize(bsSkinNumericEdit2);
    // A capture abandoned before any picture was opened leaves the button on with nothing to
    // save, and a capture of one row or column gives a picture without pixels.
    if (!HasWorkPicture() || Image1->Picture().Graphic()->Empty()) {
        Inform("没有可以保存的图片！");
        return;
    }
    bsSkinSavePictureDialog1->SetFilter("*.jpg|*.JPG|*.bmp|*.BMP|");
    if (!bsSkinSavePictureDialog1->Execute()) return;
    SaveWorkPicture(bsSkinSavePictureDialog1->FileName(), bsSkinSavePictureDialog1->FilterIndex(), width, height);
}

void TCalvane::SaveWorkPicture(const std::string& fileName, int filterIndex, int width, int height)
{
    const TBitmap& work = *Image1->Picture().Graphic();
    if (filterIndex == 1) {
        const uint8_t quality = uint8_t(bsSkinTrackBar1->Value());
        const std::string path = SaveAsFileName(fileName, ".jpg");
        if (bsSkinCheckRadioBox1->Checked()) WriteJpegFile(StretchedCopy(work, width, height), quality, path);
        else WriteJpegFile(work, quality, path);
    } else if (filterIndex == 2) {
        // A size field at 0 or cleared (as before anything was opened) stands for the picture's
        // own size rather than for an empty bitmap.
        WritePictureBmpFile(StretchedCopy(work, width > 0 ? width : work.Width(), height > 0 ? height : work.Height()),
                            SaveAsFileName(fileName, ".bmp"));
    }
}

void TCalvane::ShowColourDialog(TWorkbenchGroupBox* TfrmsetC::*group, const char* caption)
{
    TfrmsetC* dialog = colourDialog_.Get();
    if (!dialog || Image1->Picture().Height() == 0 || Image1->Picture().Width() == 0) return;
    for (TWorkbenchGroupBox* TfrmsetC::*each :
         {&TfrmsetC::bsSkinGroupBox1, &TfrmsetC::bsSkinGroupBox2, &TfrmsetC::GroupBoxRGBChange})
        (dialog->*each)->SetVisible(each == group);
    // Owned by this window, so that a window manager keeps it above this window too (it learns
    // of an owner only when a window is made, so the first time makes the dialog's window again).
    dialog->SetParentWindow(Handle());
    dialog->LoadImage(*Image1->Picture().Graphic());
    dialog->SetCaption(caption);
    dialog->trackbarcontrast->SetValue(0);
    dialog->ShowModal();
}

void TCalvane::bsSkinButton7Click(TComponent*) { ShowColourDialog(&TfrmsetC::bsSkinGroupBox1, TfrmsetC::kContrastCaption); }
void TCalvane::bsSkinButton8Click(TComponent*) { ShowColourDialog(&TfrmsetC::bsSkinGroupBox2, TfrmsetC::kSaturationCaption); }
void TCalvane::bsSkinButton9Click(TComponent*) { ShowColourDialog(&TfrmsetC::GroupBoxRGBChange, TfrmsetC::kRGBCaption); }

void TCalvane::TransformWorkPicture(void (*transform)(TBitmap&))
{
    TBitmap* picture = Image1->Picture().Graphic();
    if (!picture) return;
    Image1->SetAutoSize(true);
    Image1->SetStretch(true);
    transform(*picture);
    Image1->Picture().Changed();
    SetPictureMiddle();
    DescribeWorkPicture();
    Image1->SetAutoSize(false);
    Image1->SetStretch(false);
}

void TCalvane::N901Click(TComponent*) { TransformWorkPicture(Rotate90); }
void TCalvane::N1Click(TComponent*) { TransformWorkPicture(FlipHorz); }

void TCalvane::bsSkinButton10Click(TComponent*)
{
    Image1->SetLeft(10);
    Image1->SetTop(10);
    if (TfrmScreen* capture = captureWindow_.Get()) capture->Show();
    EnablePictureControls();
}

void TCalvane::WndProc(TMessage& m)
{
    if (m.Msg == WM_MOUSEWHEEL && WheelOverPicture(m)) {
        m.Result = 1;
        return;
    }
    if (m.Msg == WM_QUERYDROPFILES || m.Msg == WM_DROPFILES) {
        m.Result = TakeDroppedFiles(reinterpret_cast<HDROP>(m.WParam), m.Msg == WM_DROPFILES) ? 1 : 0;
        return;
    }
    TForm::WndProc(m);
}

bool TCalvane::WheelOverPicture(const TMessage& wheel)
{
    if (!bsSkinScrollBox1->Showing()) return false;
    TPoint at = bsSkinScrollBox1->ScreenToClient(LParamToPoint(wheel.LParam));
    if (!PtInRect(bsSkinScrollBox1->ClientRect(), at)) return false;
    bool sideways = GET_KEYSTATE_WPARAM(wheel.WParam) & MK_SHIFT;
    TbsSkinScrollBar* vertical = bsSkinScrollBar2->Visible() ? bsSkinScrollBar2 : nullptr;
    TbsSkinScrollBar* horizontal = bsSkinScrollBar1->Visible() ? bsSkinScrollBar1 : nullptr;
    TbsSkinScrollBar* bar = sideways || !vertical ? horizontal : vertical;
    if (!bar) return false;
    bar->SetPosition(bar->Position() - WheelLines(GET_WHEEL_DELTA_WPARAM(wheel.WParam)) * kWheelLineStep);
    return true;
}

void TCalvane::ResetPictureScrolling()
{
    for (TbsSkinScrollBar* bar : {bsSkinScrollBar1, bsSkinScrollBar2}) bar->SetPosition(0);
}

void TCalvane::Inform(const std::string& text)
{
    // Through the message box handler, which is bsSkinMessage1.
    MessageDlg(text, TMsgDlgType::mtInformation, MsgDlgButtons({TMsgDlgBtn::mbOK}));
}

} // namespace tavrik
