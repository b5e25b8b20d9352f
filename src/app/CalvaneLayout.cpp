#include "app/Calvane.h"

#include "app/ControlPlacement.h"
#include "app/WorkbenchGlyphs.h"
#include "app/WorkbenchSkin.h"
#include "app/frmScreen.h"
#include "app/frmsetC.h"
#include "imaging/BatchPipeline.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skinforms/RevideruDadoZiri.h"
#include "skinforms/SkinHint.h"
#include "wsys/ScreenDepth.h"

namespace tavrik {

namespace {

// A control aligned to a side of its parent; controls aligned to the same side stack in the
// order of their offsets from it.
template <class T>
T* Aligned(TWinControl* parent, TComponent* owner, const char* name, TAlign align, int size, int offset = 0)
{
    auto* control = new T(owner);
    control->SetName(name);
    bool horizontal = align == TAlign::alLeft || align == TAlign::alRight;
    control->SetBounds(horizontal ? offset : 0, horizontal ? 0 : offset, horizontal ? size : parent->ClientWidth(),
                       horizontal ? parent->ClientHeight() : size);
    // Aligned before it has a parent, so that a control made with another alignment (a
    // splitter starts on the left) is never laid out by that one.
    control->SetAlign(align);
    control->SetParent(parent);
    return control;
}

// How thick the window's own scroll bars are drawn.
constexpr int kScrollBarThickness = 19;

// A hidden scroll bar along the right (vertical) or bottom side of its parent.
TWorkbenchScrollBar* SideScrollBar(TWinControl* parent, TComponent* owner, const char* name, TAlign align)
{
    bool vertical = align != TAlign::alBottom;
    auto* bar = new TWorkbenchScrollBar(owner);
    bar->SetName(name);
    bar->SetKind(vertical ? TbsScrollBarKind::sbVertical : TbsScrollBarKind::sbHorizontal); // before its size: it swaps them
    bar->SetSkinDataName(vertical ? "vscrollbar" : "hscrollbar");
    bar->Hide();
    bar->SetBounds(0, 0, vertical ? kScrollBarThickness : parent->ClientWidth(),
                   vertical ? parent->ClientHeight() : kScrollBarThickness);
    bar->SetAlign(align);
    bar->SetParent(parent);
    return bar;
}

constexpr int kSizeFieldLeft = 48, kSizeFieldWidth = 41;
constexpr int kUnitLabelLeft = kSizeFieldLeft + kSizeFieldWidth + 3; // clear of the fields' frames

TWorkbenchLabel* TextLabel(TWinControl* parent, TComponent* owner, const char* name, int left, int top, const char* text)
{
    auto* label = Place<TWorkbenchLabel>(parent, owner, name, left, top, 0, 0);
    label->SetCaption(text);
    label->SetTransparent(true);
    label->SetLayout(TTextLayout::tlCenter);
    return label;
}

TWorkbenchButton* Command(TWinControl* parent, TComponent* owner, const char* name, int left, int top, int width,
                          const char* caption)
{
    auto* button = Place<TWorkbenchButton>(parent, owner, name, left, top, width, 25);
    button->SetCaption(caption);
    return button;
}

TWorkbenchExPanel* RollUpPanel(TWinControl* parent, TComponent* owner, const char* name, TAlign align, int height,
                               const char* caption, bool rollButton, int top = 0)
{
    auto* panel = Aligned<TWorkbenchExPanel>(parent, owner, name, align, height, top);
    panel->SetCaption(caption);
    panel->SetShowRollButton(rollButton);
    // A closed panel could not be brought back: the workbench's panels only roll up.
    panel->SetShowCloseButton(false);
    return panel;
}

TWorkbenchTrackBar* QualitySlider(TWinControl* parent, TComponent* owner, const char* name, int left, int top,
                                  int width)
{
    auto* slider = Place<TWorkbenchTrackBar>(parent, owner, name, left, top, width, 20);
    slider->SetMinValue(0);
    slider->SetMaxValue(100);
    slider->SetValue(75);
    slider->SetCanFocused(false);
    slider->SetMouseSupport(true);
    slider->SetJumpWhenClick(false);
    slider->SetHint("图片压缩取点比例");
    slider->SetShowHint(true);
    return slider;
}

} // namespace

TCalvane::TCalvane(TComponent* owner) : TForm(owner), batchWorkers_(UsableProcessorCount())
{
    SetName("Calvane");
    // JPEG files are decoded through a palette on screens of 8 bits per pixel or fewer.
    SetDecodeMode(ScreenBitsPerPixel() <= 8 ? TJpegDecodeMode::LowColorScreen : TJpegDecodeMode::TrueColor);
    BuildSkin();
    SetCaption("Tavrik图片压缩工具");
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(675, 468);
    Constraints().SetMinWidth(150);
    Constraints().SetMinHeight(29);
    SetShowHint(true);

    bsSkinPageControl2 = Aligned<TWorkbenchPageControl>(this, this, "bsSkinPageControl2", TAlign::alClient, 0);
    auto page = [this](const char* name, const char* caption) {
        auto* sheet = new TWorkbenchTabSheet(this);
        sheet->SetName(name);
        sheet->SetPageControl(bsSkinPageControl2);
        sheet->SetCaption(caption);
        return sheet;
    };
    bsSkinTabSheet1 = page("bsSkinTabSheet1", "图片处理");
    bsSkinTabSheet3 = page("bsSkinTabSheet3", "批量压缩");
    bsSkinTabSheet2 = page("bsSkinTabSheet2", "帮助");
    bsSkinPageControl2->SetActivePage(bsSkinTabSheet1);

    BuildComponents();
    BuildPicturePage();
    BuildBatchPage();
    BuildHelpPage();
    // The two frames of the pictures draw the plain look.
    BindWorkbenchSkin(*this, bsSkinData1, {bsSkinPanel3, bsSkinPanel4});
    // The skin gives the splitter its thickness; the panel above it may still shrink to 10.
    bsSkinSplitter2->SetMinSize(10);
    // The client size counts the skinned frame's borders, which the window knows once it exists.
    HandleNeeded();
    SetClientSize(675, 468);
    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnDestroy = [this](TComponent* s) { FormDestroy(s); };
}

TCalvane::~TCalvane() = default;

void TCalvane::BuildSkin()
{
    bsStoredSkin1 = std::make_unique<TbsStoredSkin>();
    bsSkinData1 = new TbsSkinData(this);
    bsSkinData1->SetName("bsSkinData1");
    LoadWorkbenchSkin(*bsStoredSkin1, *bsSkinData1);
    bsRevideruDadoZiri1 = NewWorkbenchFrame(*this, {TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize,
                                                    TbsBorderIcon::biMaximize, TbsBorderIcon::biRollUp});
    // The frame keeps the client area at its size whatever the skin's borders.
    bsRevideruDadoZiri1->SetClientWidth(675);
    bsRevideruDadoZiri1->SetClientHeight(468);
    bsSkinHint1 = new TbsSkinHint(this);
    bsSkinHint1->SetName("bsSkinHint1");
    bsRevideruDadoZiri1->SetSkinHint(bsSkinHint1);
}

void TCalvane::SetDialogs(TfrmsetC* colourDialog, TfrmScreen* captureWindow)
{
    colourDialog_ = colourDialog;
    captureWindow_ = captureWindow;
    TWorkPictureHost host{this, Image1, ApplyProgress};
    if (colourDialog) {
        colourDialog->SetHost(host);
        colourDialog->SetSkinData(bsSkinData1);
    }
    if (captureWindow) {
        captureWindow->SetHost(host);
        captureWindow->OnCaptured = [this](TComponent*) { WorkPictureCaptured(); };
    }
}

void TCalvane::FormCreate(TComponent*)
{
    ApplyProgress = new TProgressBar(this);
    ApplyProgress->SetName("ApplyProgress");
    ApplyProgress->Hide();
    ApplyProgress->SetParent(bsSkinStatusBar1);
    ApplyProgress->SetBounds(bsSkinStatusBar1->Width() - 400, 2, 400, bsSkinStatusBar1->Height() - 4);
    SetDialogs(colourDialog_.Get(), captureWindow_.Get());
}

void TCalvane::FormDestroy(TComponent*)
{
    if (ApplyProgress) ApplyProgress->Free();
    ApplyProgress = nullptr;
}

TMenuItem* TCalvane::NewMenuItem(const char* name, const char* caption, void (TCalvane::*handler)(TComponent*))
{
    auto* item = new TMenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    item->OnClick = [this, handler](TComponent* s) { (this->*handler)(s); };
    bsSkinPopupMenu1->Items()->Add(item);
    return item;
}

void TCalvane::BuildComponents()
{
    bsSkinOpenPictureDialog1 = new TWorkbenchOpenPictureDialog(this);
    bsSkinOpenPictureDialog1->SetName("bsSkinOpenPictureDialog1");
    bsSkinOpenPictureDialog1->SetTitle("打开图片");
    bsSkinOpenPictureDialog1->SetInitialDir("rfDesktop");
    bsSkinOpenPictureDialog1->SetFilter(
        "All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|JPEG Image File (*.jpg)|*.jpg|"
        "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|");
    bsSkinOpenPictureDialog1->SetFilterIndex(1);
    bsSkinSavePictureDialog1 = new TWorkbenchSavePictureDialog(this);
    bsSkinSavePictureDialog1->SetName("bsSkinSavePictureDialog1");
    bsSkinSavePictureDialog1->SetTitle("图片另存");
    bsSkinSavePictureDialog1->SetInitialDir("rfDesktop");
    bsSkinSavePictureDialog1->SetFilterIndex(1);
    bsSkinSelectDirectoryDialog1 = new TWorkbenchSelectDirectoryDialog(this);
    bsSkinSelectDirectoryDialog1->SetName("bsSkinSelectDirectoryDialog1");
    bsSkinSelectDirectoryDialog1->SetTitle("选择目录");
    bsSkinMessage1 = new TWorkbenchMessage(this);
    bsSkinMessage1->SetName("bsSkinMessage1");
    bsSkinMessage1->SetButtonSkinDataName("button");
    bsSkinMessage1->SetMessageLabelSkinDataName("stdlabel");
    // Every message box of the program is this one, also the application's error reports.
    bsSkinMessage1->InstallAsMessageBoxHandler();

    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    ImageList1->AddMasked(BitmapFileIcon(), clFuchsia);
    ImageList1->AddMasked(PhotoFileIcon(), clFuchsia);

    bsSkinPopupMenu1 = new TWorkbenchPopupMenu(this);
    bsSkinPopupMenu1->SetName("bsSkinPopupMenu1");
    N901 = NewMenuItem("N901", "旋转90度", &TCalvane::N901Click);
    N1 = NewMenuItem("N1", "水平翻转", &TCalvane::N1Click);
    N2 = NewMenuItem("N2", "帮助？", &TCalvane::N2Click);

    OBThread1 = new TOBThread(this);
    OBThread1->SetName("OBThread1");
    OBThread1->SetExclusif(true);
    OBThread1->SetRunOnCreate(true);
    OBThread1->SetFreeOnTerminate(true);
    OBThread1->OnExecute = [this](TComponent* s, void* p) { OBThread1Execute(s, p); };
}

void TCalvane::BuildPicturePage()
{
    TWinControl* sheet = bsSkinTabSheet1;
    bsSkinStatusBar1 = Aligned<TWorkbenchStatusBar>(sheet, this, "bsSkinStatusBar1", TAlign::alBottom, 21);
    bsSkinStatusBar1->SetCaption("");
    bsSkinStatusPanel1 = Aligned<TWorkbenchStatusPanel>(bsSkinStatusBar1, this, "bsSkinStatusPanel1", TAlign::alLeft, 313);
    bsSkinStatusPanel1->SetCaption("未加载图片");
    bsSkinStatusPanel2 = Aligned<TWorkbenchStatusPanel>(bsSkinStatusBar1, this, "bsSkinStatusPanel2", TAlign::alClient, 0);
    bsSkinStatusPanel2->SetCaption("");

    bsSkinPanel1 = Aligned<TWorkbenchPanel>(sheet, this, "bsSkinPanel1", TAlign::alLeft, 161);
    bsSkinPanel1->SetCaption("");
    BuildPictureFilePanel();
    BuildPictureSettingsPanel();
    bsSkinSplitter2 = Aligned<TWorkbenchSplitter>(bsSkinPanel1, this, "bsSkinSplitter2", TAlign::alTop, 10, 288);
    bsSkinSplitter2->SetSkinDataName("hsplitter");

    bsSkinExPanel2 = RollUpPanel(bsSkinPanel1, this, "bsSkinExPanel2", TAlign::alClient, 0, "", false);
    bsSkinExPanel2->SetShowHint(false);
    bsSkinButton7 = Command(bsSkinExPanel2, this, "bsSkinButton7", 40, 24, 75, "对比度");
    bsSkinButton8 = Command(bsSkinExPanel2, this, "bsSkinButton8", 40, 56, 75, "饱和度");
    bsSkinButton9 = Command(bsSkinExPanel2, this, "bsSkinButton9", 40, 88, 75, "RGB");
    bsSkinButton7->OnClick = [this](TComponent* s) { bsSkinButton7Click(s); };
    bsSkinButton8->OnClick = [this](TComponent* s) { bsSkinButton8Click(s); };
    bsSkinButton9->OnClick = [this](TComponent* s) { bsSkinButton9Click(s); };

    BuildPictureView();
}

void TCalvane::BuildPictureFilePanel()
{
    bsSkinExPanel3 = RollUpPanel(bsSkinPanel1, this, "bsSkinExPanel3", TAlign::alTop, 144, "文件", true);
    bsSkinButton1 = Command(bsSkinExPanel3, this, "bsSkinButton1", 32, 24, 75, "打开图片");
    bsSkinButton10 = Command(bsSkinExPanel3, this, "bsSkinButton10", 32, 52, 75, "截屏");
    bsSkinButton3 = Command(bsSkinExPanel3, this, "bsSkinButton3", 32, 80, 75, "图片另存");
    bsSkinButton3->SetEnabled(false);
    bsSkinButton1->OnClick = [this](TComponent* s) { bsSkinButton1Click(s); };
    bsSkinButton10->OnClick = [this](TComponent* s) { bsSkinButton10Click(s); };
    bsSkinButton3->OnClick = [this](TComponent* s) { bsSkinButton3Click(s); };
    bigbutton = Place<TWorkbenchSpeedButton>(bsSkinExPanel3, this, "bigbutton", 38, 112, 25, 25);
    bigbutton->SetHint("放大");
    bigbutton->SetShowHint(true);
    bigbutton->SetGlyph(ZoomInGlyph());
    bigbutton->OnClick = [this](TComponent* s) { bigbuttonClick(s); };
    smallbutton = Place<TWorkbenchSpeedButton>(bsSkinExPanel3, this, "smallbutton", 78, 112, 25, 25);
    smallbutton->SetHint("缩小");
    smallbutton->SetShowHint(true);
    smallbutton->SetGlyph(ZoomOutGlyph());
    smallbutton->OnClick = [this](TComponent* s) { smallbuttonClick(s); };
}

void TCalvane::BuildPictureSettingsPanel()
{
    bsSkinExPanel1 = RollUpPanel(bsSkinPanel1, this, "bsSkinExPanel1", TAlign::alTop, 144, "图像设置", true, 144);
    TWinControl* p = bsSkinExPanel1;
    Label3 = TextLabel(p, this, "Label3", 8, 32, "压缩：");
    bsSkinTrackBar1 = QualitySlider(p, this, "bsSkinTrackBar1", 40, 30, 81);
    bsSkinTrackBar1->SetEnabled(false);
    bsSkinTrackBar1->OnChange = [this](TComponent* s) { bsSkinTrackBar1Change(s); };
    Label4 = TextLabel(p, this, "Label4", 125, 32, "75%");
    bsSkinCheckRadioBox1 = Place<TWorkbenchCheckBox>(p, this, "bsSkinCheckRadioBox1", 8, 48, 150, 25);
    bsSkinCheckRadioBox1->SetCaption("自定义图片大小");
    bsSkinCheckRadioBox1->SetEnabled(false);
    bsSkinCheckRadioBox1->OnClick = [this](TComponent* s) { bsSkinCheckRadioBox1Click(s); };
    Label2 = TextLabel(p, this, "Label2", 8, 75, "宽度：");
    auto sizeField = [&](const char* name, int top) {
        auto* field = Place<TWorkbenchNumericEdit>(p, this, name, kSizeFieldLeft, top, kSizeFieldWidth, 20);
        field->SetMinValue(0);
        field->SetMaxValue(10000);
        field->SetValue(0);
        field->SetEnabled(false);
        return field;
    };
    bsSkinNumericEdit1 = sizeField("bsSkinNumericEdit1", 72);
    bsSkinNumericEdit1->OnChange = [this](TComponent* s) { bsSkinNumericEdit1Change(s); };
    // The unit labels start a few pixels right of the size fields: at the fields' last column
    // they touched (and overlapped) their frames.
    Label7 = TextLabel(p, this, "Label7", kUnitLabelLeft, 75, "象素");
    Label1 = TextLabel(p, this, "Label1", 8, 100, "高度：");
    bsSkinNumericEdit2 = sizeField("bsSkinNumericEdit2", 96);
    bsSkinNumericEdit2->OnExit = [this](TComponent* s) { bsSkinNumericEdit2Exit(s); };
    Label8 = TextLabel(p, this, "Label8", kUnitLabelLeft, 98, "象素");
    bsSkinCheckRadioBox2 = Place<TWorkbenchCheckBox>(p, this, "bsSkinCheckRadioBox2", 9, 120, 150, 25);
    bsSkinCheckRadioBox2->SetCaption("约束比例");
    bsSkinCheckRadioBox2->SetChecked(true);
    bsSkinCheckRadioBox2->SetEnabled(false);
}

void TCalvane::BuildPictureView()
{
    bsSkinPanel3 = Aligned<TWorkbenchPanel>(bsSkinTabSheet1, this, "bsSkinPanel3", TAlign::alClient, 0);
    bsSkinPanel3->SetBorderStyle(TbsBevelStyle::bvNone);
    bsSkinPanel3->SetCaption("");
    bsSkinScrollBar2 = SideScrollBar(bsSkinPanel3, this, "bsSkinScrollBar2", TAlign::alRight);
    bsSkinScrollBar1 = SideScrollBar(bsSkinPanel3, this, "bsSkinScrollBar1", TAlign::alBottom);
    bsSkinScrollBox1 = Aligned<TWorkbenchScrollBox>(bsSkinPanel3, this, "bsSkinScrollBox1", TAlign::alClient, 0);
    bsSkinScrollBox1->SetHScrollBar(bsSkinScrollBar1);
    bsSkinScrollBox1->SetVScrollBar(bsSkinScrollBar2);
    Image1 = Place<TImage>(bsSkinScrollBox1, this, "Image1", 32, 32, 100, 100);
    Image1->SetAutoSize(true);
    Image1->SetCenter(true);
    Image1->SetStretch(true);
    Image1->SetPopupMenu(bsSkinPopupMenu1);
    // A picture smaller than the box stays in its middle when the window is maximized, restored
    // or sized, as it was placed when it came; a larger one keeps where it was scrolled to.
    bsSkinScrollBox1->OnResize = [this](TComponent*) {
        if (!Destroying() && HasWorkPicture() && Image1->Width() < bsSkinScrollBox1->Width() &&
            Image1->Height() < bsSkinScrollBox1->Height())
            SetPictureMiddle();
    };
}

void TCalvane::BuildBatchPage()
{
    TWinControl* sheet = bsSkinTabSheet3;
    bsSkinPanel2 = Aligned<TWorkbenchPanel>(sheet, this, "bsSkinPanel2", TAlign::alLeft, 161);
    bsSkinPanel2->SetCaption("");
    bsSkinExPanel5 = RollUpPanel(bsSkinPanel2, this, "bsSkinExPanel5", TAlign::alTop, 104, "文件", true);
    bsSkinButton5 = Command(bsSkinExPanel5, this, "bsSkinButton5", 40, 32, 75, "导入图片");
    bsSkinButton6 = Command(bsSkinExPanel5, this, "bsSkinButton6", 40, 64, 75, "移除");
    bsSkinButton6->SetEnabled(false);
    bsSkinButton5->OnClick = [this](TComponent* s) { bsSkinButton5Click(s); };
    bsSkinButton6->OnClick = [this](TComponent* s) { bsSkinButton6Click(s); };

    bsSkinExPanel4 = RollUpPanel(bsSkinPanel2, this, "bsSkinExPanel4", TAlign::alClient, 0, "设置", false);
    bsSkinExPanel4->SetShowHint(false);
    TWinControl* p = bsSkinExPanel4;
    // As wide as the start button below: six characters do not fit on 75 pixels.
    bsSkinButton2 = Command(p, this, "bsSkinButton2", 16, 32, 97, "设置输出目录");
    bsSkinButton2->OnClick = [this](TComponent* s) { bsSkinButton2Click(s); };
    bsSkinEdit1 = Place<TWorkbenchEdit>(p, this, "bsSkinEdit1", 16, 64, 121, 20);
    Label5 = TextLabel(p, this, "Label5", 16, 91, "设置压缩值：");
    bsSkinTrackBar2 = QualitySlider(p, this, "bsSkinTrackBar2", 16, 110, 97);
    bsSkinTrackBar2->OnChange = [this](TComponent* s) { bsSkinTrackBar2Change(s); };
    Label6 = TextLabel(p, this, "Label6", 125, 112, "75%");
    bsSkinButton4 = Command(p, this, "bsSkinButton4", 16, 144, 97, "开始批量压缩");
    bsSkinButton4->OnClick = [this](TComponent* s) { bsSkinButton4Click(s); };

    bsSkinPanel4 = Aligned<TWorkbenchPanel>(sheet, this, "bsSkinPanel4", TAlign::alClient, 0);
    bsSkinPanel4->SetBorderStyle(TbsBevelStyle::bvNone);
    bsSkinPanel4->SetCaption("");
    bsSkinStatusBar2 = Aligned<TWorkbenchStatusBar>(bsSkinPanel4, this, "bsSkinStatusBar2", TAlign::alBottom, 21);
    bsSkinStatusBar2->SetCaption("");
    bsSkinStatusPanel3 = Aligned<TWorkbenchStatusPanel>(bsSkinStatusBar2, this, "bsSkinStatusPanel3", TAlign::alLeft, 289);
    bsSkinStatusPanel3->SetCaption("加载文件");
    bsSkinGauge1 = Aligned<TWorkbenchGauge>(bsSkinStatusBar2, this, "bsSkinGauge1", TAlign::alClient, 0);
    bsSkinGauge1->SetMinValue(0);
    bsSkinGauge1->SetMaxValue(100);
    bsSkinGauge1->SetValue(0);
    bsSkinGauge1->SetShowProgressText(true);
    bsSkinGauge1->SetShowPercent(true);
    bsSkinGauge1->SetUseSkinSize(true);
    bsSkinGauge1->SetSkinDataName("statusgauge");
    bsSkinScrollBar3 = SideScrollBar(bsSkinPanel4, this, "bsSkinScrollBar3", TAlign::alRight);

    bsSkinListView1 = Aligned<TWorkbenchListView>(bsSkinPanel4, this, "bsSkinListView1", TAlign::alClient, 0);
    bsSkinListView1->SetViewStyle(TViewStyle::vsList);
    bsSkinListView1->SetMultiSelect(true);
    bsSkinListView1->SetReadOnly(true);
    bsSkinListView1->SetRowSelect(true);
    bsSkinListView1->SetHideSelection(false);
    bsSkinListView1->SetSmallImages(ImageList1);
    bsSkinListView1->SetLargeImages(ImageList1);
    bsSkinListView1->SetStateImages(ImageList1);
    bsSkinListView1->SetVScrollBar(bsSkinScrollBar3);
    bsSkinListView1->OnMouseMove = [this](TComponent* s, TShiftState sh, int x, int y) {
        bsSkinListView1MouseMove(s, sh, x, y);
    };
    bsSkinListView1->OnDblClick = [this](TComponent* s) { bsSkinListView1DblClick(s); };
}

void TCalvane::BuildHelpPage()
{
    TWinControl* sheet = bsSkinTabSheet2;
    bsSkinLabel1 = Place<TWorkbenchSkinLabel>(sheet, this, "bsSkinLabel1", 80, 16, 129, 21);
    bsSkinLabel1->SetAutoSize(false);
    bsSkinLabel1->SetCaption("Tavrik图片压缩工具");
    bsSkinLinkLabel2 = Place<TWorkbenchLinkLabel>(sheet, this, "bsSkinLinkLabel2", 80, 48, 188, 14);
    bsSkinLinkLabel2->SetAutoSize(false);
    bsSkinLinkLabel2->SetCaption("Tavrik 项目主页");
    bsSkinLinkLabel2->OnClick = [this](TComponent* s) { bsSkinLinkLabel2Click(s); };
    Label9 = TextLabel(sheet, this, "Label9", 280, 50, "版本:1.0.0.1");
    Label10 = TextLabel(sheet, this, "Label10", 80, 72, "Copyright © Tavrik 的作者们。保留所有权利。");
    bsSkinGroupBox1 = Place<TWorkbenchGroupBox>(sheet, this, "bsSkinGroupBox1", 76, 96, 297, 273);
    bsSkinGroupBox1->SetCaption("使用说明");
    bsSkinMemo1 = Aligned<TWorkbenchMemo>(bsSkinGroupBox1, this, "bsSkinMemo1", TAlign::alClient, 0);
    bsSkinMemo1->SetReadOnly(true);
    bsSkinMemo1->SetText(UsageText());
}

} // namespace tavrik
