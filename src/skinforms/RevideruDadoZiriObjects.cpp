#include "skin/DataSkinObject.h"
#include "skin/SkinData.h"
#include "skinforms/ActiveSkinObject.h"
#include "skinforms/RevideruDadoZiri.h"
#include "skinforms/SkinAnimateObject.h"
#include "skinforms/SkinCaptionObject.h"
#include "skinforms/SkinHint.h"
#include "skinforms/SkinStdButtonObject.h"
#include "skinforms/UserObject.h"
#include "ui/Timer.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

// The order in which caption buttons are placed along the caption row, from its end.
constexpr SkinCommand kPlacementOrder[] = {SkinCommand::cmClose, SkinCommand::cmMaximize, SkinCommand::cmMinimize,
                                           SkinCommand::cmRollUp, SkinCommand::cmMinimizeToTray};

std::unique_ptr<TbsActiveSkinObject> MakeObject(TbsRevideruDadoZiri* frame, const TbsDataSkinObject* data,
                                                const TbsSkinPictureSet* pictures)
{
    // Menu parts live in the skin's object list too; they are the menu engine's.
    if (dynamic_cast<const TbsDataSkinMainMenuItem*>(data) || dynamic_cast<const TbsDataSkinMenuItem*>(data) ||
        dynamic_cast<const TbsDataSkinMainMenuBarButton*>(data))
        return nullptr;
    if (auto* stdButton = dynamic_cast<const TbsDataSkinStdButton*>(data))
        return std::make_unique<TbsSkinStdButtonObject>(frame, stdButton, pictures);
    if (auto* button = dynamic_cast<const TbsDataSkinButton*>(data))
        return std::make_unique<TbsSkinButtonObject>(frame, button, pictures);
    if (auto* caption = dynamic_cast<const TbsDataSkinCaption*>(data))
        return std::make_unique<TbsSkinCaptionObject>(frame, caption, pictures);
    if (auto* animate = dynamic_cast<const TbsDataSkinAnimate*>(data))
        return std::make_unique<TbsSkinAnimateObject>(frame, animate, pictures);
    if (auto* user = dynamic_cast<const TbsDataUserObject*>(data))
        return std::make_unique<TbsUserObject>(frame, user, pictures);
    return nullptr;
}

// A caption button: a std button, or an animation that acts as one.
bool IsCaptionButton(const TbsActiveSkinObject* object, SkinCommand& command)
{
    if (auto* stdButton = dynamic_cast<const TbsSkinStdButtonObject*>(object)) {
        command = stdButton->command;
        return true;
    }
    auto* animate = dynamic_cast<const TbsSkinAnimateObject*>(object);
    if (!animate) return false;
    command = animate->command;
    return true;
}

TbsBorderIcon IconOf(SkinCommand command)
{
    switch (command) {
    case SkinCommand::cmMinimizeToTray: return TbsBorderIcon::biMinimizeToTray;
    case SkinCommand::cmRollUp: return TbsBorderIcon::biRollUp;
    case SkinCommand::cmMaximize: return TbsBorderIcon::biMaximize;
    case SkinCommand::cmMinimize: return TbsBorderIcon::biMinimize;
    default: return TbsBorderIcon::biSystemMenu;
    }
}

} // namespace

TbsActiveSkinObject* TbsRevideruDadoZiri::ObjectAt(int index) const
{
    return index >= 0 && size_t(index) < objects_.size() ? objects_[size_t(index)].get() : nullptr;
}

TbsActiveSkinObject* TbsRevideruDadoZiri::FindObject(std::string_view idName) const
{
    for (auto& object : objects_)
        if (object->IDName == idName) return object.get();
    return nullptr;
}

bool TbsRevideruDadoZiri::IsCaptionObject(int index) const
{
    return dynamic_cast<TbsSkinCaptionObject*>(ObjectAt(index)) != nullptr;
}

void TbsRevideruDadoZiri::FreeObjects()
{
    popupButton_ = nullptr;
    hoverIndex_ = prevHoverIndex_ = captureIndex_ = -1;
    objects_.clear();
}

void TbsRevideruDadoZiri::BuildObjects()
{
    FreeObjects();
    for (auto& data : skinData_->SkinObjects)
        if (auto object = MakeObject(this, data.get(), skinData_)) objects_.push_back(std::move(object));
    ApplyObjectVisibility();
}

void TbsRevideruDadoZiri::CreateDefaultButtons()
{
    FreeObjects();
    const std::pair<const char*, SkinCommand> buttons[] = {
        {"closebutton", SkinCommand::cmClose},   {"maxbutton", SkinCommand::cmMaximize},
        {"minbutton", SkinCommand::cmMinimize},  {"rollupbutton", SkinCommand::cmRollUp},
        {"sysmenubutton", SkinCommand::cmSysMenu}, {"traybutton", SkinCommand::cmMinimizeToTray}};
    for (auto [name, command] : buttons) objects_.push_back(std::make_unique<TbsSkinStdButtonObject>(this, name, command));
    ApplyObjectVisibility();
}

void TbsRevideruDadoZiri::ApplyObjectVisibility()
{
    auto block = [](TbsActiveSkinObject& object) {
        object.Enabled = false;
        object.Visible = !object.skinrectinapicture;
    };
    auto alive = Guard();
    for (auto& object : objects_) {
        SkinCommand command{};
        if (!IsCaptionButton(object.get(), command)) continue;
        if (hideCaptionButtons_) {
            block(*object);
            continue;
        }
        auto* stdButton = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        auto* animate = dynamic_cast<TbsSkinAnimateObject*>(object.get());
        if (stdButton && command == SkinCommand::cmDefault) {
            bool visible = false;
            if (OnActivateCustomObject) OnActivateCustomObject(object->IDName, visible);
            if (!alive) return;
            object->Visible = visible;
        }
        const bool acts = stdButton || (animate && animate->buttonstyle && command != SkinCommand::cmDefault);
        if (acts && command != SkinCommand::cmClose && command != SkinCommand::cmDefault &&
            !borderIcons_.Contains(IconOf(command)))
            block(*object);
    }
}

void TbsRevideruDadoZiri::LayoutObjects()
{
    if (!skinInUse_) return;
    const TbsSkinFormInfo& info = *skinData_;
    for (auto& object : objects_)
        if (!object->skinrectinapicture) object->ObjectRect = MapObjectRect(object->skinrect, info, PictureSize(), geometry_);

    const bool inButtonsRow = !geometry_.NewButtonsRect.IsEmpty();
    const TRect row = inButtonsRow ? geometry_.NewButtonsRect : geometry_.NewCaptionRect;
    if (row.IsEmpty()) return;
    auto placed = [](const TbsActiveSkinObject& o, SkinCommand wanted) {
        SkinCommand command{};
        return o.Visible && o.skinrectinapicture && IsCaptionButton(&o, command) && command == wanted;
    };
    std::vector<TbsActiveSkinObject*> buttons;
    for (SkinCommand command : kPlacementOrder) {
        auto it = std::find_if(objects_.begin(), objects_.end(), [&](auto& o) { return placed(*o, command); });
        if (it != objects_.end()) buttons.push_back(it->get());
    }
    for (auto& object : objects_)
        if (placed(*object, SkinCommand::cmDefault)) buttons.push_back(object.get());
    auto sysMenu = std::find_if(objects_.begin(), objects_.end(), [&](auto& o) { return placed(*o, SkinCommand::cmSysMenu); });
    auto caption = std::find_if(objects_.begin(), objects_.end(),
                                [](auto& o) { return dynamic_cast<TbsSkinCaptionObject*>(o.get()) != nullptr; });
    auto sizeOf = [&](const TbsActiveSkinObject& o) {
        if (showIcon_ && placed(o, SkinCommand::cmSysMenu))
            return TSize{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
        return TSize{o.skinrect.Width(), o.skinrect.Height()};
    };
    const int offset = info.buttonsoffset;
    if (!info.buttonsinleft) {
        int x = row.Right;
        for (TbsActiveSkinObject* button : buttons) {
            const TSize s = sizeOf(*button);
            button->ObjectRect = {x - s.cx, row.Top, x, row.Top + s.cy};
            x -= s.cx + offset;
        }
        if (inButtonsRow) return;
        if (caption != objects_.end()) (*caption)->ObjectRect.Right = x + offset;
        if (sysMenu == objects_.end()) return;
        const TSize s = sizeOf(**sysMenu);
        const TRect& c = geometry_.NewCaptionRect;
        const int top = c.Top + c.Height() / 2 - s.cy / 2;
        (*sysMenu)->ObjectRect = {c.Left, top, c.Left + s.cx, top + s.cy};
        if (caption != objects_.end()) (*caption)->ObjectRect.Left = c.Left + s.cx;
        return;
    }
    if (!inButtonsRow && sysMenu != objects_.end()) buttons.push_back(sysMenu->get());
    int x = row.Left;
    for (TbsActiveSkinObject* button : buttons) {
        const TSize s = sizeOf(*button);
        button->ObjectRect = {x, row.Top, x + s.cx, row.Top + s.cy};
        x += s.cx + offset;
    }
    if (!inButtonsRow && caption != objects_.end()) (*caption)->ObjectRect.Left = x + offset;
}

void TbsRevideruDadoZiri::LayoutDefaultButtons()
{
    if (frameWidth_ == 0 || frameHeight_ == 0) TakeFrameSize();
    const int s = ButtonSize();
    TRect area{3, 3, frameWidth_ - 3, CaptionHeight()};
    int x = frameWidth_ - 3;
    auto placed = [](const TbsActiveSkinObject& o, SkinCommand wanted) {
        auto* stdButton = dynamic_cast<const TbsSkinStdButtonObject*>(&o);
        return stdButton && o.Visible && o.skinrectinapicture && stdButton->command == wanted;
    };
    for (SkinCommand command : kPlacementOrder) {
        auto it = std::find_if(objects_.begin(), objects_.end(), [&](auto& o) { return placed(*o, command); });
        if (it == objects_.end()) continue;
        (*it)->ObjectRect = {x - s, 4, x, 4 + s};
        x -= s;
    }
    area.Right = x;
    auto sysMenu = std::find_if(objects_.begin(), objects_.end(), [&](auto& o) { return placed(*o, SkinCommand::cmSysMenu); });
    if (sysMenu != objects_.end()) {
        const TSize size = showIcon_ ? TSize{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)} : TSize{s, s};
        (*sysMenu)->ObjectRect = {3, 4, 3 + size.cx, 4 + size.cy};
        area.Left = 3 + size.cx;
    }
    defaultCaptionArea_ = area;
}

void TbsRevideruDadoZiri::ResetObjects()
{
    for (auto& object : objects_) {
        if (auto* animate = dynamic_cast<TbsSkinAnimateObject*>(object.get())) {
            animate->MouseIn = animate->Active = false;
            animate->CurrentFrame = 1;
        } else if (!dynamic_cast<TbsSkinCaptionObject*>(object.get())) {
            object->Active = object->MouseIn = false;
            object->MorphFactor = 0;
        }
    }
}

void TbsRevideruDadoZiri::UpdateHover(std::optional<TPoint> p, bool pressed)
{
    // A press counts on an inactive form too: on X11 the activation it asks for comes after it.
    if (objects_.empty() || (!IsFormActive() && !pressed)) return;
    prevHoverIndex_ = hoverIndex_;
    hoverIndex_ = -1;
    if (p) {
        for (size_t i = 0; i < objects_.size(); ++i) {
            const TbsActiveSkinObject& o = *objects_[i];
            if (o.Enabled && o.Visible && o.ObjectRect.Contains(*p)) {
                hoverIndex_ = int(i);
                break;
            }
        }
    }
    // While one object is held, no other lights up.
    if (captureIndex_ != -1 && hoverIndex_ != -1 && hoverIndex_ != captureIndex_) hoverIndex_ = -1;
    if (hoverIndex_ == prevHoverIndex_) return;
    auto alive = Guard();
    TbsSkinHint* hints = showObjectHint_ ? skinHint_ : nullptr;
    if (TbsActiveSkinObject* previous = ObjectAt(prevHoverIndex_); previous && previous->Enabled && previous->Visible) {
        previous->MouseLeave();
        if (alive && hints && !previous->hint.empty()) hints->HideObjectHint();
    }
    if (!alive) return;
    if (TbsActiveSkinObject* hovered = ObjectAt(hoverIndex_); hovered && hovered->Enabled && hovered->Visible) {
        const std::string hint = hovered->hint;
        hovered->MouseEnter();
        if (alive && hints && !hint.empty()) hints->QueueObjectHint(hint);
    }
}

void TbsRevideruDadoZiri::ObjectMouseDown(TMouseButton button, TPoint p)
{
    TbsActiveSkinObject* object = ObjectAt(hoverIndex_);
    if (!object) return;
    if (!IsCaptionObject(hoverIndex_)) SetCapture(FormHandle());
    captureIndex_ = hoverIndex_;
    object->MouseDown(p.x, p.y, button);
}

void TbsRevideruDadoZiri::ObjectMouseUp(TMouseButton button, TPoint p)
{
    TbsActiveSkinObject* object = ObjectAt(captureIndex_);
    if (!object) return;
    if (!IsCaptionObject(captureIndex_) && GetCapture() == FormHandle()) ReleaseCapture();
    captureIndex_ = -1;
    object->MouseUp(p.x, p.y, button);
}

void TbsRevideruDadoZiri::ObjectMouseMove(TPoint p)
{
    TbsActiveSkinObject* object = ObjectAt(captureIndex_ != -1 ? captureIndex_ : hoverIndex_);
    if (object) object->MouseMove(p.x, p.y);
}

void TbsRevideruDadoZiri::ObjectDblClick()
{
    if (TbsActiveSkinObject* object = ObjectAt(hoverIndex_)) object->DblClick();
}

void TbsRevideruDadoZiri::HoverTimerTick()
{
    if (!IsFormActive()) return;
    if (inSizeMove_) {
        hoverTimer_->SetEnabled(false);
        return;
    }
    const TPoint p = FormPoint(GetCursorPos());
    const TRect client = skinInUse_ ? geometry_.NewClientRect : TRect{3, CaptionHeight() + 3, form_->Width() - 3, form_->Height() - 3};
    if (!client.Contains(p)) UpdateHover(p);
    else if (hoverIndex_ != -1) UpdateHover(std::nullopt);
}

void TbsRevideruDadoZiri::StartMorphTimer() { morphTimer_->SetEnabled(true); }

void TbsRevideruDadoZiri::StartAnimateTimer() { animateTimer_->SetEnabled(true); }

void TbsRevideruDadoZiri::MorphTimerTick()
{
    bool stepped = false;
    auto alive = Guard();
    for (size_t i = 0; i < objects_.size() && alive; ++i) {
        TbsActiveSkinObject& object = *objects_[i];
        if (!object.morphing || !object.CanMorph()) continue;
        object.MorphStep();
        stepped = true;
    }
    if (alive && !stepped) morphTimer_->SetEnabled(false);
}

void TbsRevideruDadoZiri::AnimateTimerTick()
{
    bool active = false;
    for (auto& object : objects_) {
        auto* animate = dynamic_cast<TbsSkinAnimateObject*>(object.get());
        if (!animate || !animate->Active) continue;
        animate->StepAnimation();
        active = true;
    }
    if (!active) animateTimer_->SetEnabled(false);
}

void TbsRevideruDadoZiri::StopTimers()
{
    hoverTimer_->SetEnabled(false);
    morphTimer_->SetEnabled(false);
    animateTimer_->SetEnabled(false);
}

void TbsRevideruDadoZiri::FireMouseEnter(const TbsActiveSkinObject& object)
{
    if (OnMouseEnterEvent) OnMouseEnterEvent(object.IDName);
}

void TbsRevideruDadoZiri::FireMouseLeave(const TbsActiveSkinObject& object)
{
    if (OnMouseLeaveEvent) OnMouseLeaveEvent(object.IDName);
}

void TbsRevideruDadoZiri::FireMouseDown(const TbsActiveSkinObject& object, int x, int y, TMouseButton button)
{
    if (OnMouseDownEvent) OnMouseDownEvent(object.IDName, x, y, object.ObjectRect, button);
}

void TbsRevideruDadoZiri::FireMouseUp(const TbsActiveSkinObject& object, int x, int y, TMouseButton button)
{
    if (OnMouseUpEvent) OnMouseUpEvent(object.IDName, x, y, object.ObjectRect, button);
}

void TbsRevideruDadoZiri::FireMouseMove(const TbsActiveSkinObject& object, int x, int y)
{
    if (OnMouseMoveEvent) OnMouseMoveEvent(object.IDName, x, y, object.ObjectRect);
}

void TbsRevideruDadoZiri::FirePaint(const TbsActiveSkinObject& object, TCanvas& canvas)
{
    if (OnPaintEvent) OnPaintEvent(object.IDName, canvas, object.ObjectRect);
}

} // namespace tavrik
