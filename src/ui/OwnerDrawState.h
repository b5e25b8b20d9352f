#pragma once

namespace tavrik {

// The state of an owner-drawn item or row (a set of these bits, with the window system's
// values), shared by the list box and the list view.
enum TOwnerDrawStateFlag : unsigned { odSelected = 1, odGrayed = 2, odDisabled = 4, odChecked = 8, odFocused = 16 };
using TOwnerDrawState = unsigned;

} // namespace tavrik
