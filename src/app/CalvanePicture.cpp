#include "app/Calvane.h"
#include "app/frmScreen.h"
#include "app/frmsetC.h"
#include "core/FileIO.h"
#include "core/Rounding.h"
#include "gfx/BmpFile.h"
#include "imaging/OutputNames.h"
#include "imaging/PictureLoader.h"
#include "imaging/PictureTransforms.h"
#include "wsys/Messages.h"
#include "wsys/WinConstants.h"
#include "wsys/WinTypes.h"

namespace tavrik {

namespace {

constexpr int kZoomInLimit = 4000; // wider than this: no zooming in
constexpr int kZoomOutLimit = 40;  // narrower than this: no zooming out

int RoundValue(double v) { return int(Round(v)); }

} // namespace

std::string PictureStatusText(int height, int width, uint64_t fileSize)
{
    return "图片高:" + std::to_string(height) + ";  图片宽:" + std::to_string(width) +
           ";  图片大小:" + std::to_string(fileSize / 1024) + "KB";
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

void TCalvane::OpenPicture()
{
    bsSkinOpenPictureDialog1->SetMultiSelection(false);
    if (!bsSkinOpenPictureDialog1->Execute()) return;
    LoadWorkPicture(bsSkinOpenPictureDialog1->FileName());
}

void TCalvane::LoadWorkPicture(const std::string& fileName)
{
    SetDoubleBuffered(true);
    std::unique_ptr<TBitmap> picture = LoadPictureFromFile(fileName, decodeMode_);
    SetWorkPicture(Image1, picture ? *picture : TBitmap(0, 0));
}

void TCalvane::SetPictureMiddle()
{
    // At the top-left, unscrolled, first: the box then shows exactly the scroll bars the
    // view's size needs, and the view is centred in the room they leave.
    bsSkinScrollBox1->ResetScrolling();
    Image1->SetBounds(0, 0, Image1->Width(), Image1->Height());
    int boxWidth = bsSkinScrollBox1->Width(), boxHeight = bsSkinScrollBox1->Height();
    Image1->SetTop(Image1->Height() < boxHeight ? boxHeight / 2 - Image1->Height() / 2 : 0);
    Image1->SetLeft(Image1->Width() < boxWidth ? boxWidth / 2 - Image1->Width() / 2 : 0);
}

void TCalvane::bsSkinButton1Click(TComponent*)
{
    OpenPicture();
    const std::string fileName = bsSkinOpenPictureDialog1->FileName();
    if (fileName.empty()) {
        bsSkinMessage1->Inform("没有选取确定的图片");
        return;
    }
    ShowOpenedPicture(fileName);
}

void TCalvane::OpenPictureFile(const std::string& fileName)
{
    // As if the file had been chosen in the open dialog, which starts from it next time.
    bsSkinOpenPictureDialog1->SetFileName(fileName);
    LoadWorkPicture(fileName);
    ShowOpenedPicture(fileName);
}

void TCalvane::ShowOpenedPicture(const std::string& fileName)
{
    EnablePictureControls();
    ShowPictureScrollBars();
    const TPicture& picture = Image1->Picture();
    Image1->SetHeight(picture.Height());
    Image1->SetWidth(picture.Width());
    SetPictureMiddle();
    bsSkinStatusPanel1->SetCaption("文件位置:" + fileName);
    bsSkinStatusPanel2->SetCaption(PictureStatusText(picture.Height(), picture.Width(), FileSizeOf(fileName)));
    bsSkinNumericEdit1->SetValue(picture.Width());
    bsSkinNumericEdit2->SetValue(picture.Height());
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
    const int width = RoundValue(bsSkinNumericEdit1->Value());
    const int height = RoundValue(bsSkinNumericEdit2->Value());
    // A capture abandoned before any picture was opened leaves the button on with nothing to
    // save.
    if (!HasWorkPicture()) {
        bsSkinMessage1->Inform("没有可以保存的图片！");
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
        std::vector<uint8_t> stream;
        if (bsSkinCheckRadioBox1->Checked()) stream = JpegEncode(StretchedCopy(work, width, height), uint8_t(bsSkinTrackBar1->Value()));
        else stream = JpegEncode(work, uint8_t(bsSkinTrackBar1->Value()));
        WriteFileAtomically(SaveAsFileName(fileName, ".jpg"), stream);
    } else if (filterIndex == 2) {
        WriteBmpFile(StretchedCopy(work, width, height), SaveAsFileName(fileName, ".bmp"));
    }
}

void TCalvane::ShowColourDialog(TWorkbenchGroupBox* TfrmsetC::*group, const char* caption)
{
    TfrmsetC* dialog = colourDialog_.Get();
    if (!dialog || Image1->Picture().Height() == 0) return;
    for (TWorkbenchGroupBox* TfrmsetC::*each :
         {&TfrmsetC::bsSkinGroupBox1, &TfrmsetC::bsSkinGroupBox2, &TfrmsetC::GroupBoxRGBChange})
        (dialog->*each)->SetVisible(each == group);
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
    return bsSkinScrollBox1->ScrollByWheel(GET_WHEEL_DELTA_WPARAM(wheel.WParam), sideways);
}

} // namespace tavrik
