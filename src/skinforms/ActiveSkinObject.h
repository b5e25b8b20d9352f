#pragma once

#include "core/Geometry.h"
#include "skin/SkinValues.h"
#include "wsys/Backend.h"

#include <string>

namespace tavrik {

class TBitmap;
class TCanvas;
class TbsDataSkinObject;
class TbsRevideruDadoZiri;
struct TbsSkinPictureSet;

// A live element of a skinned form's frame: it knows where it lies on the frame, draws its
// looks from the skin's pictures, morphs between its normal and highlighted look on the
// frame's morph timer and reacts to the mouse the frame routes to it. Coordinates are form
// coordinates (origin at the window's top-left corner, frame included).
//
// The frame owns its objects and rebuilds them at every skin change; the pictures they point
// into belong to the skin data and live as long as the objects.
//
//   event              | normal        | highlighted          | remark
//   -------------------+---------------+----------------------+------------------------------
//   pointer enters     | -> highlighted| -                    | morphs up with `morphing`
//   pointer leaves     | -             | -> normal            | morphs down
//   morph tick (20 ms) | factor - 0.1  | factor + 0.1         | until 0 or 1: ten ticks
class TbsActiveSkinObject {
public:
    // Without data the object has no skin look (a built-in caption button of the plain frame).
    TbsActiveSkinObject(TbsRevideruDadoZiri* parent, const TbsDataSkinObject* data, const TbsSkinPictureSet* pictures);
    virtual ~TbsActiveSkinObject() = default;
    TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
    TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;

    // Whether a morph has still to move towards the look the object's state asks for.
    virtual bool CanMorph() const;
    // Draws onto a canvas whose origin is the form's. Without repaint the frame picture
    // beneath already shows the normal look of objects drawn in it, which are then skipped.
    virtual void Draw(TCanvas& canvas, bool repaint);
    virtual void DblClick() {}
    virtual void MouseDown(int x, int y, TMouseButton button);
    virtual void MouseUp(int x, int y, TMouseButton button);
    virtual void MouseMove(int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();

    // One tick of the morph: a tenth towards the highlighted look while Active, else back.
    void MorphStep();
    bool MorphInProgress() const;

    std::string IDName;
    std::string hint;
    TRect skinrect;
    TRect activeskinrect;
    bool skinrectinapicture = false; // skinrect lies in ActivePicture; placed on the caption row
    bool morphing = false;
    SkinMorphKind morphkind = SkinMorphKind::mkDefault;

    TRect ObjectRect;
    const TBitmap* MainPicture = nullptr;
    const TBitmap* ActivePicture = nullptr;
    double MorphFactor = 0;
    bool MouseIn = false;
    bool Active = false;
    bool Enabled = true;
    bool Visible = true;

protected:
    void StartMorph();
    void Repaint();
    // The picture skinrect lies in.
    const TBitmap* NormalPicture() const { return skinrectinapicture ? ActivePicture : MainPicture; }
    // Copies a rectangle of a picture onto ObjectRect, scaled when the sizes differ.
    void CopyLook(TCanvas& canvas, const TBitmap* picture, const TRect& source) const;
    // The normal look morphed towards the active one by MorphFactor, drawn on ObjectRect.
    void DrawMorph(TCanvas& canvas, const TBitmap* normalPicture, const TRect& normal, const TBitmap* activePicture,
                   const TRect& active) const;
    void DrawBase(TCanvas& canvas, bool repaint);

    TbsRevideruDadoZiri* Parent;
};

// Draws a rectangle of a picture into a bitmap of the given size, scaled to fit; the bitmap
// stays black where the picture has no pixels.
TBitmap PictureLook(const TBitmap* picture, const TRect& source, TSize size);

} // namespace tavrik
