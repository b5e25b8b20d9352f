#pragma once

#include "skincontrols/SkinControlGeometry.h"
#include "skincontrols/SkinTextView.h"
#include "ui/ListView.h"
#include "ui/WndHookChain.h"

#include <functional>
#include <string>

namespace tavrik {

class TBitmap;
class TCanvas;
class TbsDataSkinButtonControl;

// Draws the text of one header section instead of the list view: Cnvs is the section's image,
// R its rectangle (origin 0, 0).
using TbsDrawHeaderSectionEvent =
    std::function<void(TCanvas& Cnvs, TListColumn* Column, bool Pressed, const TRect& R)>;

// The native list view ("listview" skin) with its column header drawn from a button control
// skin (HeaderSkinDataName, "resizebutton") and its scroll ranges on linked skinned bars.
//
// Scroll units follow the native view: in report style the vertical bar counts rows and a
// move of the bar scrolls by rows x the row height; in list style only the horizontal bar
// shows, counting columns; in the icon styles both count pixels.
//
// The header keeps all its behaviour (sections pressed, dividers dragged, sections moved);
// only its painting is replaced. A section is drawn in the skin's normal face, or its pressed
// face while the mouse holds it (not while a divider is dragged); its caption is cut with "..."
// to fit, after its image when the list has SmallImages.
class TbsSkinCustomListView : public TbsSkinTextView<TCustomListView, TbsDataSkinListView> {
public:
    explicit TbsSkinCustomListView(TComponent* owner);
    ~TbsSkinCustomListView() override;
    const char* ClassName() const override { return "TbsSkinCustomListView"; }

    // Read again at every paint of the header.
    const std::string& HeaderSkinDataName() const { return headerSkinDataName_; }
    void SetHeaderSkinDataName(const std::string& name) { headerSkinDataName_ = name; }
    // The section held by the mouse, or -1; HeaderPressed is false while a divider is dragged.
    int PressedSection() const { return pressedSection_; }
    bool HeaderPressed() const { return headerPressed_; }
    // Whether the native header window is hooked for painting.
    bool HeaderHooked() const { return headerHook_.Installed(); }

    TbsDrawHeaderSectionEvent OnDrawHeaderSection;

    void UpdateScrollBars() override;
    void WndProc(TMessage& message) override;

    // Paints the header onto its own canvas (origin at the header's top-left).
    void PaintHeader(TCanvas& canvas);

protected:
    void VScrolled() override;
    void HScrolled() override;

private:
    void HookHeader(HWND child);
    void HeaderMessage(TMessage& m, const TWndNext& next);
    // The header's skin as it stands now; false when it draws its plain look.
    bool ReadHeaderSkin();
    TRect SectionRect(int position, int& column) const;
    void PaintHeaderSection(TCanvas& canvas, int column, const TRect& r, bool pressed);
    void DrawSectionBackground(TBitmap& image, bool bound, bool pressed);
    void DrawSectionText(TCanvas& canvas, TListColumn* column, const TRect& r);
    void PaintHeaderRest(TCanvas& canvas, const TRect& r, bool bound);
    int ItemHeight();
    int ItemWidth();

    std::string headerSkinDataName_ = "resizebutton";
    TWindowHook headerHook_;
    int pressedSection_ = -1;
    bool headerPressed_ = false;
    bool scrollingFromBar_ = false;
    int lastVPosition_ = 0;
    int lastHPosition_ = 0;

    // The header's button skin, copied at every header paint.
    TbsSkinControlGeometry header_;
    TRect headerDownRect_;
    TColor headerFontColor_ = 0;
    TColor headerDownFontColor_ = 0;
};

// The list view as forms place it.
class TbsSkinListView : public TbsSkinCustomListView {
public:
    explicit TbsSkinListView(TComponent* owner) : TbsSkinCustomListView(owner) {}
    const char* ClassName() const override { return "TbsSkinListView"; }
};

} // namespace tavrik
