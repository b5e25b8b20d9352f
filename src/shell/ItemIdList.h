#pragma once

#include <string>
#include <vector>

namespace tavrik {

// The identity of a namespace item, from the top (the desktop) down: one part per level, each
// part being the item's relative identity within its parent. The desktop itself has no parts.
// Parts are opaque to callers; TShellNamespace gives them meaning.
class TItemIdList {
public:
    TItemIdList() = default;
    explicit TItemIdList(std::vector<std::string> parts) : parts_(std::move(parts)) {}

    bool IsDesktop() const { return parts_.empty(); }
    // Number of ancestors: 0 for the desktop.
    int Level() const { return int(parts_.size()); }
    const std::vector<std::string>& Parts() const { return parts_; }
    // The relative identity within the parent; empty for the desktop.
    const std::string& Last() const;

    // The identity without its last part; the desktop is its own parent.
    TItemIdList Parent() const;
    TItemIdList Child(std::string relative) const;
    // True when this identity is other or one of other's ancestors.
    bool Contains(const TItemIdList& other) const;

    friend bool operator==(const TItemIdList&, const TItemIdList&) = default;

private:
    std::vector<std::string> parts_;
};

} // namespace tavrik
