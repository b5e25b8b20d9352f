#pragma once

#include "app/WorkPicture.h"
#include "app/WorkbenchControls.h"
#include "ui/Form.h"

#include <string>

namespace tavrik {

// The colour dialog behind "对比度", "饱和度" and "RGB": a thumbnail of the work picture before
// and after the adjustment, one group of sliders per adjustment (the caption says which is
// active), and OK applying it to the work picture. Slider positions live as long as the
// dialog and carry over between openings, but the after-thumbnail starts unchanged and
// follows a slider only once it moves; OK applies exactly what the after-thumbnail shows,
// so nothing while no slider of the active adjustment has moved since the opening.
class TfrmsetC : public TForm {
public:
    static constexpr int kThumbnailSize = 180;
    static constexpr const char* kContrastCaption = "对比度调整";
    static constexpr const char* kSaturationCaption = "饱和度调整";
    static constexpr const char* kRGBCaption = "RGB调整";

    explicit TfrmsetC(TComponent* owner);
    const char* ClassName() const override { return "TfrmsetC"; }

    void SetHost(const TWorkPictureHost& host) { host_ = host; }

    // Builds the two thumbnails from a picture: the longer side 180 pixels, sampled without
    // averaging, each centred in its panel. An empty picture leaves them as they were.
    void LoadImage(const TBitmap& picture);

    TWorkbenchPanel* Panel1;
    TImage* ImageBeforeChange;
    TWorkbenchPanel* Panel2;
    TImage* ImageafterChange;
    TWorkbenchGroupBox* bsSkinGroupBox1;
    TWorkbenchLabel* bsSkinLabel2;
    TWorkbenchLabel* Labelcontrast;
    TWorkbenchTrackBar* trackbarcontrast;
    TWorkbenchGroupBox* bsSkinGroupBox2;
    TWorkbenchLabel* bsSkinLabel3;
    TWorkbenchLabel* bsSkinLabel1;
    TWorkbenchTrackBar* bsSkinTrackBar1;
    TWorkbenchGroupBox* GroupBoxRGBChange;
    TWorkbenchLabel* bsSkinLabel4;
    TWorkbenchLabel* bsSkinLabel6;
    TWorkbenchLabel* bsSkinLabel5;
    TWorkbenchLabel* labelred;
    TWorkbenchLabel* labelgreen;
    TWorkbenchLabel* labelblue;
    TWorkbenchTrackBar* TrackBarRed;
    TWorkbenchTrackBar* TrackBarGreen;
    TWorkbenchTrackBar* TrackBarBlue;
    TWorkbenchPanel* bsSkinPanel1;
    TWorkbenchButton* bsSkinButton1;
    TWorkbenchButton* bsSkinButton2;

    void trackbarcontrastChange(TComponent* sender);
    void bsSkinTrackBar1Change(TComponent* sender);
    void TrackBarRedChange(TComponent* sender);
    void bsSkinButton1Click(TComponent* sender);
    void bsSkinButton2Click(TComponent* sender);

private:
    void BuildLayout();
    TWorkbenchGroupBox* NewGroup(const char* caption);
    void RepaintAfter();

    TWorkPictureHost host_;
    // The caption of the adjustment the after-thumbnail shows, nullptr while it shows none.
    const char* previewed_ = nullptr;
};

// "+12" for a positive value, "0" and "-12" otherwise.
std::string SignedText(int value);

} // namespace tavrik
