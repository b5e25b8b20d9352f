#include "app/frmsetC.h"

#include "app/ControlPlacement.h"
#include "gfx/Canvas.h"
#include "imaging/PixelRoutines.h"

namespace tavrik {

namespace {

TWorkbenchLabel* Label(TWinControl* parent, TComponent* owner, const char* name, TRect bounds, const char* text)
{
    auto* label = Place<TWorkbenchLabel>(parent, owner, name, bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    label->SetAutoSize(false);
    label->SetCaption(text);
    label->SetLayout(TTextLayout::tlCenter);
    return label;
}

TWorkbenchLabel* ValueLabel(TWinControl* parent, TComponent* owner, const char* name, int left, int top,
                            const char* text)
{
    return Label(parent, owner, name, Bounds(left, top, 33, 21), text);
}

// The labels naming a slider are 2 pixels taller than the ones showing its value.
TWorkbenchLabel* NameLabel(TWinControl* parent, TComponent* owner, const char* name, int left, int top, int width,
                           const char* text)
{
    return Label(parent, owner, name, Bounds(left, top, width, 23), text);
}

} // namespace

std::string SignedText(int value) { return (value > 0 ? "+" : "") + std::to_string(value); }

TfrmsetC::TfrmsetC(TComponent* owner) : TForm(owner)
{
    SetName("frmsetC");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(0);
    SetBounds(300, 194, 450, 450); // larger than its frame, so that the client size comes out exact
    SetClientSize(418, 396);
    BuildLayout();
}

TWorkbenchGroupBox* TfrmsetC::NewGroup(const char* caption)
{
    auto* group = new TWorkbenchGroupBox(this);
    group->SetParent(this);
    group->SetBounds(8, 184, 401, 121);
    group->SetCaption(caption);
    return group;
}

void TfrmsetC::BuildLayout()
{
    Panel1 = Place<TWorkbenchPanel>(this, this, "Panel1", 8, 8, 193, 169);
    Panel1->SetBevelOuter(TBevelCut::bvLowered);
    Panel1->SetCaption("");
    ImageBeforeChange = Place<TImage>(Panel1, this, "ImageBeforeChange", 8, 8, 177, 153);
    Panel2 = Place<TWorkbenchPanel>(this, this, "Panel2", 216, 8, 193, 169);
    Panel2->SetBevelOuter(TBevelCut::bvLowered);
    Panel2->SetCaption("");
    ImageafterChange = Place<TImage>(Panel2, this, "ImageafterChange", 8, 8, 177, 153);

    bsSkinGroupBox1 = NewGroup("对比度");
    bsSkinGroupBox1->SetName("bsSkinGroupBox1");
    bsSkinLabel2 = NameLabel(bsSkinGroupBox1, this, "bsSkinLabel2", 16, 55, 33, " 参数");
    Labelcontrast = ValueLabel(bsSkinGroupBox1, this, "Labelcontrast", 57, 55, "255");
    trackbarcontrast = Place<TWorkbenchTrackBar>(bsSkinGroupBox1, this, "trackbarcontrast", 96, 55, 289, 20);

    bsSkinGroupBox2 = NewGroup("饱和度调节");
    bsSkinGroupBox2->SetName("bsSkinGroupBox2");
    bsSkinLabel3 = NameLabel(bsSkinGroupBox2, this, "bsSkinLabel3", 16, 55, 33, " 参数");
    bsSkinLabel1 = ValueLabel(bsSkinGroupBox2, this, "bsSkinLabel1", 57, 55, "255");
    bsSkinTrackBar1 = Place<TWorkbenchTrackBar>(bsSkinGroupBox2, this, "bsSkinTrackBar1", 96, 55, 289, 20);

    GroupBoxRGBChange = NewGroup("RGB调整");
    GroupBoxRGBChange->SetName("GroupBoxRGBChange");
    bsSkinLabel4 = NameLabel(GroupBoxRGBChange, this, "bsSkinLabel4", 32, 27, 25, "  R");
    bsSkinLabel6 = NameLabel(GroupBoxRGBChange, this, "bsSkinLabel6", 32, 55, 25, "  G");
    bsSkinLabel5 = NameLabel(GroupBoxRGBChange, this, "bsSkinLabel5", 32, 83, 25, "  B");
    labelred = ValueLabel(GroupBoxRGBChange, this, "labelred", 73, 27, "255");
    labelgreen = ValueLabel(GroupBoxRGBChange, this, "labelgreen", 73, 55, "255");
    labelblue = ValueLabel(GroupBoxRGBChange, this, "labelblue", 73, 83, "255");
    TrackBarRed = Place<TWorkbenchTrackBar>(GroupBoxRGBChange, this, "TrackBarRed", 120, 27, 265, 20);
    TrackBarGreen = Place<TWorkbenchTrackBar>(GroupBoxRGBChange, this, "TrackBarGreen", 120, 55, 265, 20);
    TrackBarBlue = Place<TWorkbenchTrackBar>(GroupBoxRGBChange, this, "TrackBarBlue", 120, 83, 265, 20);

    for (TWorkbenchTrackBar* bar : {trackbarcontrast, bsSkinTrackBar1}) {
        bar->SetMinValue(-255);
        bar->SetMaxValue(255);
        bar->SetPageSize(16);
    }
    for (TWorkbenchTrackBar* bar : {TrackBarRed, TrackBarGreen, TrackBarBlue}) {
        bar->SetMinValue(-128);
        bar->SetMaxValue(127);
        bar->SetPageSize(16);
        bar->OnChange = [this](TComponent* s) { TrackBarRedChange(s); };
    }
    trackbarcontrast->OnChange = [this](TComponent* s) { trackbarcontrastChange(s); };
    bsSkinTrackBar1->OnChange = [this](TComponent* s) { bsSkinTrackBar1Change(s); };

    bsSkinPanel1 = Place<TWorkbenchPanel>(this, this, "bsSkinPanel1", 8, 312, 401, 41);
    bsSkinPanel1->SetBevelOuter(TBevelCut::bvLowered);
    bsSkinPanel1->SetCaption("");
    bsSkinButton1 = Place<TWorkbenchButton>(bsSkinPanel1, this, "bsSkinButton1", 72, 8, 75, 25);
    bsSkinButton1->SetCaption("确定");
    bsSkinButton1->SetDefault(true);
    bsSkinButton1->OnClick = [this](TComponent* s) { bsSkinButton1Click(s); };
    bsSkinButton2 = Place<TWorkbenchButton>(bsSkinPanel1, this, "bsSkinButton2", 232, 8, 75, 25);
    bsSkinButton2->SetCaption("取消");
    bsSkinButton2->SetCancel(true);
    bsSkinButton2->OnClick = [this](TComponent* s) { bsSkinButton2Click(s); };
}

void TfrmsetC::LoadImage(const TBitmap& picture)
{
    int w = picture.Width(), h = picture.Height();
    if (w == 0 || h == 0) return;
    int tw = h >= w ? kThumbnailSize * w / h : kThumbnailSize;
    int th = h >= w ? kThumbnailSize : kThumbnailSize * h / w;
    TBitmap thumbnail = StretchedCopy(picture.ToPictureBuffer(), tw, th);
    for (auto [image, panel] : {std::pair{ImageBeforeChange, Panel1}, std::pair{ImageafterChange, Panel2}}) {
        image->SetBounds((panel->Width() - tw) / 2, (panel->Height() - th) / 2, tw, th);
        image->Picture().Assign(thumbnail);
    }
    previewed_ = nullptr;
}

void TfrmsetC::RepaintAfter()
{
    ImageafterChange->Picture().Changed();
    ImageafterChange->Repaint();
}

void TfrmsetC::trackbarcontrastChange(TComponent*)
{
    int v = trackbarcontrast->Value();
    ImageafterChange->Picture().Assign(ImageBeforeChange->Picture().Bitmap());
    Labelcontrast->SetCaption(SignedText(v));
    ApplyContrast(ImageafterChange->Picture().Bitmap(), v);
    previewed_ = kContrastCaption;
    RepaintAfter();
}

void TfrmsetC::bsSkinTrackBar1Change(TComponent*)
{
    int v = bsSkinTrackBar1->Value();
    bsSkinLabel1->SetCaption(std::to_string(v));
    PreviewSaturation(ImageBeforeChange->Picture().Bitmap(), ImageafterChange->Picture().Bitmap(), v);
    previewed_ = kSaturationCaption;
    RepaintAfter();
}

void TfrmsetC::TrackBarRedChange(TComponent*)
{
    labelred->SetCaption(SignedText(TrackBarRed->Value()));
    labelgreen->SetCaption(SignedText(TrackBarGreen->Value()));
    labelblue->SetCaption(SignedText(TrackBarBlue->Value()));
    PreviewRGB(ImageBeforeChange->Picture().Bitmap(), ImageafterChange->Picture().Bitmap(), TrackBarRed->Value(),
               TrackBarGreen->Value(), TrackBarBlue->Value());
    previewed_ = kRGBCaption;
    RepaintAfter();
}

void TfrmsetC::bsSkinButton1Click(TComponent*)
{
    TProgressBarSink progress(host_.applyProgress);
    if (host_.applyProgress) host_.applyProgress->SetPosition(0);
    TBitmap* work = WorkPicture(host_.view);
    if (work && previewed_ && Caption() == previewed_) {
        if (Caption() == kContrastCaption) ApplyContrast(*work, trackbarcontrast->Value());
        if (Caption() == kSaturationCaption) ApplySaturation(*work, bsSkinTrackBar1->Value(), &progress);
        if (Caption() == kRGBCaption)
            ApplyRGB(*work, TrackBarRed->Value(), TrackBarGreen->Value(), TrackBarBlue->Value(), &progress);
        host_.view->Picture().Changed();
    }
    Close();
    if (host_.view) host_.view->Repaint();
    if (host_.window) host_.window->Repaint();
}

void TfrmsetC::bsSkinButton2Click(TComponent*) { Close(); }

} // namespace tavrik
