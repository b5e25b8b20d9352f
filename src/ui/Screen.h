#pragma once

#include "core/Geometry.h"
#include "ui/Component.h"
#include "ui/ControlTypes.h"

#include <vector>

namespace tavrik {

class TForm;
class TWinControl;

// The desktop as the program sees it: its size, the program's forms in the order they were
// created (the order a skin change reaches them), the active form and a cursor that overrides
// every control's.
class TScreen : public TComponent {
public:
    TScreen() = default;
    const char* ClassName() const override { return "TScreen"; }

    int FormCount() const { return int(forms_.size()); }
    TForm* Forms(int index) const { return forms_.at(size_t(index)); }
    const std::vector<TForm*>& FormList() const { return forms_; }
    TForm* ActiveForm() const;
    TWinControl* ActiveControl() const;

    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;

    // Anything but crDefault shows over every control (crHourGlass while working).
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    TNotifyEvent OnActiveFormChange;

private:
    friend class TForm;
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    void SetActiveForm(TForm* form);

    std::vector<TForm*> forms_;
    TForm* activeForm_ = nullptr;
    TCursor cursor_ = crDefault;
};

// The one screen object of the program.
TScreen* Screen();

} // namespace tavrik
