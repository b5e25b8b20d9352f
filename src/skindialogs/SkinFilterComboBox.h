#pragma once

#include "skincontrols/SkinComboBox.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// One entry of a dialog's filter: its description and its masks ("*.jpg;*.jpeg").
struct TPictureFilterEntry {
    std::string description;
    std::string mask;
    friend bool operator==(const TPictureFilterEntry&, const TPictureFilterEntry&) = default;
};

// Splits "description|mask|description|mask..." at the bars into entries; a trailing bar
// adds nothing, and a description without its mask gets the empty mask.
std::vector<TPictureFilterEntry> SplitPictureFilter(std::string_view filter);

// The "File type" box: the filter's descriptions as entries, each with its mask.
class TbsSkinFilterComboBox : public TbsSkinComboBox {
public:
    explicit TbsSkinFilterComboBox(TComponent* owner) : TbsSkinComboBox(owner) {}
    const char* ClassName() const override { return "TbsSkinFilterComboBox"; }

    const std::string& Filter() const { return filter_; }
    // Fills the entries and selects none.
    void SetFilter(const std::string& filter);
    // The selected entry's mask; with no entry selected the last entry is selected first;
    // "*.*" when there are no entries.
    std::string Mask();

private:
    std::string filter_;
    std::vector<std::string> masks_;
};

} // namespace tavrik
